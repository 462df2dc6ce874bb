#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/safe_file.h"

// The program-wide options, kept in cfg/cfg.txt. Every member holds its built-in value, the one
// in force when the file lacks the key.
namespace config {

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const WindowGeometry&) const = default;
};

struct ProgramConfig {
    // Interface
    bool video_player_visible = true;
    bool video_details_visible = true;
    bool status_bar_visible = true;
    bool tool_bar_visible = true;
    bool wanted_videos_visible = true;
    bool search_window_visible = true;
    bool replace_window_visible = false;
    bool video_list_grid_visible = true;
    bool video_list_view_mode = false;  // false list view, true image view
    bool start_program_maximized = true;
    WindowGeometry main_window;
    bool video_details_docked = true;
    WindowGeometry video_details_float;
    bool video_player_docked = true;
    WindowGeometry video_player_float;
    bool wanted_videos_docked = true;
    WindowGeometry wanted_videos_float;
    bool search_window_docked = true;
    WindowGeometry search_window_float;
    bool replace_window_docked = true;
    WindowGeometry replace_window_float;
    WindowGeometry video_list_cycle_window;
    WindowGeometry vidwiz_window;
    int video_player_height = 186;

    // Video Wizard
    int vidwiz_results_list_count = 100;
    std::string vidwiz_sortby_value;
    std::string vidwiz_column_value;
    bool vidwiz_search_match_case = false;

    // Miscellaneous
    bool video_player_loop = true;
    bool video_details_links_active = true;
    bool prompt_before_delete = true;
    bool close_on_add = true;
    bool auto_delete_images = false;
    bool auto_delete_wanted = false;
    bool video_list_rank_online = true;
    bool video_list_autosize_columns = false;
    bool window_auto_activate = true;
    std::string default_html_list_options_database;  // empty: the shipped "Default" theme
    int video_list_cycle_frequency = 1000;
    bool ff2_import_images = true;
    bool rd_my_import_images = true;
    bool show_splash_at_startup = true;
    bool show_tips_at_startup = true;
    bool place_the_in_back = false;
    bool keep_backup = true;  // a save keeps the database's previous files as its backup
    std::string image_browser_wh_mode;
    bool image_browser_show_tip_info = true;
    int image_browser_space = 4;
    bool ignore_ie_missing_warning = false;
    bool first_start = true;

    // Lines of keys this version does not know, kept in their order so that a write keeps them.
    std::vector<std::string> unknown_lines;

    bool operator==(const ProgramConfig&) const = default;
};

// Reads KEY=value lines into `config`; keys may come in any order or be missing. A switch is on
// when the first character of its value is "1"; a number is read as its leading digits.
core::FileResult ReadConfig(std::istream& in, ProgramConfig& config);
core::FileResult ReadConfig(ProgramConfig& config, const std::string& path);

// Writes the title lines and the three sections, then the unknown keys.
core::FileResult WriteConfig(const ProgramConfig& config, std::ostream& out);
core::FileResult WriteConfig(const ProgramConfig& config, const std::string& path,
                             core::FileSystemCalls& calls = core::FileSystemCalls::System());

}  // namespace config
