#include "config/program_config.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "config/service_config.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

const std::string kData = REELDECK_SOURCE_DATA;

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

// The written built-in configuration with every value changed: switches flipped, numbers grown
// and texts lengthened.
std::string EveryValueChanged() {
    std::istringstream lines(Write(config::ProgramConfig{}));
    std::string text;
    for (std::string line; std::getline(lines, line); text += line + "\n") {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string value = line.substr(equals + 1);
        line.resize(equals + 1);
        if (value == "0" || value == "1") {
            line += value == "0" ? "1" : "0";
        } else if (!value.empty() && std::isdigit(static_cast<unsigned char>(value[0]))) {
            line += std::to_string(std::stoi(value) + 7);
        } else {
            line += value + "text";
        }
    }
    return text;
}

TEST(ProgramConfigReading, EachLineFollowsTheRulesOfItsKey) {
    // A file, and a line the configuration written again must hold.
    const std::pair<const char*, const char*> cases[] = {
        // A switch is on only when its value starts with 1.
        {"VIDEO_PLAYER_LOOP= 1\n", "VIDEO_PLAYER_LOOP=0"},
        {"VIDEO_PLAYER_LOOP=\n", "VIDEO_PLAYER_LOOP=0"},
        {"AUTO_DELETE_IMAGES=10\n", "AUTO_DELETE_IMAGES=1"},
        // Numbers are read from their leading digits.
        {"IMAGE_BROWSER_SPACE=7px\n", "IMAGE_BROWSER_SPACE=7"},
        {"VIDEO_PLAYER_HEIGHT=abc\n", "VIDEO_PLAYER_HEIGHT=0"},
        {"MAIN_WINDOW_GEOMETRY_X=-40\n", "MAIN_WINDOW_GEOMETRY_X=-40"},
        // Texts keep equals signs; carriage returns before line feeds are dropped.
        {"VIDWIZ_SORTBY_VALUE=a=b\n", "VIDWIZ_SORTBY_VALUE=a=b"},
        {"FIRST_START=0\r\nDEFAULT_HTML_LIST_OPTIONS_DATABASE=Red\r\n",
         "DEFAULT_HTML_LIST_OPTIONS_DATABASE=Red"},
        // Keys are recognised whole, in any order and section; a missing key keeps its value.
        {"XFIRST_START=0\nIMAGE_BROWSER_SPACEX=5\n", "FIRST_START=1"},
        {"[Miscellaneous]\nVIDWIZ_WINDOW_GEOMETRY_H=77\n", "VIDWIZ_WINDOW_GEOMETRY_H=77"},
        {"FIRST_START=0\n", "IMAGE_BROWSER_SPACE=4"},
    };
    for (const auto& [file, line] : cases) {
        const std::string written = Write(Read(file));
        EXPECT_NE(written.find(std::string("\n") + line + "\n"), std::string::npos) << written;
    }
}

TEST(ProgramConfigWriting, UnknownKeysSurviveOnceAfterTheKnownSections) {
    config::ProgramConfig config =
        Read("NEW_FEATURE=3\n[Interface]\nTOOL_BAR_VISIBLE=0\nOTHER_SETTING=a=b\n");
    const std::string text = Write(config);
    EXPECT_TRUE(text.ends_with("[/Miscellaneous]\n\nNEW_FEATURE=3\nOTHER_SETTING=a=b\n"));
    EXPECT_EQ(Write(Read(text)), text);
}

TEST(ProgramConfigWriting, WritingThenReadingRestoresEveryValue) {
    const std::string changed = EveryValueChanged();
    EXPECT_NE(Read(changed), config::ProgramConfig{});
    EXPECT_EQ(Write(Read(changed)), changed);
    EXPECT_EQ(Read(Write(config::ProgramConfig{})), config::ProgramConfig{});

    // Through a file; failures name the file.
    TempFolder folder;
    config::ProgramConfig read;
    const core::FileResult missing = config::ReadConfig(read, folder / "cfg.txt");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.Describe(), folder / "cfg.txt: No such file or directory");
    ASSERT_TRUE(config::WriteConfig(Read(changed), folder / "cfg.txt").ok());
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(read, Read(changed));
    const core::FileResult failed = config::WriteConfig(read, folder / "missing/cfg.txt");
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.path, folder / "missing/cfg.txt");
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
    EXPECT_EQ(missing.base_url, "http://x/");

    // The shipped file is read by the same code and names every address.
    config::ServiceConfig shipped;
    ASSERT_TRUE(config::ReadServiceConfig(shipped, kData + "/cfg/service.txt", "").ok());
    for (const std::string* value : {&shipped.base_url, &shipped.image_base_url,
                                     &shipped.product_site_url, &shipped.product_site_name}) {
        EXPECT_FALSE(value->empty());
    }
}

// ---- The files shipped in the program folder, read by the same code as the user's files ----

TEST(ShippedFiles, ConfigurationHoldsEveryKeyInTheWrittenLayout) {
    const std::string text = ReadFileBytes(kData + "/cfg/cfg.txt");
    const config::ProgramConfig config = Read(text);
    EXPECT_TRUE(config.unknown_lines.empty());
    EXPECT_TRUE(config.first_start);
    EXPECT_EQ(Write(config), text);
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
