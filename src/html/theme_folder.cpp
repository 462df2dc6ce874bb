#include "html/theme_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/safe_file.h"
#include "core/text.h"

namespace html {
namespace {

namespace fs = std::filesystem;

bool LessNoCase(const std::string& a, const std::string& b) {
    return core::ToLowerAscii(a) < core::ToLowerAscii(b);
}

// "red,green,blue" in decimal; red is the low byte.
std::string ColorText(core::Color color) {
    return std::to_string(color & 0xff) + "," + std::to_string((color >> 8) & 0xff) + "," +
           std::to_string((color >> 16) & 0xff);
}

// A value stays on its line whatever was typed.
std::string OneLine(const std::string& text) {
    return core::RemoveLineBreaks(text);
}

void WriteSettings(std::ostream& out, const HtmlTheme& t) {
    out << kThemeHeader << "\n\n";
    out << "TITLE=" << OneLine(t.title) << '\n';
    out << "BACKGROUND=" << ColorText(t.background) << '\n';
    out << "HEADING=" << ColorText(t.heading) << '\n';
    out << "TEXT=" << ColorText(t.text) << '\n';
    out << "LINK=" << ColorText(t.link) << '\n';
    out << "VLINK=" << ColorText(t.visited_link) << '\n';
    out << "ALINK=" << ColorText(t.active_link) << '\n';
    out << "BORDERS=" << ColorText(t.borders) << '\n';
    out << "TMARGIN=" << t.top_margin << '\n';
    out << "LMARGIN=" << t.left_margin << '\n';
    out << "FTYPE=" << OneLine(t.font_face) << '\n';
    out << "FSTYLE=" << OneLine(t.font_style) << '\n';
    out << "FSIZE=" << t.font_size << '\n';
    out << "OUTPUT=" << OneLine(t.output_folder) << '\n';
}

std::string BackupPathOf(const std::string& path) {
    return path.substr(0, path.size() - 4) + ".tmp";
}

}  // namespace

std::string DefaultThemeName(const config::ProgramConfig& config) {
    const std::string& name = config.default_html_list_options_database;
    return name.empty() ? std::string("Default") : name;
}

std::string ThemePath(const std::string& theme_folder, std::string_view name) {
    return core::JoinPath(theme_folder, std::string(name) + ".txt");
}

std::vector<std::string> ListThemes(const std::string& theme_folder) {
    std::vector<std::string> names;
    for (const std::string& path : core::FilesWithExtension(theme_folder, "txt")) {
        const std::string file_name = core::FileNameOf(path);
        const std::string name = file_name.substr(0, file_name.find('.'));
        if (FindTheme(names, name) < 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

int FindTheme(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (core::EqualsNoCase(names[i], name)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> ThemeNameProblem(std::string_view name) {
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos ||
        (!name.empty() && name.front() == '.')) {
        return "A theme name cannot contain \"/\" or \"\\\" or start with \".\".\nPlease enter "
               "another name.";
    }
    return std::nullopt;
}

core::FileResult SaveTheme(const std::string& theme_folder, std::string_view name,
                           const HtmlTheme& settings) {
    if (name.empty()) return core::FileResult::Success();
    const std::string path = ThemePath(theme_folder, name);
    const std::string backup = BackupPathOf(path);

    ThemeDecorations kept;
    std::error_code error;
    const bool existed = core::FileExists(path);
    if (existed) {
        LoadThemeDecorations(path, kept);
        fs::copy_file(path, backup, fs::copy_options::overwrite_existing, error);
    }
    const core::FileResult written = core::WriteFileSafely(path, [&](std::ostream& out) {
        WriteSettings(out, settings);
        const PageLogo& logo = kept.logo;
        out << "LOGOSRC=" << logo.display_text << '|' << logo.source << '|' << logo.link_address
            << '|' << logo.target << '\n';
        // The links are carried over from the backup: what the file held before this save.
        std::vector<PageLink> links = kept.links;
        if (existed && !error) {
            std::ifstream in(backup, std::ios::binary);
            links = ReadThemeDecorations(in).links;
        }
        for (const PageLink& link : links)
            out << "CLINK=" << link.display_text << '|' << link.address << '|' << link.target
                << '\n';
        return core::FileResult::Success();
    });
    if (!written) return written;
    fs::remove(backup, error);
    return written;
}

}  // namespace html
