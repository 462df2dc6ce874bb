#include "config/program_config.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "config/service_config.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

const std::string kData = REELDECK_SOURCE_DATA;

// The rows of the three sections with the value in force when a file lacks the key, in the order
// of the written file. A row ending in "_" stands for its four keys "X=", "Y=", "W=" and "H=".
using Rows = std::vector<std::pair<std::string, std::string>>;

const Rows kInterface = {
    {"VIDEO_PLAYER_VISIBLE=", "1"},     {"VIDEO_DETAILS_VISIBLE=", "1"},
    {"STATUS_BAR_VISIBLE=", "1"},       {"TOOL_BAR_VISIBLE=", "1"},
    {"WANTED_VIDEOS_VISIBLE=", "1"},    {"SEARCH_WINDOW_VISIBLE=", "1"},
    {"REPLACE_WINDOW_VISIBLE=", "0"},   {"VIDEO_LIST_GRID_VISIBLE=", "1"},
    {"VIDEO_LIST_VIEW_MODE=", "0"},     {"START_PROGRAM_MAXIMIZED=", "1"},
    {"MAIN_WINDOW_GEOMETRY_", "0"},     {"VIDEO_DETAILS_DOCKED_STATE=", "1"},
    {"VD_FLOAT_WINDOW_GEOMETRY_", "0"}, {"VIDEO_PLAYER_DOCKED_STATE=", "1"},
    {"VP_FLOAT_WINDOW_GEOMETRY_", "0"}, {"WANTED_VIDEOS_DOCKED_STATE=", "1"},
    {"WV_FLOAT_WINDOW_GEOMETRY_", "0"}, {"SEARCH_WINDOW_DOCKED_STATE=", "1"},
    {"SW_FLOAT_WINDOW_GEOMETRY_", "0"}, {"REPLACE_WINDOW_DOCKED_STATE=", "1"},
    {"RW_FLOAT_WINDOW_GEOMETRY_", "0"}, {"VIDEO_LIST_CYCLE_WINDOW_GEOMETRY_", "0"},
    {"VIDWIZ_WINDOW_GEOMETRY_", "0"},   {"VIDEO_PLAYER_HEIGHT=", "186"},
};

const Rows kVideoWizard = {
    {"VIDWIZ_RESULTS_LIST_COUNT=", "100"},
    {"VIDWIZ_SORTBY_VALUE=", ""},
    {"VIDWIZ_COLUMN_VALUE=", ""},
    {"VIDWIZ_SEARCH_MATCH_CASE=", "0"},
};

const Rows kMiscellaneous = {
    {"VIDEO_PLAYER_LOOP=", "1"},
    {"VIDEO_DETAILS_LINKS_ACTIVE=", "1"},
    {"PROMPT_BEFORE_DELETE=", "1"},
    {"CLOSE_ON_ADD=", "1"},
    {"AUTO_DELETE_IMAGES=", "0"},
    {"AUTO_DELETE_WANTED=", "0"},
    {"VIDEO_LIST_RANK_ONLINE=", "1"},
    {"VIDEO_LIST_AUTOSIZE_COLUMNS=", "0"},
    {"WINDOW_AUTO_ACTIVATE=", "1"},
    {"DEFAULT_HTML_LIST_OPTIONS_DATABASE=", ""},
    {"VIDEO_LIST_CYCLE_FREQUENCY=", "1000"},
    {"FF2_IMPORT_IMAGES_VARIABLE=", "1"},
    {"RD_MY_IMPORT_IMAGES_VARIABLE=", "1"},
    {"SHOW_SPLASH_AT_STARTUP=", "1"},
    {"SHOW_TIPS_AT_STARTUP=", "1"},
    {"PLACE_THE_IN_BACK=", "0"},
    {"KEEP_BACKUP=", "1"},
    {"IMAGE_BROWSER_WH_MODE=", ""},
    {"IMAGE_BROWSER_SHOW_TIP_INFO=", "1"},
    {"IMAGE_BROWSER_SPACE=", "4"},
    {"IGNORE_IE_MISSING_WARNING=", "0"},
    {"FIRST_START=", "1"},
};

// The keys of a section's rows, each with its built-in value.
Rows KeysOf(const Rows& rows) {
    Rows keys;
    for (const auto& [key, value] : rows) {
        if (!key.ends_with('_')) {
            keys.emplace_back(key, value);
            continue;
        }
        for (const char* part : {"X=", "Y=", "W=", "H="}) keys.emplace_back(key + part, value);
    }
    return keys;
}

// The file of the built-in values, with `changed_key` (if any) holding `changed_value`.
std::string BuiltInFile(const std::string& changed_key = "",
                        const std::string& changed_value = "") {
    std::string text =
        "[Reeldeck - Version 1.0 - Program Configuration Settings]\n"
        "[WARNING - Do not modify this file!]\n";
    const std::pair<std::string, const Rows*> sections[] = {{"Interface", &kInterface},
                                                            {"Video Wizard", &kVideoWizard},
                                                            {"Miscellaneous", &kMiscellaneous}};
    for (const auto& [name, rows] : sections) {
        text += "\n[" + name + "]\n";
        for (const auto& [key, value] : KeysOf(*rows)) {
            text += key + (key == changed_key ? changed_value : value) + "\n";
        }
        text += "[/" + name + "]\n";
    }
    return text;
}

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

TEST(ProgramConfigBuiltIns, AnEmptyOrPartialFileGivesTheBuiltInValueOfEveryOtherKey) {
    EXPECT_EQ(Write(config::ProgramConfig{}), BuiltInFile());
    TempFolder folder;
    WriteFileBytes(folder / "cfg.txt", "");
    config::ProgramConfig read;
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(Write(read), BuiltInFile());
    WriteFileBytes(folder / "cfg.txt", "FIRST_START=0\n");
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(Write(read), BuiltInFile("FIRST_START=", "0"));

    // A missing file is an error naming it, and changes nothing.
    config::ProgramConfig untouched;
    const core::FileResult missing = config::ReadConfig(untouched, folder / "none/cfg.txt");
    EXPECT_EQ(missing.Describe(), folder / "none/cfg.txt: No such file or directory");
    EXPECT_EQ(Write(untouched), BuiltInFile());
}

// Each key reaches its own value: a file that changes one key changes only that key's line.
TEST(ProgramConfigBuiltIns, EachKeyIsReadAndWrittenAsItself) {
    for (const Rows* rows : {&kInterface, &kVideoWizard, &kMiscellaneous}) {
        for (const auto& [key, built_in] : KeysOf(*rows)) {
            const std::string value = built_in == "1"   ? "0"
                                      : built_in == "0" ? "1"
                                      : built_in == ""  ? "Blue Sky"
                                                        : "77";
            const std::string written = Write(Read(key + value + "\n"));
            EXPECT_EQ(written, BuiltInFile(key, value)) << key;
            EXPECT_EQ(Write(Read(written)), written) << key;
        }
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
}

// ---- The files shipped in the program folder, read by the same code as the user's files ----

TEST(ShippedFiles, ConfigurationAndServiceFilesHoldEveryKey) {
    const std::string text = ReadFileBytes(kData + "/cfg/cfg.txt");
    const config::ProgramConfig config = Read(text);
    EXPECT_TRUE(config.unknown_lines.empty());
    EXPECT_TRUE(config.first_start);
    EXPECT_EQ(Write(config), text);

    config::ServiceConfig shipped;
    ASSERT_TRUE(config::ReadServiceConfig(shipped, kData + "/cfg/service.txt", "").ok());
    for (const std::string* value : {&shipped.base_url, &shipped.image_base_url,
                                     &shipped.product_site_url, &shipped.product_site_name}) {
        EXPECT_FALSE(value->empty());
    }
}

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

}  // namespace
