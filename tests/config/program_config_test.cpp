#include "config/program_config.h"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"

namespace {

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

// A file of one or more lines is read, and the configuration written again holds `line`.
struct ReadCase {
    const char* file;
    const char* line;
};

class ProgramConfigReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProgramConfigReading, GivesTheValue) {
    const std::string written = Write(Read(GetParam().file));
    EXPECT_NE(written.find(std::string("\n") + GetParam().line + "\n"), std::string::npos)
        << written;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProgramConfigReading,
    ::testing::Values(
        // A switch is on only when its value starts with 1.
        ReadCase{"VIDEO_PLAYER_LOOP=yes\n", "VIDEO_PLAYER_LOOP=0"},
        ReadCase{"VIDEO_PLAYER_LOOP= 1\n", "VIDEO_PLAYER_LOOP=0"},
        ReadCase{"VIDEO_PLAYER_LOOP=\n", "VIDEO_PLAYER_LOOP=0"},
        ReadCase{"AUTO_DELETE_IMAGES=10\n", "AUTO_DELETE_IMAGES=1"},
        // Numbers are read from their leading digits.
        ReadCase{"IMAGE_BROWSER_SPACE=7px\n", "IMAGE_BROWSER_SPACE=7"},
        ReadCase{"IMAGE_BROWSER_SPACE=\n", "IMAGE_BROWSER_SPACE=0"},
        ReadCase{"VIDEO_PLAYER_HEIGHT=abc\n", "VIDEO_PLAYER_HEIGHT=0"},
        ReadCase{"MAIN_WINDOW_GEOMETRY_X=-40\n", "MAIN_WINDOW_GEOMETRY_X=-40"},
        // Texts keep equals signs; carriage returns before line feeds are dropped.
        ReadCase{"VIDWIZ_SORTBY_VALUE=a=b\n", "VIDWIZ_SORTBY_VALUE=a=b"},
        ReadCase{"FIRST_START=0\r\nDEFAULT_HTML_LIST_OPTIONS_DATABASE=Red\r\n",
                 "DEFAULT_HTML_LIST_OPTIONS_DATABASE=Red"},
        ReadCase{"FIRST_START=0\r\n", "FIRST_START=0"},
        // Keys are recognised whole, in any order and section; a missing key keeps its value.
        ReadCase{"XFIRST_START=0\nIMAGE_BROWSER_SPACEX=5\n", "FIRST_START=1"},
        ReadCase{"[Miscellaneous]\nVIDWIZ_WINDOW_GEOMETRY_H=77\n", "VIDWIZ_WINDOW_GEOMETRY_H=77"},
        ReadCase{"FIRST_START=0\n", "IMAGE_BROWSER_SPACE=4"}));

TEST(ProgramConfigWriting, WritingThenReadingRestoresEveryValue) {
    const std::string changed = EveryValueChanged();
    EXPECT_NE(Read(changed), config::ProgramConfig{});
    EXPECT_EQ(Write(Read(changed)), changed);
    EXPECT_EQ(Read(Write(config::ProgramConfig{})), config::ProgramConfig{});
}

TEST(ProgramConfigWriting, UnknownKeysSurviveOnceAfterTheKnownSections) {
    config::ProgramConfig config =
        Read("NEW_FEATURE=3\n[Interface]\nTOOL_BAR_VISIBLE=0\nOTHER_SETTING=a=b\n");
    const std::string text = Write(config);
    EXPECT_TRUE(text.ends_with("[/Miscellaneous]\n\nNEW_FEATURE=3\nOTHER_SETTING=a=b\n"));
    EXPECT_EQ(Write(Read(text)), text);
}

TEST(ProgramConfigFiles, FileRoundTripAndFailuresNamingTheFile) {
    TempFolder folder;
    const config::ProgramConfig changed = Read(EveryValueChanged());
    config::ProgramConfig read;
    core::FileResult missing = config::ReadConfig(read, folder / "cfg.txt");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.path, folder / "cfg.txt");
    EXPECT_EQ(missing.reason, "No such file or directory");

    ASSERT_TRUE(config::WriteConfig(changed, folder / "cfg.txt").ok());
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(read, changed);
    core::FileResult failed = config::WriteConfig(changed, folder / "missing/cfg.txt");
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.path, folder / "missing/cfg.txt");
}

}  // namespace
