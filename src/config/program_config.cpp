#include "config/program_config.h"

#include <cerrno>
#include <variant>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace config {
namespace {

enum class Section { kInterface, kVideoWizard, kMiscellaneous };

using Field = std::variant<bool ProgramConfig::*, int ProgramConfig::*,
                           std::string ProgramConfig::*, WindowGeometry ProgramConfig::*>;

struct Key {
    const char* text;  // up to and including "="; a geometry key's prefix before "X="
    Section section;
    Field field;
};

using C = ProgramConfig;
const Key kKeys[] = {
    {"VIDEO_PLAYER_VISIBLE=", Section::kInterface, &C::video_player_visible},
    {"VIDEO_DETAILS_VISIBLE=", Section::kInterface, &C::video_details_visible},
    {"STATUS_BAR_VISIBLE=", Section::kInterface, &C::status_bar_visible},
    {"TOOL_BAR_VISIBLE=", Section::kInterface, &C::tool_bar_visible},
    {"WANTED_VIDEOS_VISIBLE=", Section::kInterface, &C::wanted_videos_visible},
    {"SEARCH_WINDOW_VISIBLE=", Section::kInterface, &C::search_window_visible},
    {"REPLACE_WINDOW_VISIBLE=", Section::kInterface, &C::replace_window_visible},
    {"VIDEO_LIST_GRID_VISIBLE=", Section::kInterface, &C::video_list_grid_visible},
    {"VIDEO_LIST_VIEW_MODE=", Section::kInterface, &C::video_list_view_mode},
    {"START_PROGRAM_MAXIMIZED=", Section::kInterface, &C::start_program_maximized},
    {"MAIN_WINDOW_GEOMETRY_", Section::kInterface, &C::main_window},
    {"VIDEO_DETAILS_DOCKED_STATE=", Section::kInterface, &C::video_details_docked},
    {"VD_FLOAT_WINDOW_GEOMETRY_", Section::kInterface, &C::video_details_float},
    {"VIDEO_PLAYER_DOCKED_STATE=", Section::kInterface, &C::video_player_docked},
    {"VP_FLOAT_WINDOW_GEOMETRY_", Section::kInterface, &C::video_player_float},
    {"WANTED_VIDEOS_DOCKED_STATE=", Section::kInterface, &C::wanted_videos_docked},
    {"WV_FLOAT_WINDOW_GEOMETRY_", Section::kInterface, &C::wanted_videos_float},
    {"SEARCH_WINDOW_DOCKED_STATE=", Section::kInterface, &C::search_window_docked},
    {"SW_FLOAT_WINDOW_GEOMETRY_", Section::kInterface, &C::search_window_float},
    {"REPLACE_WINDOW_DOCKED_STATE=", Section::kInterface, &C::replace_window_docked},
    {"RW_FLOAT_WINDOW_GEOMETRY_", Section::kInterface, &C::replace_window_float},
    {"VIDEO_LIST_CYCLE_WINDOW_GEOMETRY_", Section::kInterface, &C::video_list_cycle_window},
    {"VIDWIZ_WINDOW_GEOMETRY_", Section::kInterface, &C::vidwiz_window},
    {"VIDEO_PLAYER_HEIGHT=", Section::kInterface, &C::video_player_height},

    {"VIDWIZ_RESULTS_LIST_COUNT=", Section::kVideoWizard, &C::vidwiz_results_list_count},
    {"VIDWIZ_SORTBY_VALUE=", Section::kVideoWizard, &C::vidwiz_sortby_value},
    {"VIDWIZ_COLUMN_VALUE=", Section::kVideoWizard, &C::vidwiz_column_value},
    {"VIDWIZ_SEARCH_MATCH_CASE=", Section::kVideoWizard, &C::vidwiz_search_match_case},

    {"VIDEO_PLAYER_LOOP=", Section::kMiscellaneous, &C::video_player_loop},
    {"VIDEO_DETAILS_LINKS_ACTIVE=", Section::kMiscellaneous, &C::video_details_links_active},
    {"PROMPT_BEFORE_DELETE=", Section::kMiscellaneous, &C::prompt_before_delete},
    {"CLOSE_ON_ADD=", Section::kMiscellaneous, &C::close_on_add},
    {"AUTO_DELETE_IMAGES=", Section::kMiscellaneous, &C::auto_delete_images},
    {"AUTO_DELETE_WANTED=", Section::kMiscellaneous, &C::auto_delete_wanted},
    {"VIDEO_LIST_RANK_ONLINE=", Section::kMiscellaneous, &C::video_list_rank_online},
    {"VIDEO_LIST_AUTOSIZE_COLUMNS=", Section::kMiscellaneous, &C::video_list_autosize_columns},
    {"WINDOW_AUTO_ACTIVATE=", Section::kMiscellaneous, &C::window_auto_activate},
    {"DEFAULT_HTML_LIST_OPTIONS_DATABASE=", Section::kMiscellaneous,
     &C::default_html_list_options_database},
    {"VIDEO_LIST_CYCLE_FREQUENCY=", Section::kMiscellaneous, &C::video_list_cycle_frequency},
    {"FF2_IMPORT_IMAGES_VARIABLE=", Section::kMiscellaneous, &C::ff2_import_images},
    {"RD_MY_IMPORT_IMAGES_VARIABLE=", Section::kMiscellaneous, &C::rd_my_import_images},
    {"SHOW_SPLASH_AT_STARTUP=", Section::kMiscellaneous, &C::show_splash_at_startup},
    {"SHOW_TIPS_AT_STARTUP=", Section::kMiscellaneous, &C::show_tips_at_startup},
    {"PLACE_THE_IN_BACK=", Section::kMiscellaneous, &C::place_the_in_back},
    {"KEEP_BACKUP=", Section::kMiscellaneous, &C::keep_backup},
    {"IMAGE_BROWSER_WH_MODE=", Section::kMiscellaneous, &C::image_browser_wh_mode},
    {"IMAGE_BROWSER_SHOW_TIP_INFO=", Section::kMiscellaneous, &C::image_browser_show_tip_info},
    {"IMAGE_BROWSER_SPACE=", Section::kMiscellaneous, &C::image_browser_space},
    {"IGNORE_IE_MISSING_WARNING=", Section::kMiscellaneous, &C::ignore_ie_missing_warning},
    {"FIRST_START=", Section::kMiscellaneous, &C::first_start},
};

constexpr const char* kGeometrySuffixes[] = {"X=", "Y=", "W=", "H="};

constexpr int WindowGeometry::*kGeometryParts[] = {&WindowGeometry::x, &WindowGeometry::y,
                                                   &WindowGeometry::w, &WindowGeometry::h};

// Sets the value of a known key from `value` (the text after the key's "=").
void SetValue(ProgramConfig& config, const Field& field, int geometry_part, std::string_view value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(config.*member)>;
            if constexpr (std::is_same_v<T, bool>) {
                config.*member = !value.empty() && value.front() == '1';
            } else if constexpr (std::is_same_v<T, int>) {
                config.*member = core::ParseLeadingInt(value);
            } else if constexpr (std::is_same_v<T, std::string>) {
                config.*member = std::string(value);
            } else {
                config.*member.*kGeometryParts[geometry_part] = core::ParseLeadingInt(value);
            }
        },
        field);
}

// Applies a KEY=value line; false if the key is not one of ours.
bool ApplyLine(ProgramConfig& config, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = line.substr(0, equals + 1);
    const std::string_view value = line.substr(equals + 1);
    for (const Key& known : kKeys) {
        const std::string_view text = known.text;
        if (std::holds_alternative<WindowGeometry ProgramConfig::*>(known.field)) {
            if (!core::StartsWith(key, text)) continue;
            for (int part = 0; part < 4; ++part) {
                if (key.substr(text.size()) == kGeometrySuffixes[part]) {
                    SetValue(config, known.field, part, value);
                    return true;
                }
            }
        } else if (key == text) {
            SetValue(config, known.field, 0, value);
            return true;
        }
    }
    return false;
}

void WriteKey(const ProgramConfig& config, const Key& key, std::string& out) {
    std::visit(
        [&](auto member) {
            const auto& value = config.*member;
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, WindowGeometry>) {
                for (int part = 0; part < 4; ++part) {
                    out += key.text;
                    out += kGeometrySuffixes[part];
                    out += std::to_string(value.*kGeometryParts[part]);
                    out += '\n';
                }
            } else {
                out += key.text;
                if constexpr (std::is_same_v<T, std::string>) {
                    out += value;
                } else {
                    out += std::to_string(static_cast<int>(value));
                }
                out += '\n';
            }
        },
        key.field);
}

void WriteSection(const ProgramConfig& config, Section section, const char* name, std::string& out) {
    out += '[';
    out += name;
    out += "]\n";
    for (const Key& key : kKeys) {
        if (key.section == section) WriteKey(config, key, out);
    }
    out += "[/";
    out += name;
    out += "]\n";
}

}  // namespace

core::FileResult ReadConfig(std::istream& in, ProgramConfig& config) {
    core::LineReader lines(in, 1 << 14);
    std::string_view line;
    config.unknown_lines.clear();
    while (lines.Next(line)) {
        if (ApplyLine(config, line)) continue;
        // Keep lines of keys we do not know; titles, sections and empty lines are ours to write.
        const bool key_line = !line.empty() && line.front() != '[' && line.find('=') != std::string_view::npos;
        if (key_line) config.unknown_lines.emplace_back(line);
    }
    if (lines.Failed()) return core::FileResult::Failure({}, core::SystemErrorText(EIO));
    return core::FileResult::Success();
}

core::FileResult ReadConfig(ProgramConfig& config, const std::string& path) {
    return core::ReadFileWith(path, [&](std::istream& in) { return ReadConfig(in, config); });
}

core::FileResult WriteConfig(const ProgramConfig& config, std::ostream& out) {
    std::string text = "[Reeldeck - Version 1.0 - Program Configuration Settings]\n";
    text += "[WARNING - Do not modify this file!]\n\n";
    WriteSection(config, Section::kInterface, "Interface", text);
    text += '\n';
    WriteSection(config, Section::kVideoWizard, "Video Wizard", text);
    text += '\n';
    WriteSection(config, Section::kMiscellaneous, "Miscellaneous", text);
    if (!config.unknown_lines.empty()) {
        text += '\n';
        for (const std::string& line : config.unknown_lines) {
            text += line;
            text += '\n';
        }
    }
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size()))) {
        return core::FileResult::Failure({}, core::SystemErrorText(EIO));
    }
    return core::FileResult::Success();
}

core::FileResult WriteConfig(const ProgramConfig& config, const std::string& path,
                             core::FileSystemCalls& calls) {
    return core::WriteFileSafely(
        path, [&](std::ostream& out) { return WriteConfig(config, out); }, 0666, calls);
}

}  // namespace config
