#pragma once

#include <string>
#include <vector>

#include "core/video_list.h"

// The fixed List Videos commands: each selects the rows that meet its criterion (and only
// those) and gives their titles for the Search pane's results list. No row changes.
namespace app {

struct Listing {
    std::vector<int> rows;            // the selected rows, ascending
    std::vector<std::string> titles;  // the title of each selected row, in row order
};

// Flagged > All: rows with a flag value.
Listing SelectFlagged(core::VideoList& list);
// Viewed: rows with a Last Viewed date.
Listing SelectViewed(core::VideoList& list);
// Not Viewed: rows without one.
Listing SelectNotViewed(core::VideoList& list);
enum class DuplicateKey { kTitle, kTitleAndYear };
// Duplicate Titles: every row whose title (not empty) an earlier row already has, ignoring
// case; the first row of each group is not selected. By title and year, a remake (the same
// title in another year) is not a duplicate.
Listing SelectDuplicateTitles(core::VideoList& list, DuplicateKey key = DuplicateKey::kTitle);

}  // namespace app
