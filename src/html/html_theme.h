#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_result.h"
#include "core/text.h"

// HTML list themes: the page settings of generated lists, one text file per theme in the theme
// folder (cfg/hls), named by the theme with ".txt".
namespace html {

// The page settings a theme holds. Nothing is built in: until a theme is loaded every colour is
// black and every text empty.
struct HtmlTheme {
    std::string title;
    core::Color background = 0;
    core::Color heading = 0;
    core::Color text = 0;
    core::Color link = 0;
    core::Color visited_link = 0;
    core::Color active_link = 0;
    core::Color borders = 0;
    int top_margin = 0;
    int left_margin = 0;
    std::string font_face;
    std::string font_style;  // Regular, Bold, Italic or Bold Italic
    int font_size = 0;
    std::string output_folder;
};

// The logo at the top of a page. An empty source is the standard logo.
struct PageLogo {
    std::string display_text;
    std::string source;  // a file path, or a web address holding "www."
    std::string link_address;
    std::string target;  // "Same Window", "New Window" or "Parent Frame"
};

// One extra link at the top of a page.
struct PageLink {
    std::string display_text;
    std::string address;
    std::string target;
};

// The logo and links of a theme file, which a theme load does not hold.
struct ThemeDecorations {
    PageLogo logo;
    std::vector<PageLink> links;
};

inline constexpr std::string_view kThemeHeader = "[Reeldeck - Version 1.0 - HTML Theme]";

// A colour value: the last three runs of digits, each ended by one non-digit character, as red,
// green and blue, each modulo 256 ("12,34,56").
core::Color ParseThemeColor(std::string_view value);

// Sets the settings of `theme` from the lines of a theme file; keys not present keep their
// values. A line is known by its first four characters.
void ReadThemeSettings(std::istream& in, HtmlTheme& theme);
// ReadThemeSettings of the file at `path`; fails only when the file cannot be opened.
core::FileResult LoadTheme(const std::string& path, HtmlTheme& theme);

// The LOGOSRC line (the last one wins) and the CLINK lines, in file order.
ThemeDecorations ReadThemeDecorations(std::istream& in);
// ReadThemeDecorations of the file at `path`; an unreadable file fails and gives none.
core::FileResult LoadThemeDecorations(const std::string& path, ThemeDecorations& decorations);

// The HTML target of a target label ("Same Window" → "_self", "New Window" → "_new",
// "Parent Frame" → "_parent", ignoring case); any other text is used as it is.
std::string HtmlTargetOf(std::string_view label);

}  // namespace html
