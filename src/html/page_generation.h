#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/video_list.h"
#include "core/wanted_list.h"
#include "html/page_settings.h"
#include "platform/progress.h"
#include "platform/shell.h"

// Generation of the HTML list pages: "myvideos.html" (which the list page reader reads back by
// its marker comments) and "wanted.html", each streamed into its file piece by piece.
namespace html {

enum class ListKind { kMyVideos, kWanted, kBoth };

// One press of Generate.
struct PageRequest {
    std::string folder;  // where the pages go; "/" is added when missing
    PageSettings settings;
    std::string theme_path;     // the theme file whose LOGOSRC and CLINK lines are used
    std::string standard_logo;  // the program's res/hllogo.gif
    // My Videos only: the rows to write, in ascending order; nothing for all rows.
    std::optional<std::vector<int>> selected_rows;
};

// The lists a page is made from.
struct PageLists {
    const core::VideoList& videos;  // with its column table
    const core::WantedList& wanted;
};

// What generation reports to and hands its pages to.
struct GenerationServices {
    platform::Progress& progress;
    bool status_bar_shown;   // progress is shown only while the status bar is
    platform::Shell& shell;  // opens a written page in the browser
    PageAddresses addresses;
};

// Each returns 1 when the page was written, 0 for an empty list (nothing written) and -1 when
// the page file could not be written (the previous page stays). With `open` set the written
// page is opened.
int GenerateMyVideosPage(const PageRequest& request, const core::VideoList& videos,
                         GenerationServices& services, bool open);
int GenerateWantedPage(const PageRequest& request, const core::WantedList& wanted,
                       GenerationServices& services, bool open);

// What Generate does for a list kind: My Videos or Wanted Videos, opened; for Both, My Videos
// (opened) then Wanted Videos (not opened). Returns -1 when a page could not be written, else 1
// when one was written, else 0.
int GenerateLists(ListKind kind, const PageRequest& request, const PageLists& lists,
                  GenerationServices& services);

}  // namespace html
