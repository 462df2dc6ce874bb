#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/program_config.h"
#include "core/file_result.h"
#include "html/html_theme.h"

// The theme folder: one "<name>.txt" file per theme. Listing, saving and deleting themes.
namespace html {

// The default theme's name: the setting, or the shipped "Default" theme while none is set (a
// configuration written before themes were shipped names none).
std::string DefaultThemeName(const config::ProgramConfig& config);

// folder + "/" + name + ".txt".
std::string ThemePath(const std::string& theme_folder, std::string_view name);

// The theme names: every file (not folder) matching "*.txt", named by its file name up to the
// first "."; a name met again in another case is listed once. The folder's own order is
// arbitrary here, so the names are sorted alphabetically ignoring case.
std::vector<std::string> ListThemes(const std::string& theme_folder);

// The index of `name` in `names`, compared whole and ignoring case; -1 when absent.
int FindTheme(const std::vector<std::string>& names, std::string_view name);

// Why a name typed in the Save Theme window cannot name a theme file, or nothing when it can.
// A name holding "/" or "\" or starting with "." would name a file outside the theme folder or
// a hidden one.
std::optional<std::string> ThemeNameProblem(std::string_view name);

// Writes the theme file of `name` from `settings`: the header, an empty line, TITLE to OUTPUT,
// then the LOGOSRC line and the CLINK lines the file held before (a new theme gets an empty logo
// line and no links). The old file is copied to the ".tmp" backup first and the new one is
// written whole or not at all, so a failed save leaves the previous file and its backup. An
// empty name writes nothing and succeeds.
core::FileResult SaveTheme(const std::string& theme_folder, std::string_view name,
                           const HtmlTheme& settings);

}  // namespace html
