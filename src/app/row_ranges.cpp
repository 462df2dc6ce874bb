#include "app/row_ranges.h"

namespace app {

std::vector<RowRange> MergeRows(std::span<const int> ascending_rows) {
    std::vector<RowRange> ranges;
    for (int row : ascending_rows) {
        if (!ranges.empty() && ranges.back().last + 1 == row) {
            ranges.back().last = row;
        } else {
            ranges.push_back({row, row});
        }
    }
    return ranges;
}

std::vector<RowRange> SelectedRanges(const core::VideoList& list) {
    return MergeRows(list.SelectedRows());
}

}  // namespace app
