#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/accounts_file.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/text.h"
#include "core/wanted_file.h"
#include "sample_lists.h"

// Every reader takes whatever bytes a file holds: cut short, damaged or not a database file at
// all. It must return, and what it loads must still be a consistent list.
namespace {

std::string ValidRecords() {
    return RecordBlock({{0, "1078617600"},
                        {1, "1"},
                        {3, "The Matrix"},
                        {5, "02:16:00"},
                        {11, "03/07/2004"},
                        {20, "Neo~wakes up"},
                        {22, "Lent"}}) +
           RecordBlock({{0, "1078617601"}, {1, "2"}, {3, "Heat"}, {5, "00:00:00"}});
}

std::string ValidHeader() {
    core::VideoList list = SampleList();
    std::ostringstream out;
    core::WriteHeader(list, out);
    return out.str();
}

const std::string kValidAccounts = std::string("\x01|12|\x02|A\x0f|\x11|\n") + "7E5CD||\x01|||\n";

// Reads `bytes` with every reader and checks what each one loaded.
void ReadWithEveryReader(const std::string& bytes) {
    platform::NoProgress progress;
    {
        core::VideoList list = SampleList();
        std::istringstream in(bytes);
        const core::FileResult result = core::ReadRecords(
            in, list, core::FixedClock(1078617600, 3600), {.move_leading_article = true}, progress);
        ASSERT_TRUE(result.ok());
        ASSERT_EQ(result.value, list.RowCount());
        const int number = list.ColumnIndexOf("#");
        const int flag_value = list.ColumnIndexOf("Flag Value");
        for (int row = 0; row < list.RowCount(); ++row) {
            ASSERT_EQ(list.GetCell(row, number), std::to_string(row + 1));
            ASSERT_EQ(list.FlagMark(row), !list.GetCell(row, flag_value).empty());
        }
    }
    {
        core::VideoList list = SampleList();
        list.InsertRow(0, "kept");
        std::istringstream in(bytes);
        if (core::ReadHeader(in, list).ok()) {
            ASSERT_EQ(TableProblem(list), "");
            ASSERT_EQ(list.RowCount(), 0);
        } else {
            ASSERT_EQ(list.Columns(), SampleColumns());
            ASSERT_EQ(list.RowCount(), 1);
        }
    }
    {
        core::WantedList wanted;
        std::istringstream in(bytes);
        const core::FileResult result = core::ReadWanted(in, wanted, true, progress);
        ASSERT_TRUE(result.ok());
        ASSERT_EQ(result.value, wanted.Count());
        for (int i = 1; i < wanted.Count(); ++i) {
            ASSERT_LE(core::CompareNoCase(wanted.Get(i - 1), wanted.Get(i)), 0);
        }
    }
    {
        core::SortState state;
        std::istringstream in(bytes);
        ASSERT_TRUE(core::ReadSortState(in, state).ok());
    }
    {
        std::vector<core::UserAccount> accounts;
        std::istringstream in(bytes);
        const core::FileResult result = core::ReadAccounts(in, accounts);
        ASSERT_TRUE(result.ok());
        ASSERT_LE(accounts.size(), static_cast<std::size_t>(core::kMaxAccounts));
        ASSERT_EQ(result.value, static_cast<std::int64_t>(accounts.size()));
    }
}

// Bytes drawn from a fixed seed: mostly the bytes that matter to the readers (line ends,
// separators, digits, NUL), now and then a very long line.
std::string RandomBytes(std::mt19937& random) {
    static const std::string kInteresting = std::string("\n\n\n\r|:0123456789-Key#~ <>") + '\0';
    std::string bytes;
    const std::size_t length = random() % 3000;
    while (bytes.size() < length) {
        const unsigned pick = random() % 100;
        if (pick < 50) {
            bytes += kInteresting[random() % kInteresting.size()];
        } else if (pick < 99) {
            bytes += static_cast<char>(random() % 256);
        } else {
            bytes.append(70000 + random() % 70000, static_cast<char>('a' + random() % 26));
        }
    }
    return bytes;
}

// Random bytes, and valid files cut short or damaged at random, from fixed seeds.
TEST(MalformedInputTest, RandomCutAndDamagedBytesRead) {
    std::mt19937 random(20040307);
    const std::string valid[] = {ValidRecords() + ValidRecords(), ValidHeader(), kValidAccounts,
                                 "Alien\nBrazil\r\nThe Birds\n", "11\n1"};
    for (int i = 0; i < 900; ++i) {
        std::string bytes = i < 300 ? RandomBytes(random) : valid[i % std::size(valid)];
        if (i >= 300 && i < 600) bytes.resize(random() % bytes.size());
        for (int change = 0; i >= 600 && change < 1 + i % 8; ++change) {
            const std::size_t at = random() % bytes.size();
            const unsigned kind = random() % 4;  // overwrite, cut, insert a break or repeat
            if (kind == 0)
                bytes[at] = static_cast<char>(random() % 256);
            else if (kind == 1)
                bytes.erase(at, 1 + random() % 40);
            else if (kind == 2)
                bytes.insert(at, 1, random() % 2 ? '\n' : '\0');
            else
                bytes.insert(at, bytes.substr(at, random() % 200));
            if (bytes.empty()) bytes = "\n";
        }
        SCOPED_TRACE("input " + std::to_string(i));
        ReadWithEveryReader(bytes);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
