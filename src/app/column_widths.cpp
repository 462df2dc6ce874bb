#include "app/column_widths.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/text.h"

namespace app {
namespace {

// Columns whose cells are never wider than their header.
bool FitsHeader(const core::VideoColumn& column) {
    for (std::string_view name :
         {core::column_name::kYear, core::column_name::kMpaa, core::column_name::kDuration,
          core::column_name::kDateAdded, core::column_name::kLastViewed}) {
        if (core::EqualsNoCase(column.Name, name)) return true;
    }
    return false;
}

// The most distinct texts a column measures exactly, the widest estimates first. Enough for
// every near tie of a real collection, few enough to take a moment on any list.
constexpr std::size_t kMostMeasured = 512;

// A cell that may be the widest: `bound` is the most its exact width can be.
struct Candidate {
    int bound = 0;
    int row = 0;
};

// The widest cell of a column. Every cell is estimated; the cell of the highest bound is
// measured, and then, each text once and the highest bounds first, the cells that could still
// be wider than the widest measured.
int WidestCell(const core::VideoList& list, int list_index, platform::TextWidths& widths,
               platform::CellWidthEstimator& estimator, platform::RowProgress& progress,
               std::vector<Candidate>& candidates) {
    candidates.clear();
    Candidate top{-1, 0};
    for (int row = 0; row < list.RowCount(); ++row) {
        const platform::WidthEstimate estimate = estimator.Estimate(list.Cell(row, list_index));
        candidates.push_back({estimate.width + estimate.slack, row});
        if (candidates.back().bound > top.bound) top = candidates.back();
        progress.Row(row);
    }
    if (candidates.empty()) return 0;
    const auto text = [&](const Candidate& c) { return list.Cell(c.row, list_index); };
    int widest = std::max(0, widths.CellWidth(text(top)));

    auto end = std::partition(candidates.begin(), candidates.end(),
                              [&](const Candidate& c) { return c.bound > widest; });
    std::unordered_set<std::string_view> seen{text(top)};
    end = std::remove_if(candidates.begin(), end,
                         [&](const Candidate& c) { return !seen.insert(text(c)).second; });
    const auto by_bound = [](const Candidate& a, const Candidate& b) { return a.bound > b.bound; };
    const auto measured_end =
        candidates.begin() + std::min<std::ptrdiff_t>(end - candidates.begin(), kMostMeasured - 1);
    std::partial_sort(candidates.begin(), measured_end, end, by_bound);
    for (auto c = candidates.begin(); c != measured_end && c->bound > widest; ++c)
        widest = std::max(widest, widths.CellWidth(text(*c)));
    return widest;
}

bool MeasuresCells(const core::VideoColumn& column, bool autosize) {
    return autosize && column.Visible && !FitsHeader(column) &&
           column.Name != core::column_name::kFlag;  // it shows only the flag mark
}

}  // namespace

void ApplyColumnWidths(core::VideoList& list, bool autosize, platform::TextWidths& widths,
                       platform::Progress* progress) {
    const bool empty = list.RowCount() == 0;
    const auto measured = std::count_if(list.Columns().begin(), list.Columns().end(),
                                        [&](const auto& c) { return MeasuresCells(c, autosize); });
    platform::RowProgress shown(progress, list.RowCount(), "Sizing columns",
                                static_cast<int>(measured));
    std::unique_ptr<platform::CellWidthEstimator> estimator;
    std::vector<Candidate> candidates;
    for (const core::VideoColumn& column : list.Columns()) {
        const int index = column.ListIndex;
        int width = 0;
        if (!column.Visible) {
            width = 0;
        } else if (empty || (autosize && FitsHeader(column))) {
            width = widths.HeaderWidth(core::DisplayTitleOf(column));
        } else if (MeasuresCells(column, autosize)) {
            if (!estimator) estimator = widths.CellEstimator();
            width = WidestCell(list, index, widths, *estimator, shown, candidates);
        } else {
            width = column.Width;
        }
        if (column.Name == core::column_name::kFlag) width = column.Visible ? kFlagColumnWidth : 0;
        list.SetColumnWidth(index, width);
    }
}

void ColumnResized(core::VideoList& list, int list_index, int width) {
    if (list_index < 0 || list_index >= list.ColumnCount()) return;
    list.SetColumnWidth(list_index, width);
    list.MutableColumn(list_index).Width = list.ColumnWidth(list_index);
}

void KeepHiddenColumnsHidden(core::VideoList& list) {
    for (const core::VideoColumn& column : list.Columns()) {
        if (!column.Visible) list.SetColumnWidth(column.ListIndex, 0);
    }
}

}  // namespace app
