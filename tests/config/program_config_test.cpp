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

// A configuration in which every value differs from its built-in value.
config::ProgramConfig EveryValueChanged() {
    config::ProgramConfig c;
    c.video_player_visible = false;
    c.video_details_visible = false;
    c.status_bar_visible = false;
    c.tool_bar_visible = false;
    c.wanted_videos_visible = false;
    c.search_window_visible = false;
    c.replace_window_visible = true;
    c.video_list_grid_visible = false;
    c.video_list_view_mode = true;
    c.start_program_maximized = false;
    c.main_window = {1, 2, 3, 4};
    c.video_details_docked = false;
    c.video_details_float = {5, 6, 7, 8};
    c.video_player_docked = false;
    c.video_player_float = {9, 10, 11, 12};
    c.wanted_videos_docked = false;
    c.wanted_videos_float = {13, 14, 15, 16};
    c.search_window_docked = false;
    c.search_window_float = {17, 18, 19, 20};
    c.replace_window_docked = false;
    c.replace_window_float = {21, 22, 23, 24};
    c.video_list_cycle_window = {-25, 26, 27, 28};
    c.vidwiz_window = {29, 30, 31, 32};
    c.video_player_height = 240;
    c.vidwiz_results_list_count = 30;
    c.vidwiz_sortby_value = "Year";
    c.vidwiz_column_value = "Title";
    c.vidwiz_search_match_case = true;
    c.video_player_loop = false;
    c.video_details_links_active = false;
    c.prompt_before_delete = false;
    c.close_on_add = false;
    c.auto_delete_images = true;
    c.auto_delete_wanted = true;
    c.video_list_rank_online = false;
    c.video_list_autosize_columns = true;
    c.window_auto_activate = false;
    c.default_html_list_options_database = "Blue Night";
    c.video_list_cycle_frequency = 30;
    c.ff2_import_images = false;
    c.rd_my_import_images = false;
    c.show_splash_at_startup = false;
    c.show_tips_at_startup = false;
    c.place_the_in_back = true;
    c.image_browser_wh_mode = "Large";
    c.image_browser_show_tip_info = false;
    c.image_browser_space = 12;
    c.ignore_ie_missing_warning = true;
    c.first_start = false;
    return c;
}

TEST(ProgramConfigReading, MissingKeysKeepTheirBuiltInValues) {
    config::ProgramConfig config = Read("FIRST_START=0\n");
    config::ProgramConfig expected;
    expected.first_start = false;
    EXPECT_EQ(config, expected);
}

TEST(ProgramConfigReading, SwitchIsOnOnlyWhenItsValueStartsWithOne) {
    EXPECT_FALSE(Read("VIDEO_PLAYER_LOOP=yes\n").video_player_loop);
    EXPECT_TRUE(Read("VIDEO_PLAYER_LOOP=1\n").video_player_loop);
    EXPECT_TRUE(Read("VIDEO_PLAYER_LOOP=10\n").video_player_loop);
    EXPECT_FALSE(Read("VIDEO_PLAYER_LOOP=\n").video_player_loop);
    EXPECT_FALSE(Read("VIDEO_PLAYER_LOOP= 1\n").video_player_loop);
}

TEST(ProgramConfigReading, NumbersAreReadFromTheirLeadingDigits) {
    EXPECT_EQ(Read("IMAGE_BROWSER_SPACE=12\n").image_browser_space, 12);
    EXPECT_EQ(Read("IMAGE_BROWSER_SPACE=\n").image_browser_space, 0);
    EXPECT_EQ(Read("IMAGE_BROWSER_SPACE=7px\n").image_browser_space, 7);
    EXPECT_EQ(Read("MAIN_WINDOW_GEOMETRY_X=-40\n").main_window.x, -40);
    EXPECT_EQ(Read("VIDEO_PLAYER_HEIGHT=abc\n").video_player_height, 0);
}

TEST(ProgramConfigReading, KeysAreRecognisedWholeInAnyOrderAndSection) {
    config::ProgramConfig config = Read(
        "[Miscellaneous]\nIMAGE_BROWSER_SPACE=9\n[Interface]\nVIDWIZ_WINDOW_GEOMETRY_H=77\n"
        "IMAGE_BROWSER_SPACEX=5\nXFIRST_START=0\n");
    EXPECT_EQ(config.image_browser_space, 9);
    EXPECT_EQ(config.vidwiz_window.h, 77);
    EXPECT_TRUE(config.first_start);
}

TEST(ProgramConfigReading, CarriageReturnsBeforeLineFeedsAreIgnored) {
    config::ProgramConfig config = Read("FIRST_START=0\r\nDEFAULT_HTML_LIST_OPTIONS_DATABASE=Red\r\n");
    EXPECT_FALSE(config.first_start);
    EXPECT_EQ(config.default_html_list_options_database, "Red");
}

TEST(ProgramConfigReading, TextValuesKeepEqualsSigns) {
    EXPECT_EQ(Read("VIDWIZ_SORTBY_VALUE=a=b\n").vidwiz_sortby_value, "a=b");
}

TEST(ProgramConfigWriting, LayoutHasTitleLinesAndThreeSectionsInOrder) {
    const std::string text = Write(config::ProgramConfig{});
    EXPECT_EQ(text.rfind("[Reeldeck - Version 1.0 - Program Configuration Settings]\n"
                         "[WARNING - Do not modify this file!]\n\n[Interface]\n"
                         "VIDEO_PLAYER_VISIBLE=1\nVIDEO_DETAILS_VISIBLE=1\n",
                         0),
              0u);
    const auto interface_end = text.find("[/Interface]\n\n[Video Wizard]\n");
    const auto wizard_end = text.find("[/Video Wizard]\n\n[Miscellaneous]\n");
    ASSERT_NE(interface_end, std::string::npos);
    ASSERT_NE(wizard_end, std::string::npos);
    EXPECT_LT(interface_end, wizard_end);
    EXPECT_TRUE(text.ends_with("IGNORE_IE_MISSING_WARNING=0\nFIRST_START=1\n[/Miscellaneous]\n"));
    EXPECT_NE(text.find("MAIN_WINDOW_GEOMETRY_X=0\nMAIN_WINDOW_GEOMETRY_Y=0\n"
                        "MAIN_WINDOW_GEOMETRY_W=0\nMAIN_WINDOW_GEOMETRY_H=0\n"),
              std::string::npos);
    EXPECT_NE(text.find("VIDEO_PLAYER_HEIGHT=186\n[/Interface]"), std::string::npos);
    EXPECT_NE(text.find("[Video Wizard]\nVIDWIZ_RESULTS_LIST_COUNT=100\nVIDWIZ_SORTBY_VALUE=\n"),
              std::string::npos);
}

TEST(ProgramConfigWriting, WritingThenReadingRestoresEveryValue) {
    const config::ProgramConfig changed = EveryValueChanged();
    EXPECT_EQ(Read(Write(changed)), changed);
    EXPECT_EQ(Read(Write(config::ProgramConfig{})), config::ProgramConfig{});
}

TEST(ProgramConfigWriting, UnknownKeysSurviveAfterTheKnownSections) {
    config::ProgramConfig config =
        Read("NEW_FEATURE=3\n[Interface]\nTOOL_BAR_VISIBLE=0\nOTHER_SETTING=a=b\n");
    EXPECT_EQ(config.unknown_lines, (std::vector<std::string>{"NEW_FEATURE=3", "OTHER_SETTING=a=b"}));
    const std::string text = Write(config);
    EXPECT_TRUE(text.ends_with("[/Miscellaneous]\n\nNEW_FEATURE=3\nOTHER_SETTING=a=b\n"));
    // Reading the written file again keeps them once, not twice.
    EXPECT_EQ(Read(text).unknown_lines, config.unknown_lines);
    EXPECT_EQ(Write(Read(text)), text);
}

TEST(ProgramConfigFiles, MissingFileIsReportedWithItsPath) {
    TempFolder folder;
    config::ProgramConfig config;
    core::FileResult result = config::ReadConfig(config, folder / "cfg.txt");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.path, folder / "cfg.txt");
    EXPECT_EQ(result.reason, "No such file or directory");
}

TEST(ProgramConfigFiles, FileRoundTripAndUnwritableFolder) {
    TempFolder folder;
    const config::ProgramConfig changed = EveryValueChanged();
    ASSERT_TRUE(config::WriteConfig(changed, folder / "cfg.txt").ok());
    config::ProgramConfig read;
    ASSERT_TRUE(config::ReadConfig(read, folder / "cfg.txt").ok());
    EXPECT_EQ(read, changed);

    core::FileResult failed = config::WriteConfig(changed, folder / "missing/cfg.txt");
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.path, folder / "missing/cfg.txt");
}

}  // namespace
