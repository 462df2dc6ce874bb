#include "config/recent_databases.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using Entries = std::vector<std::string>;

TEST(RecentDatabasesTest, KeepsTheLastFourEachOnceNewestLast) {
    config::RecentDatabases recent;
    for (const char* path : {"/1.rdk", "/2.rdk", "/1.rdk"}) recent.Add(path);
    EXPECT_EQ(recent.Entries(), (Entries{"/2.rdk", "/1.rdk"}));
    EXPECT_EQ(recent.NewestFirst(), (Entries{"/1.rdk", "/2.rdk"}));
    for (const char* path : {"/3.rdk", "/4.rdk", "/5.rdk"}) recent.Add(path);
    EXPECT_EQ(recent.Entries(), (Entries{"/1.rdk", "/3.rdk", "/4.rdk", "/5.rdk"}));
    recent.Add("/3.rdk");  // reopening an entry of a full list moves it to the end
    EXPECT_EQ(recent.Entries(), (Entries{"/1.rdk", "/4.rdk", "/5.rdk", "/3.rdk"}));
    recent.Add("/5.RDK");  // paths differing in case are different entries
    EXPECT_EQ(recent.Entries(), (Entries{"/4.rdk", "/5.rdk", "/3.rdk", "/5.RDK"}));
}

TEST(RecentDatabasesTest, SavingDropsEntriesWhoseFileIsGoneAndLoadingReadsAtMostFour) {
    TempFolder folder;
    config::RecentDatabases recent;
    WriteFileBytes(folder / "kept.rdk", "");
    recent.Add(folder / "kept.rdk");
    recent.Add(folder / "deleted.rdk");
    ASSERT_TRUE(recent.Save(folder / "rfd.txt").ok());
    EXPECT_EQ(ReadFileBytes(folder / "rfd.txt"), (folder / "kept.rdk") + "\n");

    WriteFileBytes(folder / "rfd.txt", "/1\n/2\r\n/3\n/4\n/5\n");
    EXPECT_TRUE(recent.Load(folder / "rfd.txt"));
    EXPECT_EQ(recent.Entries(), (Entries{"/1", "/2", "/3", "/4"}));
    EXPECT_FALSE(recent.Load(folder / "missing.txt"));
    EXPECT_TRUE(recent.Entries().empty());
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
