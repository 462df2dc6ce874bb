#pragma once

#include <span>
#include <vector>

#include "core/video_list.h"

namespace app {

// A run of adjacent rows, both ends included.
struct RowRange {
    int first = 0;
    int last = 0;
    bool operator==(const RowRange&) const = default;
};

// Merges ascending row numbers into runs: {1, 2, 3, 7} gives [1,3] and [7,7]. A window selects
// many rows at once by handing it the runs rather than each row.
std::vector<RowRange> MergeRows(std::span<const int> ascending_rows);

// The selected rows of the list as runs.
std::vector<RowRange> SelectedRanges(const core::VideoList& list);

}  // namespace app
