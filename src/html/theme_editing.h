#pragma once

#include <string>
#include <vector>

#include "core/file_result.h"
#include "html/html_theme.h"

// The Page Links and Page Logo editors: what they show and how they rewrite a theme file.
namespace html {

inline constexpr const char* kTargetLabels[] = {"Same Window", "New Window", "Parent Frame"};

// A link is added only with both a display text and an address.
bool CanAddPageLink(const std::string& display_text, const std::string& address);

// Replaces the theme file's CLINK lines with one line per link, in this order; every other line
// is kept in place. Fields lose line breaks and "|" so each link stays one line of three fields.
// The file is replaced whole or not at all.
core::FileResult WritePageLinks(const std::string& theme_path, const std::vector<PageLink>& links);

// The logo as the editor shows it: an empty target shows "Same Window" and an empty source the
// standard logo.
PageLogo LogoForEditing(PageLogo logo, const std::string& standard_logo_path);

// Replaces the theme file's LOGOSRC line with `logo`, its fields without line breaks, "<", ">"
// and "|". A file that held no LOGOSRC line gets one at its end, so the edit is not lost. The
// file is replaced whole or not at all.
core::FileResult WritePageLogo(const std::string& theme_path, const PageLogo& logo);

}  // namespace html
