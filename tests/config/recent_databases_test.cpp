#include "config/recent_databases.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using Entries = std::vector<std::string>;

class RecentDatabasesTest : public ::testing::Test {
protected:
    // Creates a database file so that saving keeps its entry.
    std::string Database(const std::string& name) {
        const std::string path = folder_ / name;
        WriteFileBytes(path, "");
        return path;
    }

    TempFolder folder_;
    config::RecentDatabases recent_;
};

TEST_F(RecentDatabasesTest, OpeningTheSameDatabaseTwiceKeepsItOnceAtTheEnd) {
    recent_.Add("/a.rdk");
    recent_.Add("/b.rdk");
    recent_.Add("/a.rdk");
    EXPECT_EQ(recent_.Entries(), (Entries{"/b.rdk", "/a.rdk"}));
    EXPECT_EQ(recent_.NewestFirst(), (Entries{"/a.rdk", "/b.rdk"}));
}

TEST_F(RecentDatabasesTest, FiveDatabasesKeepTheLastFour) {
    for (const char* path : {"/1.rdk", "/2.rdk", "/3.rdk", "/4.rdk", "/5.rdk"}) recent_.Add(path);
    EXPECT_EQ(recent_.Entries(), (Entries{"/2.rdk", "/3.rdk", "/4.rdk", "/5.rdk"}));
}

TEST_F(RecentDatabasesTest, ReopeningAnEntryOfAFullListMovesItToTheEnd) {
    for (const char* path : {"/1.rdk", "/2.rdk", "/3.rdk", "/4.rdk", "/2.rdk"}) recent_.Add(path);
    EXPECT_EQ(recent_.Entries(), (Entries{"/1.rdk", "/3.rdk", "/4.rdk", "/2.rdk"}));
}

TEST_F(RecentDatabasesTest, PathsDifferingInCaseAreDifferentEntries) {
    recent_.Add("/Films.rdk");
    recent_.Add("/films.rdk");
    EXPECT_EQ(recent_.Entries().size(), 2u);
}

TEST_F(RecentDatabasesTest, SavingDropsEntriesWhoseFileIsGone) {
    const std::string kept = Database("kept.rdk");
    recent_.Add(kept);
    recent_.Add(folder_ / "deleted.rdk");
    ASSERT_TRUE(recent_.Save(folder_ / "rfd.txt").ok());
    EXPECT_EQ(ReadFileBytes(folder_ / "rfd.txt"), kept + "\n");

    config::RecentDatabases loaded;
    EXPECT_TRUE(loaded.Load(folder_ / "rfd.txt"));
    EXPECT_EQ(loaded.Entries(), (Entries{kept}));
}

TEST_F(RecentDatabasesTest, LoadingReadsAtMostFourLines) {
    WriteFileBytes(folder_ / "rfd.txt", "/1\n/2\r\n/3\n/4\n/5\n");
    EXPECT_TRUE(recent_.Load(folder_ / "rfd.txt"));
    EXPECT_EQ(recent_.Entries(), (Entries{"/1", "/2", "/3", "/4"}));
}

TEST_F(RecentDatabasesTest, MissingFileGivesAnEmptyList) {
    recent_.Add("/stale.rdk");
    EXPECT_FALSE(recent_.Load(folder_ / "rfd.txt"));
    EXPECT_TRUE(recent_.Entries().empty());
}

TEST(History, LoadAppendsLinesAndSaveWritesThemBack) {
    TempFolder folder;
    Entries choices{"first"};
    config::LoadHistory(choices, folder / "missing.txt");
    EXPECT_EQ(choices, (Entries{"first"}));

    const std::string long_entry(60000, 'x');
    ASSERT_TRUE(config::SaveHistory({"http://a/list.html", long_entry, ""}, folder / "h.txt").ok());
    EXPECT_EQ(ReadFileBytes(folder / "h.txt"), "http://a/list.html\n" + long_entry + "\n\n");
    config::LoadHistory(choices, folder / "h.txt");
    EXPECT_EQ(choices, (Entries{"first", "http://a/list.html", long_entry, ""}));
}

}  // namespace
