// Where the program's files are, and the lists of recent databases and addresses kept there.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "temp_folder.h"

namespace {

using Entries = std::vector<std::string>;

TEST(ProgramPaths, TheShippedFilesAreFoundInTheProgramFolder) {
    const std::string data = REELDECK_SOURCE_DATA;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(data + "/");
    EXPECT_EQ(paths.folder, data);
    for (const std::string& file :
         {paths.config, paths.default_header, paths.tips, paths.service, paths.print_no_image,
          paths.flagged_mark, paths.viewed_mark, paths.help, paths.popup_help}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
    }
}

TEST(ProgramPaths, LocatesTheProgramFolderAndFillsTheUserDataFolderWithoutOverwriting) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "bin/cfg");
    std::filesystem::create_directories(folder / "share/reeldeck/cfg");
    WriteFileBytes(folder / "share/reeldeck/cfg/cfg.txt", "FIRST_START=1\n");
    config::ProgramFolderInputs inputs;
    inputs.exe_folder = folder / "bin";
    inputs.installed_data = folder / "share/reeldeck";
    inputs.home = folder / "home";

    EXPECT_EQ(config::LocateProgramFolder(inputs), folder / "home/.local/share/reeldeck");
    EXPECT_TRUE(std::filesystem::exists(folder / "home/.local/share/reeldeck/cfg/cfg.txt"));
    inputs.xdg_data_home = folder / "data";
    const std::string expected = folder / "data/reeldeck";
    EXPECT_EQ(config::LocateProgramFolder(inputs), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=1\n");
    // The user's own changes are never overwritten by a later start.
    WriteFileBytes(expected + "/cfg/cfg.txt", "FIRST_START=0\n");
    EXPECT_EQ(config::LocateProgramFolder(inputs), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=0\n");
    // A user folder left unfilled is filled without losing its files.
    inputs.xdg_data_home = folder / "other";
    WriteFileBytes(folder / "share/reeldeck/cfg/rfd.txt", "");
    std::filesystem::create_directories(folder / "other/reeldeck/cfg");
    WriteFileBytes(folder / "other/reeldeck/cfg/rfd.txt", "/mine.rdk\n");
    EXPECT_EQ(config::LocateProgramFolder(inputs), folder / "other/reeldeck");
    EXPECT_EQ(ReadFileBytes(folder / "other/reeldeck/cfg/cfg.txt"), "FIRST_START=1\n");
    EXPECT_EQ(ReadFileBytes(folder / "other/reeldeck/cfg/rfd.txt"), "/mine.rdk\n");

    // A portable install, then the environment variable, come first.
    WriteFileBytes(folder / "bin/cfg/cfg.txt", "");
    EXPECT_EQ(config::LocateProgramFolder(inputs), folder / "bin");
    inputs.reeldeck_home = "/somewhere/else";
    EXPECT_EQ(config::LocateProgramFolder(inputs), "/somewhere/else");
}

TEST(ProgramPaths, InstalledProgramsFindTheirPrefixsDataFolder) {
    for (const std::string prefix : {"/usr", "/usr/local", "/opt/reeldeck"}) {
        EXPECT_EQ(config::InstalledDataFolder(prefix + "/bin"), prefix + "/share/reeldeck");
        EXPECT_EQ(config::InstalledDataFolder(prefix + "/bin/"), prefix + "/share/reeldeck");
    }
}

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
