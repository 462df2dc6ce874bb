// The program's settings files, where the program's files are, and the lists kept there.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "config/service_config.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

const std::string kData = REELDECK_SOURCE_DATA;

// The shipped file holds every key, in the written order, with the shipped values.
const std::string kShipped = ReadFileBytes(kData + "/cfg/cfg.txt");

config::ProgramConfig Read(const std::string& text) {
    config::ProgramConfig config;
    std::istringstream in(text);
    EXPECT_TRUE(config::ReadConfig(in, config).ok());
    return config;
}

std::string Write(const config::ProgramConfig& config) {
    std::ostringstream out;
    EXPECT_TRUE(config::WriteConfig(config, out).ok());
    return out.str();
}

// The "KEY=" part of each key's line, in order.
std::vector<std::string> Keys(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.find('=') != std::string::npos) keys.push_back(line.substr(0, line.find('=') + 1));
    }
    return keys;
}

TEST(ProgramConfigBuiltIns, AnEmptyOrPartialFileGivesTheBuiltInValueOfEveryOtherKey) {
    const std::string built_in = Write(config::ProgramConfig{});
    EXPECT_EQ(Keys(built_in), Keys(kShipped));
    for (const char* line :
         {"\nKEEP_BACKUP=1\n", "\nFIRST_START=1\n", "\nVIDEO_PLAYER_HEIGHT=186\n",
          "\nVIDWIZ_RESULTS_LIST_COUNT=100\n", "\nREPLACE_WINDOW_VISIBLE=0\n"}) {
        EXPECT_NE(built_in.find(line), std::string::npos) << line;
    }
    TempFolder folder;
    WriteFileBytes(folder / "cfg.txt", "");
    config::ProgramConfig read;
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(Write(read), built_in);
    WriteFileBytes(folder / "cfg.txt", "FIRST_START=0\n");
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_FALSE(read.first_start);
    read.first_start = true;
    EXPECT_EQ(Write(read), built_in);

    // A missing file is an error naming it, and changes nothing.
    config::ProgramConfig untouched;
    const core::FileResult missing = config::ReadConfig(untouched, folder / "none/cfg.txt");
    EXPECT_EQ(missing.Describe(), folder / "none/cfg.txt: No such file or directory");
    EXPECT_EQ(Write(untouched), built_in);
}

// Each key reaches its own value: the shipped file, with one key's value changed, is written again
// as it is. The shipped file itself reads with no line left over.
TEST(ProgramConfigBuiltIns, EachKeyIsReadAndWrittenAsItself) {
    const config::ProgramConfig shipped = Read(kShipped);
    EXPECT_TRUE(shipped.unknown_lines.empty());
    EXPECT_EQ(Write(shipped), kShipped);
    for (const std::string& key : Keys(kShipped)) {
        const std::size_t at = kShipped.find("\n" + key) + 1 + key.size();
        const std::size_t end = kShipped.find('\n', at);
        const std::string old = kShipped.substr(at, end - at);
        const bool number =
            !old.empty() && old.find_first_not_of("-0123456789") == std::string::npos;
        const std::string value = old == "1" ? "0" : old == "0" ? "1" : number ? "77" : "Blue Sky";
        const std::string changed = kShipped.substr(0, at) + value + kShipped.substr(end);
        EXPECT_EQ(Write(Read(changed)), changed) << key;
    }
}

TEST(ProgramConfigReading, EachLineFollowsTheRulesOfItsKey) {
    // A file, and a line the configuration written again must hold.
    const std::pair<const char*, const char*> cases[] = {
        // A switch is on only when its value starts with 1.
        {"VIDEO_PLAYER_LOOP=yes\n", "VIDEO_PLAYER_LOOP=0"},
        {"VIDEO_PLAYER_LOOP= 1\n", "VIDEO_PLAYER_LOOP=0"},
        {"AUTO_DELETE_IMAGES=10\n", "AUTO_DELETE_IMAGES=1"},
        // Numbers are read from their leading digits; none is 0.
        {"IMAGE_BROWSER_SPACE=\n", "IMAGE_BROWSER_SPACE=0"},
        {"VIDEO_PLAYER_HEIGHT=7px\n", "VIDEO_PLAYER_HEIGHT=7"},
        {"MAIN_WINDOW_GEOMETRY_X=-40\n", "MAIN_WINDOW_GEOMETRY_X=-40"},
        // Texts keep equals signs; carriage returns before line feeds are dropped.
        {"VIDWIZ_SORTBY_VALUE=a=b\n", "VIDWIZ_SORTBY_VALUE=a=b"},
        {"FIRST_START=0\r\nDEFAULT_HTML_LIST_OPTIONS_DATABASE=Red\r\n",
         "DEFAULT_HTML_LIST_OPTIONS_DATABASE=Red"},
        // Keys are recognised whole, in any order and section.
        {"XFIRST_START=0\nIMAGE_BROWSER_SPACEX=5\n", "FIRST_START=1"},
        {"[Miscellaneous]\nVIDWIZ_WINDOW_GEOMETRY_H=77\n", "VIDWIZ_WINDOW_GEOMETRY_H=77"},
    };
    for (const auto& [file, line] : cases) {
        const std::string written = Write(Read(file));
        EXPECT_NE(written.find(std::string("\n") + line + "\n"), std::string::npos) << file;
    }
}

TEST(ProgramConfigWriting, UnknownKeysSurviveOnceAfterTheKnownSections) {
    config::ProgramConfig config =
        Read("NEW_FEATURE=3\n[Interface]\nTOOL_BAR_VISIBLE=0\nOTHER_SETTING=a=b\n");
    const std::string text = Write(config);
    EXPECT_TRUE(text.ends_with("[/Miscellaneous]\n\nNEW_FEATURE=3\nOTHER_SETTING=a=b\n"));
    EXPECT_EQ(Write(Read(text)), text);

    TempFolder folder;
    ASSERT_TRUE(config::WriteConfig(config, folder / "cfg.txt").ok());
    EXPECT_EQ(ReadFileBytes(folder / "cfg.txt"), text);
    EXPECT_EQ(config::WriteConfig(config, folder / "missing/cfg.txt").path,
              folder / "missing/cfg.txt");
}

TEST(ServiceConfig, ReadsTheAddressesAndHonoursTheOverrideEvenWithoutAFile) {
    TempFolder folder;
    WriteFileBytes(folder / "service.txt",
                   "[Reeldeck - Version 1.0 - Online Services]\r\n"
                   "BASE_URL=http://films.example/api/\r\n"
                   "IMAGE_BASE_URL=http://img.example/\n"
                   "PRODUCT_SITE_URL=https://reeldeck.example/\n"
                   "PRODUCT_SITE_NAME=Reeldeck Online\n");
    config::ServiceConfig service;
    ASSERT_TRUE(config::ReadServiceConfig(service, folder / "service.txt", "").ok());
    EXPECT_EQ(service.base_url, "http://films.example/api/");
    EXPECT_EQ(service.image_base_url, "http://img.example/");
    EXPECT_EQ(service.product_site_url, "https://reeldeck.example/");
    EXPECT_EQ(service.product_site_name, "Reeldeck Online");

    config::ServiceConfig overridden;
    config::ReadServiceConfig(overridden, folder / "service.txt", "http://127.0.0.1:4000/");
    EXPECT_EQ(overridden.base_url, "http://127.0.0.1:4000/");
    EXPECT_EQ(overridden.image_base_url, "http://img.example/");

    config::ServiceConfig missing;
    EXPECT_FALSE(config::ReadServiceConfig(missing, folder / "none.txt", "http://x/").ok());
    config::ServiceConfig moved;
    WriteFileBytes(folder / "own.txt", "BASE_URL=http://a:1/\nIMAGE_BASE_URL=http://a:1/images/\n");
    config::ReadServiceConfig(moved, folder / "own.txt", "http://b:2");
    EXPECT_EQ(moved.image_base_url, "http://b:2/images/");
    EXPECT_EQ(missing.base_url, "http://x/");

    // The shipped file holds every address.
    config::ServiceConfig shipped;
    ASSERT_TRUE(config::ReadServiceConfig(shipped, kData + "/cfg/service.txt", "").ok());
    for (const std::string* value : {&shipped.base_url, &shipped.image_base_url,
                                     &shipped.product_site_url, &shipped.product_site_name})
        EXPECT_FALSE(value->empty());
}

// The header shipped in the program folder, read by the same code as the user's files.
TEST(ShippedFiles, DefaultHeaderDescribesAll23ColumnsWithKeyFirst) {
    core::VideoList list;
    ASSERT_TRUE(core::ReadHeader(list, kData + "/cfg/mlh.txt").ok());
    ASSERT_EQ(list.ColumnCount(), 23);
    EXPECT_EQ(list.Column(0).Name, "Key");
    EXPECT_EQ(list.Column(11).Name, "Date Added");  // the sort column of a new database

    std::set<int> custom_slots;
    for (const core::VideoColumn& column : list.Columns()) {
        std::optional<int> built_in = core::BuiltInSlotOf(column.Name);
        EXPECT_EQ(column.Custom, !built_in) << column.Name;
        if (built_in) {
            EXPECT_EQ(*built_in, column.FileSlot) << column.Name;
        } else {
            EXPECT_LE(column.Name.size(), 14u);
            custom_slots.insert(column.FileSlot);
        }
    }
    EXPECT_EQ(custom_slots, (std::set<int>{6, 7, 8, 9, 10, 14, 15}));

    // Reading and writing it again changes nothing: the file is in the written layout.
    std::ostringstream out;
    core::WriteHeader(list, out);
    EXPECT_EQ(out.str(), ReadFileBytes(kData + "/cfg/mlh.txt"));
}

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
