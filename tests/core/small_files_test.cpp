#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/database_files.h"
#include "core/image_path_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "failing_streams.h"
#include "recording_progress.h"
#include "temp_folder.h"

namespace {

using core::FileResult;

class SmallFilesTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    platform::NoProgress progress_;
};

// ---- Wanted file ----

TEST_F(SmallFilesTest, WantedFileHoldsOneTitlePerLineInListOrder) {
    core::WantedList wanted;
    for (const char* title : {"Vertigo", "alien", "Brazil"}) wanted.Add(title);
    const std::string path = folder_ / "films.rdkw";
    RecordingProgress saving;
    ASSERT_TRUE(core::WriteWanted(wanted, path, saving).ok());
    EXPECT_EQ(ReadFileBytes(path), "alien\nBrazil\nVertigo\n");
    EXPECT_TRUE(saving.Balanced());
    EXPECT_EQ(saving.Text(), "Saving " + path);
    EXPECT_EQ(saving.Range(), 3);
    EXPECT_EQ(saving.StepCount(), 3);

    core::WantedList reread;
    RecordingProgress reading;
    const FileResult result = core::ReadWanted(reread, path, false, reading);
    EXPECT_EQ(result.value, 3);
    EXPECT_EQ(reread.Titles(), wanted.Titles());
    EXPECT_TRUE(reading.Balanced());
    EXPECT_EQ(reading.Text(), "Reading " + path);
    EXPECT_EQ(reading.Range(), 3);
    EXPECT_EQ(reading.StepCount(), 3);

    ASSERT_TRUE(core::WriteWanted(core::WantedList(), path, progress_).ok());
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST_F(SmallFilesTest, WantedFileReadsIntoSortedPlaces) {
    const std::string path = folder_ / "films.rdkw";
    WriteFileBytes(path, "zorro\r\nThe Birds\r\n\r\nAlien\r\n\nheat");
    core::WantedList wanted;
    wanted.Add("Heat");
    EXPECT_EQ(core::ReadWanted(wanted, path, false, progress_).value, 4);
    EXPECT_EQ(wanted.Titles(),
              (std::vector<std::string>{"Alien", "Heat", "heat", "The Birds", "zorro"}));

    core::WantedList moved;
    EXPECT_EQ(core::ReadWanted(moved, path, true, progress_).value, 4);
    EXPECT_EQ(moved.Titles(), (std::vector<std::string>{"Alien", "Birds, The", "heat", "zorro"}));
}

TEST_F(SmallFilesTest, WantedFileMissingOrEmpty) {
    core::WantedList wanted;
    const FileResult missing = core::ReadWanted(wanted, folder_ / "missing.rdkw", false, progress_);
    EXPECT_EQ(missing.value, -1);
    EXPECT_EQ(missing.path, folder_ / "missing.rdkw");
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(core::ReadWanted(wanted, "", false, progress_).value, -1);

    WriteFileBytes(folder_ / "empty.rdkw", "");
    RecordingProgress reading;
    EXPECT_EQ(core::ReadWanted(wanted, folder_ / "empty.rdkw", false, reading).value, 0);
    EXPECT_EQ(wanted.Count(), 0);

    FailingInput in("a\nb\n");
    EXPECT_EQ(core::ReadWanted(in, wanted, false, progress_).value, -1);
    FullWriteBuffer full(3);
    std::ostream out(&full);
    wanted.Add("Longer than three");
    EXPECT_EQ(core::WriteWanted(wanted, out, progress_).value, -1);
}

// ---- Sort file ----

TEST_F(SmallFilesTest, SortFileHoldsTwoNumbersWithoutAFinalLineFeed) {
    const std::string path = folder_ / "films.rdks";
    ASSERT_TRUE(core::WriteSortState(core::SortState{}, path).ok());
    EXPECT_EQ(ReadFileBytes(path), "11\n1");
    ASSERT_TRUE(core::WriteSortState({3, 0}, path).ok());
    EXPECT_EQ(ReadFileBytes(path), "3\n0");
    ASSERT_TRUE(core::WriteSortState({-1, 12}, path).ok());
    EXPECT_EQ(ReadFileBytes(path), "-1\n12");

    core::SortState state{7, 7};
    ASSERT_TRUE(core::ReadSortState(state, path).ok());
    EXPECT_EQ(state, (core::SortState{-1, 12}));
}

TEST_F(SmallFilesTest, SortFileReading) {
    struct Case {
        std::string bytes;
        core::SortState expected;
    };
    const core::SortState start{5, 1};
    const Case cases[] = {
        {"3\n0", {3, 0}},     {"3\r\n0\r\n", {3, 0}}, {"3\n0\n99\n", {3, 0}},
        {"", start},          {"8", {8, 1}},          {"8\n", {8, 1}},
        {" 4 \n 0x", {4, 0}}, {"abc\ndef", {0, 0}},   {"22\n-1", {22, -1}},
    };
    for (const Case& c : cases) {
        const std::string path = folder_ / "films.rdks";
        WriteFileBytes(path, c.bytes);
        core::SortState state = start;
        EXPECT_TRUE(core::ReadSortState(state, path).ok()) << c.bytes;
        EXPECT_EQ(state, c.expected) << c.bytes;
    }

    core::SortState state = start;
    const FileResult missing = core::ReadSortState(state, folder_ / "missing.rdks");
    EXPECT_EQ(missing.value, -1);
    EXPECT_EQ(state, start);
    EXPECT_EQ(core::ReadSortState(state, "").value, -1);
    EXPECT_EQ(state, start);
}

// ---- Image path file ----

TEST_F(SmallFilesTest, ImagePathFileHoldsOneLineWithoutALineFeed) {
    const std::string path = folder_ / "films.rdki";
    const std::string images = "/home/ann/My Films/images \xE9t\xE9";
    ASSERT_TRUE(core::WriteImagePathFile(path, images).ok());
    EXPECT_EQ(ReadFileBytes(path), images);
    EXPECT_EQ(core::ReadImagePathFile(path), images);
    EXPECT_EQ(core::WriteImagePathFile("", images).value, -1);
}

TEST_F(SmallFilesTest, ImagePathFileReaderTakesTheLastLine) {
    struct Case {
        std::string bytes;
        std::string folder;
    };
    const Case cases[] = {
        {"/a/b", "/a/b"},
        {"/a/b\n", "/a/b"},
        {"/a/b\r\n", "/a/b"},
        {"/old\n/new", "/new"},
        {"/old\r\n/new\r\n", "/new"},
        {"", ""},
        {"\n", ""},
        {"/a\n\n", ""},
        {"C:\\Videos\\Films", "C:\\Videos\\Films"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(folder_ / "films.rdki", c.bytes);
        EXPECT_EQ(core::ReadImagePathFile(folder_ / "films.rdki"), c.folder) << c.bytes;
    }
    EXPECT_EQ(core::ReadImagePathFile(folder_ / "missing.rdki"), std::nullopt);
    EXPECT_EQ(core::ReadImagePathFile(""), std::nullopt);
}

// ---- Names and a new database ----

TEST(DatabaseNamesTest, CompanionsAppendALetterToTheMainFileName) {
    struct Case {
        std::string chosen;
        std::string main;
        std::string base;
    };
    const Case cases[] = {
        {"/v/films", "/v/films.rdk", "/v/films"},
        {"/v/films.rdk", "/v/films.rdk", "/v/films"},
        {"/v/films.RDK", "/v/films.RDK", "/v/films"},
        {"/v/films.txt", "/v/films.txt.rdk", "/v/films.txt"},
        {"/v.d/films", "/v.d/films.rdk", "/v.d/films"},
        {"C:\\V\\films", "C:\\V\\films.rdk", "C:\\V\\films"},
        {"/v/rdk", "/v/rdk.rdk", "/v/rdk"},
    };
    for (const Case& c : cases) {
        const core::DatabaseNames names = core::DatabaseNamesOf(c.chosen);
        EXPECT_EQ(names.main, c.main) << c.chosen;
        EXPECT_EQ(names.base, c.base) << c.chosen;
        EXPECT_EQ(names.accounts, c.main + "a");
        EXPECT_EQ(names.header, c.main + "h");
        EXPECT_EQ(names.images, c.main + "i");
        EXPECT_EQ(names.sort, c.main + "s");
        EXPECT_EQ(names.wanted, c.main + "w");
    }
}

TEST_F(SmallFilesTest, CreatingADatabaseMakesEveryFileButTheAccounts) {
    const std::string header = folder_ / "mlh.txt";
    WriteFileBytes(header, "Key\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n\n");
    WriteFileBytes(folder_ / "films.rdka", "\x01|");
    std::string main_path;
    ASSERT_TRUE(core::CreateDatabaseFiles(folder_ / "films", header, &main_path).ok());
    EXPECT_EQ(main_path, folder_ / "films.rdk");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdk"), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdkw"), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdks"), "11\n1");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdki"), folder_ / "films");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdkh"), ReadFileBytes(header));
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdka"), "\x01|");
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "films"));

    // Over an existing database: the files are replaced, the image folder kept.
    WriteFileBytes(folder_ / "films/1.jpg", "jpg");
    WriteFileBytes(folder_ / "films.rdk", "old records\n");
    ASSERT_TRUE(core::CreateDatabaseFiles(folder_ / "films.rdk", header, nullptr).ok());
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdk"), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "films/1.jpg"), "jpg");

    const FileResult no_header =
        core::CreateDatabaseFiles(folder_ / "other", folder_ / "none.txt", &main_path);
    EXPECT_EQ(no_header.value, -1);
    EXPECT_EQ(no_header.path, folder_ / "none.txt");
}

}  // namespace
