#include "core/record_file.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/paths.h"
#include "sample_lists.h"
#include "temp_folder.h"
#include "test_doubles.h"

namespace {

using core::FileResult;
using core::RecordReadOptions;
using Texts = std::vector<std::string>;
namespace slot = core::slot;

constexpr std::int64_t kKey = 1078617600;  // 2004-03-07 00:00:00 UTC
constexpr std::int64_t kDay = 86400;

std::string KeyOf(int n) {
    return std::to_string(kKey + n * kDay + n);
}

// A block with text in every slot: "r<n>s<slot>", and the Key of record n in slot 0. The slots
// the reader recomputes hold text it must ignore.
std::string FullBlock(int n, bool closing_line = true) {
    std::string block;
    for (int s = 0; s < core::kSlotCount; ++s) {
        const std::string text = s == slot::kKey         ? KeyOf(n)
                                 : s == slot::kNumber    ? "77"
                                 : s == slot::kDateAdded ? "12/25/1999"
                                 : s == slot::kFlag
                                     ? "stored flag text"
                                     : "r" + std::to_string(n) + "s" + std::to_string(s);
        block += text + '\n';
    }
    return closing_line ? block + '\n' : block;
}

class RecordFileTest : public ::testing::Test {
  protected:
    FileResult Read(const std::string& text, RecordReadOptions options = {}) {
        list_.DeleteAllRows();
        std::istringstream in(text);
        return core::ReadRecords(in, list_, clock_, options, progress_);
    }
    std::string Write() {
        std::ostringstream out;
        EXPECT_TRUE(core::WriteRecords(list_, out, progress_).ok());
        return out.str();
    }
    Texts Cells(std::string_view column) const { return CellsOf(list_, column); }

    core::VideoList list_ = SampleList();
    core::FixedClock clock_{kKey, 0};
    platform::NoProgress progress_;
    TempFolder folder_;
};

TEST_F(RecordFileTest, ReadsEverySlotIntoItsColumnAndWritesTheFileBackByteForByte) {
    const std::string text = FullBlock(0) + FullBlock(1) + FullBlock(2);
    ASSERT_EQ(Read(ToCrlf(text)).value, 3);
    for (const core::VideoColumn& column : list_.Columns()) {
        const int s = column.FileSlot;
        const std::string expected = s == slot::kKey         ? KeyOf(0)
                                     : s == slot::kNumber    ? "1"
                                     : s == slot::kDateAdded ? "03/07/2004"
                                     : s == slot::kFlag      ? ""
                                                             : "r0s" + std::to_string(s);
        EXPECT_EQ(list_.GetCell(0, column.ListIndex), expected) << column.Name;
    }
    EXPECT_TRUE(list_.FlagMark(0));
    std::string expected;  // the recomputed slots as the list holds them
    for (int n = 0; n < 3; ++n) {
        std::string block = FullBlock(n);
        block.replace(block.find("\n77\n") + 1, 2, std::to_string(n + 1));
        block.replace(block.find("12/25/1999"), 10, "03/0" + std::to_string(7 + n) + "/2004");
        block.replace(block.find("stored flag text"), 16, "");
        expected += block;
    }
    EXPECT_EQ(Write(), expected);

    // Through a file, with a synopsis far longer than any buffer and every kind of byte.
    std::string synopsis;
    for (int i = 0; synopsis.size() < 200 * 1024; ++i) {
        synopsis += "Line " + std::to_string(i) + " of the story~with |bars|, \xE9t\xE9, <tags> ";
    }
    synopsis += std::string(1, '\0') + "end";
    list_.SetCell(1, list_.ColumnIndexOf("Synopsis"), synopsis);
    const std::string path = folder_ / "films.rdk";
    ASSERT_TRUE(core::WriteRecords(list_, path, progress_).ok());
    const std::string written = ReadFileBytes(path);
    list_.DeleteAllRows();
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, progress_).value, 3);
    EXPECT_EQ(Cells("Synopsis")[1], synopsis);
    EXPECT_EQ(Write(), written);
}

TEST_F(RecordFileTest, LineBreaksThatReachACellStayInsideItsLine) {
    ASSERT_EQ(Read(FullBlock(0) + FullBlock(1) + FullBlock(2)).value, 3);
    const std::pair<const char*, const char*> broken[] = {
        {"Title", "Star\nWars"}, {"Synopsis", "One\r\nTwo\nThree\rFour\n"}, {"Cast", "\r\n"}};
    std::map<std::string, Texts> expected;
    for (const core::VideoColumn& column : list_.Columns()) {
        expected[column.Name] = Cells(column.Name);
    }
    for (const auto& [column, text] : broken) list_.SetCell(1, list_.ColumnIndexOf(column), text);
    expected["Title"][1] = "StarWars";
    expected["Synopsis"][1] = "One~Two~ThreeFour~";
    expected["Cast"][1] = "";

    const std::string path = folder_ / "films.rdk";
    ASSERT_TRUE(core::WriteRecords(list_, path, progress_).ok());
    list_.DeleteAllRows();
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, progress_).value, 3);
    for (const auto& [column, cells] : expected) EXPECT_EQ(Cells(column), cells) << column;
}

TEST_F(RecordFileTest, NumberDateAddedFlagAndZeroDurationsFollowTheirRules) {
    clock_ = core::FixedClock(0, 3600);  // an hour east of UTC: 23:30 UTC is the next day
    const std::string first = RecordBlock({{0, std::to_string(kKey - 1800)},
                                           {1, "9"},
                                           {2, "00:00:00"},
                                           {5, "00:00:00"},
                                           {6, "00:00:00 "},
                                           {7, "00:00:01"},
                                           {11, "01/01/1990"},
                                           {21, "x"},
                                           {22, "00:00:00"}});
    const std::string second = RecordBlock({{0, "not a number"}, {22, " "}});
    ASSERT_EQ(Read(first + second + RecordBlock({{0, KeyOf(3)}, {21, "x"}, {22, "Lent"}})).value,
              3);
    EXPECT_EQ(Cells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(Cells("Key")[1], "not a number");
    EXPECT_EQ(Cells("Date Added"), (Texts{"03/07/2004", "01/01/1970", "03/10/2004"}));
    EXPECT_EQ(Cells("Flag"), (Texts{"", "", ""}));
    EXPECT_EQ(Cells("Flag Value"), (Texts{"", " ", "Lent"}));
    for (int row = 0; row < 3; ++row) EXPECT_EQ(list_.FlagMark(row), row > 0) << row;
    EXPECT_EQ(Cells("Year")[0], "");
    EXPECT_EQ(Cells("Duration")[0], "");
    EXPECT_EQ(Cells("Misc 1")[0], "00:00:00 ");
    EXPECT_EQ(Cells("Misc 2")[0], "00:00:01");
    for (int row = 0; row < 3; ++row) EXPECT_EQ(list_.LoadOrder(row), row);
}

TEST_F(RecordFileTest, LeadingArticleOptionMovesTheArticleOfTitlesOnly) {
    const std::string text = RecordBlock({{0, KeyOf(0)}, {3, "The Matrix"}, {6, "The Matrix"}}) +
                             RecordBlock({{0, KeyOf(1)}, {3, "Theatre"}});
    ASSERT_TRUE(Read(text, {.move_leading_article = true}).ok());
    EXPECT_EQ(Cells("Title"), (Texts{"Matrix, The", "Theatre"}));
    EXPECT_EQ(Cells("Misc 1")[0], "The Matrix");
    ASSERT_TRUE(Read(text).ok());
    EXPECT_EQ(Cells("Title")[0], "The Matrix");
}

TEST_F(RecordFileTest, DamagedBlocksLoadWhatTheyCan) {
    // A short last block still makes a row.
    const std::string cut = RecordBlock({{0, KeyOf(1)}, {3, "Heat"}, {4, "R"}});
    ASSERT_EQ(Read(FullBlock(0) + cut.substr(0, cut.find("R\n") + 1)).value, 2);
    EXPECT_EQ(Cells("Title"), (Texts{"r0s3", "Heat"}));
    EXPECT_EQ(Cells("MPAA")[1], "R");
    EXPECT_EQ(Cells("Date Added")[1], "03/08/2004");
    // A block without its closing line ends where the next block's Key begins; the last one may
    // lack even its final line feed.
    std::string text = FullBlock(0, false) + FullBlock(1, false) + FullBlock(2, false);
    text.pop_back();
    ASSERT_EQ(Read(text).value, 3);
    EXPECT_EQ(Cells("Key"), (Texts{KeyOf(0), KeyOf(1), KeyOf(2)}));
    EXPECT_EQ(Cells("Flag Value"), (Texts{"r0s22", "r1s22", "r2s22"}));
}

TEST_F(RecordFileTest, EmptyRecordsCountOnlyBeforeARecord) {
    const std::string records = FullBlock(0) + FullBlock(1);
    for (int empty_lines : {1, 23, 24, 25, 48, 49, 100}) {
        const std::string text = records + std::string(static_cast<std::size_t>(empty_lines), '\n');
        EXPECT_EQ(Read(text).value, 2) << empty_lines << " empty lines";
        EXPECT_EQ(Read(ToCrlf(text)).value, 2) << empty_lines << " empty CRLF lines";
    }
    ASSERT_EQ(Read(FullBlock(0) + RecordBlock({}) + FullBlock(2)).value, 3);
    EXPECT_EQ(Cells("Key"), (Texts{KeyOf(0), "", KeyOf(2)}));
    EXPECT_EQ(Cells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(Read("").value, 0);

    const std::string path = std::string(REELDECK_TEST_DATA) + "/trailing-empty-lines.rdk";
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, progress_).value, 2);
    EXPECT_EQ(Cells("Title")[1], "Alien");
}

TEST_F(RecordFileTest, ReportsProgressAndFailures) {
    const std::string path = folder_ / "films.rdk";
    WriteFileBytes(path, FullBlock(0) + FullBlock(1) + FullBlock(2));
    RecordingProgress reading;
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, reading).value, 3);
    EXPECT_EQ(reading.calls, "BSE");
    EXPECT_EQ(reading.text, "Reading " + path);
    EXPECT_EQ(reading.steps, core::FileSize(path));
    RecordingProgress saving;
    ASSERT_TRUE(core::WriteRecords(list_, path, saving).ok());
    EXPECT_EQ(saving.calls, "BSSSE");
    EXPECT_EQ(saving.text, "Saving " + path);

    const FileResult missing =
        core::ReadRecords(list_, folder_ / "gone.rdk", clock_, {}, progress_);
    EXPECT_EQ(missing.Describe(), folder_ / "gone.rdk: No such file or directory");
    RecordingProgress failing;
    FailingInput in(FullBlock(0) + FullBlock(1));
    EXPECT_EQ(core::ReadRecords(in, list_, clock_, {}, failing).value, -1);
    EXPECT_EQ(failing.calls.back(), 'E');
    std::ostream out(nullptr);  // a stream that takes nothing
    EXPECT_EQ(core::WriteRecords(list_, out, progress_).value, -1);
}

}  // namespace
