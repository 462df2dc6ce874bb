#pragma once

#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/video_list.h"

// The "My Videos List Columns" window's rule: which columns generated pages show, in which order.
namespace html {

// Column indexes (ListIndex) of the two lists of the window.
struct ColumnChoice {
    std::vector<int> display;
    std::vector<int> available;
};

// The lists as the window opens: for each page position from 0 up, the columns at that position,
// shown ones in Display and offered ones in Available. Columns that are neither are not offered.
ColumnChoice CurrentColumnChoice(const core::VideoList& videos);

// Numbers each list from 0 in its order, marks Display columns shown and Available columns
// offered, and writes the database's column header file.
core::FileResult ApplyColumnChoice(const ColumnChoice& choice, core::VideoList& videos,
                                   const std::string& header_path);

}  // namespace html
