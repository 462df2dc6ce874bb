// The companion files of a database: accounts, wanted titles, sort state and image folder, and
// the check that a main file holds record blocks.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/image_path_file.h"
#include "core/main_file_check.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "sample_lists.h"
#include "temp_folder.h"
#include "test_doubles.h"

namespace {

using core::FileResult;
using Texts = std::vector<std::string>;
using core::UserAccount;
using Accounts = std::vector<UserAccount>;

class SmallFilesTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    const std::string accounts_ = folder_ / "films.rdka";
    platform::NoProgress progress_;
};

TEST_F(SmallFilesTest, WantedFileHoldsOneTitlePerLineInListOrderAndReportsFailures) {
    core::WantedList wanted;
    for (const char* title : {"Vertigo", "alien", "Brazil"}) wanted.Add(title);
    const std::string path = folder_ / "films.rdkw";
    RecordingProgress saving;
    ASSERT_TRUE(core::WriteWanted(wanted, path, saving).ok());
    EXPECT_EQ(ReadFileBytes(path), "alien\nBrazil\nVertigo\n");
    EXPECT_EQ(saving.calls, "BSSSE");
    EXPECT_EQ(saving.text, "Saving " + path);

    // Titles are added at their sorted places; CRLF and empty lines are allowed.
    WriteFileBytes(path, "zorro\r\nThe Birds\r\n\r\nAlien\r\n\nheat");
    core::WantedList reread;
    reread.Add("Heat");
    RecordingProgress reading;
    EXPECT_EQ(core::ReadWanted(reread, path, false, reading).value, 4);
    EXPECT_EQ(reread.Titles(), (Texts{"Alien", "Heat", "heat", "The Birds", "zorro"}));
    EXPECT_EQ(reading.calls, "BSSSSE");
    EXPECT_EQ(reading.text, "Reading " + path);
    core::WantedList moved;
    EXPECT_EQ(core::ReadWanted(moved, path, true, progress_).value, 4);
    EXPECT_EQ(moved.Titles(), (Texts{"Alien", "Birds, The", "heat", "zorro"}));

    // A missing, empty or failing file.
    wanted = {};
    const FileResult missing = core::ReadWanted(wanted, folder_ / "missing.rdkw", false, progress_);
    EXPECT_EQ(missing.path, folder_ / "missing.rdkw");
    EXPECT_EQ(core::ReadWanted(wanted, "", false, progress_).value, -1);
    WriteFileBytes(folder_ / "empty.rdkw", "");
    EXPECT_EQ(core::ReadWanted(wanted, folder_ / "empty.rdkw", false, progress_).value, 0);
    ASSERT_TRUE(core::WriteWanted(wanted, folder_ / "empty.rdkw", progress_).ok());
    EXPECT_EQ(ReadFileBytes(folder_ / "empty.rdkw"), "");

    // A line break that reached a title stays inside its line.
    wanted.Add("Star\r\nWars");
    wanted.Add("Ran\n");
    ASSERT_TRUE(core::WriteWanted(wanted, path, progress_).ok());
    EXPECT_EQ(ReadFileBytes(path), "Ran\nStarWars\n");

    FailingInput in("a\nb\n");
    EXPECT_EQ(core::ReadWanted(in, wanted, false, progress_).value, -1);
    std::ostream out(nullptr);  // a stream that takes nothing
    EXPECT_EQ(core::WriteWanted(wanted, out, progress_).value, -1);
}

TEST_F(SmallFilesTest, OnlyAFileOfRecordBlocksPassesForAMainFile) {
    const std::string written = RecordBlock({{0, "1100000000"}, {3, "Heat"}}) + RecordBlock({});
    const struct {
        const char* name;
        std::string bytes;
        bool passes;
    } files[] = {
        {"empty", "", true},
        {"written", written, true},
        {"written with CRLF", ToCrlf(written), true},
        {"empty lines only", "\n\r\n\n", true},
        {"a Key of another form", RecordBlock({{0, "tt0113277"}, {3, "Heat"}}), true},
        {"a NUL byte after a Key", RecordBlock({{0, "42"}, {20, std::string("a\0b", 3)}}), true},
        {"text after an empty line", "\nDear Ann,\n", false},
        {"a picture", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\n\n", 13), false},
        {"a block holding a NUL byte", RecordBlock({{0, "x"}, {5, std::string("\0", 1)}}), false},
    };
    for (const auto& file : files) {
        const std::string path = folder_ / "candidate.rdk";
        WriteFileBytes(path, file.bytes);
        const FileResult checked = core::CheckMainFile(path);
        EXPECT_EQ(checked.ok(), file.passes) << file.name;
        if (!file.passes) {
            EXPECT_EQ(checked.reason, "The file is not a Reeldeck database") << file.name;
        }
    }
    EXPECT_EQ(core::CheckMainFile(folder_.path()).Describe(), folder_.path() + ": Is a directory");
}

TEST_F(SmallFilesTest, SortFileHoldsTwoNumbersWithoutAFinalLineFeed) {
    const std::string path = folder_ / "films.rdks";
    ASSERT_TRUE(core::WriteSortState(core::SortState{}, path).ok());
    EXPECT_EQ(ReadFileBytes(path), "11\n1");
    ASSERT_TRUE(core::WriteSortState({-1, 0}, path).ok());
    EXPECT_EQ(ReadFileBytes(path), "-1\n0");

    // A number that is missing keeps the value the state had.
    const core::SortState start{5, 1};
    const std::pair<std::string, core::SortState> cases[] = {
        {"3\n0", {3, 0}}, {"3\r\n0\r\n", {3, 0}}, {"3\n0\n99\n", {3, 0}}, {"", start},
        {"8\n", {8, 1}},  {" 4 \n 0x", {4, 0}},   {"abc\ndef", {0, 0}},
    };
    for (const auto& [bytes, expected] : cases) {
        WriteFileBytes(path, bytes);
        core::SortState state = start;
        EXPECT_TRUE(core::ReadSortState(state, path).ok()) << bytes;
        EXPECT_EQ(state, expected) << bytes;
    }
    core::SortState state = start;
    EXPECT_EQ(core::ReadSortState(state, folder_ / "missing.rdks").value, -1);
    EXPECT_EQ(core::ReadSortState(state, "").value, -1);
    EXPECT_EQ(state, start);
}

TEST_F(SmallFilesTest, ImagePathFileHoldsTheFolderAsItsLastLine) {
    const std::string path = folder_ / "films.rdki";
    const std::string images = "/home/ann/My Films/images \xE9t\xE9";
    ASSERT_TRUE(core::WriteImagePathFile(path, images).ok());
    EXPECT_EQ(ReadFileBytes(path), images);
    EXPECT_EQ(core::WriteImagePathFile("", images).value, -1);

    const std::pair<std::string, std::string> cases[] = {
        {"/a/b\r\n", "/a/b"},
        {"/old\n/new", "/new"},
        {"/old\r\n/new\r\n", "/new"},
        {"", ""},
        {"/a\n\n", ""},
        {"C:\\Videos\\Films", "C:\\Videos\\Films"},
    };
    for (const auto& [bytes, folder] : cases) {
        WriteFileBytes(path, bytes);
        EXPECT_EQ(core::ReadImagePathFile(path), folder) << bytes;
    }
    EXPECT_EQ(core::ReadImagePathFile(folder_ / "missing.rdki"), std::nullopt);
}

TEST(DatabaseNamesTest, CompanionsAppendALetterToTheMainFileName) {
    // The name chosen and the main file's name; the base name is the main one without ".rdk".
    const std::pair<std::string, std::string> cases[] = {
        {"/v/films", "/v/films.rdk"},     {"/v/films.rdk", "/v/films.rdk"},
        {"/v/films.RDK", "/v/films.RDK"}, {"/v/films.txt", "/v/films.txt.rdk"},
        {"/v.d/films", "/v.d/films.rdk"}, {"C:\\V\\films", "C:\\V\\films.rdk"},
        {"/v/rdk", "/v/rdk.rdk"}};
    for (const auto& [chosen, main] : cases) {
        const core::DatabaseNames names = core::DatabaseNamesOf(chosen);
        EXPECT_EQ(names.main, main) << chosen;
        EXPECT_EQ(names.base, main.substr(0, main.size() - 4)) << chosen;
        EXPECT_EQ((Texts{names.accounts, names.header, names.images, names.sort, names.wanted}),
                  (Texts{main + "a", main + "h", main + "i", main + "s", main + "w"}));
    }
}

// What a new database holds is checked where the New command creates one; here, what creating
// it over an existing one keeps.
TEST_F(SmallFilesTest, CreatingADatabaseOverAnotherKeepsItsImagesAndAccounts) {
    const std::string header = folder_ / "mlh.txt";
    WriteFileBytes(header, "Key\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n\n");
    WriteFileBytes(folder_ / "films.rdka", "\x01|");
    WriteFileBytes(folder_ / "films.rdk", "old records\n");
    std::filesystem::create_directory(folder_ / "films");
    WriteFileBytes(folder_ / "films/1.jpg", "jpg");
    std::string main_path;
    ASSERT_TRUE(core::CreateDatabaseFiles(folder_ / "films", header, &main_path).ok());
    EXPECT_EQ(main_path, folder_ / "films.rdk");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdk"), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdka"), "\x01|");
    EXPECT_EQ(ReadFileBytes(folder_ / "films/1.jpg"), "jpg");

    const FileResult no_header =
        core::CreateDatabaseFiles(folder_ / "other", folder_ / "none.txt", &main_path);
    EXPECT_EQ(no_header.path, folder_ / "none.txt");
}

std::string Written(const Accounts& accounts) {
    std::ostringstream out;
    EXPECT_TRUE(core::WriteAccounts(accounts, out).ok());
    return out.str();
}

Accounts ReadBack(const std::string& bytes, std::int64_t expected_count) {
    std::istringstream in(bytes);
    Accounts accounts = {{"stale", "", 1, "", ""}};
    EXPECT_EQ(core::ReadAccounts(in, accounts).value, expected_count) << bytes.substr(0, 30);
    EXPECT_EQ(accounts.size(), static_cast<std::size_t>(expected_count));
    return accounts;
}

TEST_F(SmallFilesTest, AccountsFileStoresEveryByteShiftedDownByFortyEightAndReadsItBack) {
    const Accounts accounts = {{"1", "ab", core::kFullAccess, "q?", "A"},
                               {"guest", "", core::kReadOnlyAccess, "", ""}};
    ASSERT_TRUE(core::WriteAccounts(accounts, accounts_).ok());
    EXPECT_EQ(ReadFileBytes(accounts_),
              std::string("\x01|12|\x02|A\x0f|\x11|\n") + "7E5CD||\x01|||\n");
    Accounts reread;
    EXPECT_EQ(core::ReadAccounts(reread, accounts_).value, 2);
    EXPECT_EQ(reread, accounts);

    // Characters stored as control bytes ("0" as NUL, "=" as a carriage return, "J" as the byte
    // 26) and bytes beyond ASCII survive a save and a reload.
    const Accounts controls = {{"0J=\xFF", "~!\"#$%&'()*+,-./", 0, ";<>?@[\\]^_`{}", "=0J"}};
    ASSERT_TRUE(core::WriteAccounts(controls, accounts_).ok());
    EXPECT_EQ(core::ReadAccounts(reread, accounts_).value, 1);
    EXPECT_EQ(reread, controls);
}

TEST_F(SmallFilesTest, AccountsFileRefusesTextThatCannotBeStoredAndKeepsTheOldFile) {
    const Accounts good = {{"admin", "secret", core::kFullAccess, "Pet?", "Rex"}};
    ASSERT_TRUE(core::WriteAccounts(good, accounts_).ok());
    const std::string before = ReadFileBytes(accounts_);
    // ":" would be stored as a line feed, "|" and the byte AC as the field separator.
    for (const std::string bad : {":", "|", "\xAC", "a:b", "end\xAC"}) {
        EXPECT_FALSE(core::IsStorableAccountText(bad));
        for (int field = 0; field < 4; ++field) {
            Accounts accounts = good;
            accounts.push_back({"second", "pw", core::kReadOnlyAccess, "q", "a"});
            std::string* fields[] = {&accounts[1].UserName, &accounts[1].Password,
                                     &accounts[1].HintQuestion, &accounts[1].HintAnswer};
            *fields[field] = bad;
            std::ostringstream out;
            EXPECT_EQ(core::WriteAccounts(accounts, out).value, -1);
            EXPECT_EQ(out.str(), "");
            const FileResult result = core::WriteAccounts(accounts, accounts_);
            EXPECT_EQ(result.path, accounts_) << "field " << field;
            EXPECT_FALSE(result.reason.empty());
        }
    }
    EXPECT_EQ(ReadFileBytes(accounts_), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
    EXPECT_TRUE(core::IsStorableAccountText("any other text 0=J;<"));
}

TEST_F(SmallFilesTest, AccountsFileReadsAtMostFiftyAccountsAndToleratesDamagedLines) {
    Accounts sixty;
    for (int i = 0; i < 60; ++i) sixty.push_back({"u" + std::to_string(i), "p", 1, "", ""});
    EXPECT_EQ(ReadBack(Written(sixty), 50).back().UserName, "u49");

    EXPECT_EQ(ReadBack("no separators at all", 1)[0].Password, "");
    ReadBack("\n\n\n", 0);
    ReadBack("||||||||||\n", 1);
    ReadBack(std::string(100000, 'x') + "|", 1);
    const Accounts missing_fields = ReadBack("\x01|\x01|\x02", 1);
    EXPECT_EQ(missing_fields[0].Level, 2);
    EXPECT_EQ(missing_fields[0].HintQuestion, "");
    const Accounts crlf = ReadBack("\x01|\x01|\x02|||\r\n\x02|\x02|\x01|||\r\n", 2);
    EXPECT_EQ(crlf[1], (UserAccount{"2", "2", 1, "", ""}));
}

TEST_F(SmallFilesTest, AccountsFileMissingOrFailingStreams) {
    Accounts accounts = {{"stale", "", 1, "", ""}};
    EXPECT_EQ(core::ReadAccounts(accounts, folder_ / "missing.rdka").value, -1);
    EXPECT_TRUE(accounts.empty());
    WriteFileBytes(accounts_, "");
    EXPECT_EQ(core::ReadAccounts(accounts, accounts_).value, 0);
    EXPECT_EQ(core::WriteAccounts(accounts, "").value, -1);

    FailingInput in("\x01|\x01|\x02|||\n");
    EXPECT_EQ(core::ReadAccounts(in, accounts).value, -1);
    std::ostream out(nullptr);  // a stream that takes nothing
    EXPECT_EQ(core::WriteAccounts({{"admin", "pw", 2, "", ""}}, out).value, -1);
}

}  // namespace
