#pragma once

#include <istream>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/file_result.h"
#include "core/video_list.h"
#include "platform/progress.h"

// Reading a My Videos page written by the list page generator back into a list. The page is
// known by its marker comments: "<!-- RDMVL -->" on the first line, the header cells between
// "<!-- RDLH -->" and "<!-- /RDLH -->", and each record's cells between "<!-- RDLR -->" and
// "<!-- /RDLR -->", one cell per line. A marker counts only on a line of its own.
namespace html {

inline constexpr std::string_view kListMarker = "<!-- RDMVL -->";
inline constexpr std::string_view kHeaderStart = "<!-- RDLH -->";
inline constexpr std::string_view kHeaderEnd = "<!-- /RDLH -->";
inline constexpr std::string_view kRowStart = "<!-- RDLR -->";
inline constexpr std::string_view kRowEnd = "<!-- /RDLR -->";

struct HtmlListRead {
    // False when the page carries no list marker (a Wanted Videos page, any other page): the
    // list is then left as it was.
    bool recognised = false;
    // Headings that found no place in the column table, in page order: the table is full, the
    // seven custom slots are taken, or the name is already a column. Their cells are skipped.
    std::vector<std::string> dropped_headings;
};

// Reads a page into `videos`, replacing its columns and rows. The column table is the page's
// headings after "Key" and "Flag", completed to the full 23 columns (missing built-in columns
// hidden, then "Misc1", "Misc2" … on the free custom slots). Every row gets a new Key, one above
// the previous, the first one above the clock's time. `progress` steps once per row.
HtmlListRead ReadHtmlList(std::istream& in, core::VideoList& videos, const core::Clock& clock,
                          platform::Progress& progress);

// The number of row markers of a page, for the progress range.
std::int64_t CountHtmlListRows(std::istream& in);

// ReadHtmlList of the file at `path`, with a progress running over its rows ("Reading" and the
// path). Fails only when the file cannot be opened or read.
core::FileResult ReadHtmlListFile(const std::string& path, core::VideoList& videos,
                                  const core::Clock& clock, platform::Progress& progress,
                                  HtmlListRead& read);

}  // namespace html
