#include "app/column_widths.h"

#include <algorithm>
#include <functional>
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

// The bounds of every cell of a column, and the cell of the highest. Each cell's hash is taken
// while its bytes are at hand, so that copies of a text are told apart without reading them
// again.
struct ColumnEstimate {
    int list_index = 0;
    std::vector<int> bounds;          // by row
    std::vector<std::size_t> hashes;  // by row
    Candidate top{-1, 0};
};

bool MeasuresCells(const core::VideoColumn& column, bool autosize) {
    return autosize && column.Visible && !FitsHeader(column) &&
           column.Name != core::column_name::kFlag;  // it shows only the flag mark
}

// Estimates the cells of the columns that are sized to their widest cell, in one pass over the
// rows: a row's cells lie together in memory, a column's do not.
std::vector<ColumnEstimate> EstimateColumns(const core::VideoList& list,
                                            platform::TextWidths& widths,
                                            platform::Progress* progress) {
    std::vector<ColumnEstimate> columns;
    for (const core::VideoColumn& column : list.Columns()) {
        if (MeasuresCells(column, true)) columns.push_back({column.ListIndex, {}, {}});
    }
    if (columns.empty() || list.RowCount() == 0) return {};
    platform::RowProgress shown(progress, list.RowCount(), "Sizing columns");
    const std::unique_ptr<platform::CellWidthEstimator> estimator = widths.CellEstimator();
    const auto rows = static_cast<std::size_t>(list.RowCount());
    for (ColumnEstimate& column : columns) {
        column.bounds.resize(rows);
        column.hashes.resize(rows);
    }
    const std::hash<std::string_view> hash;
    for (int row = 0; row < list.RowCount(); ++row) {
        for (ColumnEstimate& column : columns) {
            const std::string_view cell = list.Cell(row, column.list_index);
            const platform::WidthEstimate estimate = estimator->Estimate(cell);
            const int bound = estimate.width + estimate.slack;
            column.bounds[static_cast<std::size_t>(row)] = bound;
            column.hashes[static_cast<std::size_t>(row)] = hash(cell);
            if (bound > column.top.bound) column.top = {bound, row};
        }
        shown.Row(row);
    }
    return columns;
}

// The widest cell of an estimated column: the cell of the highest bound measured, and then,
// each text once and the highest bounds first, the cells that could still be wider than the
// widest measured.
int WidestCell(const core::VideoList& list, const ColumnEstimate& column,
               platform::TextWidths& widths, std::vector<Candidate>& candidates) {
    const auto text = [&](int row) { return list.Cell(row, column.list_index); };
    int widest = std::max(0, widths.CellWidth(text(column.top.row)));
    std::unordered_set<std::size_t> seen{column.hashes[static_cast<std::size_t>(column.top.row)]};
    candidates.clear();
    for (std::size_t row = 0; row < column.bounds.size(); ++row) {
        if (column.bounds[row] > widest && seen.insert(column.hashes[row]).second)
            candidates.push_back({column.bounds[row], static_cast<int>(row)});
    }
    const auto measured_end = candidates.begin() + std::min(candidates.size(), kMostMeasured - 1);
    std::partial_sort(candidates.begin(), measured_end, candidates.end(),
                      [](const Candidate& a, const Candidate& b) { return a.bound > b.bound; });
    for (auto c = candidates.begin(); c != measured_end && c->bound > widest; ++c)
        widest = std::max(widest, widths.CellWidth(text(c->row)));
    return widest;
}

}  // namespace

void ApplyColumnWidths(core::VideoList& list, bool autosize, platform::TextWidths& widths,
                       platform::Progress* progress) {
    const bool empty = list.RowCount() == 0;
    const std::vector<ColumnEstimate> estimates =
        autosize ? EstimateColumns(list, widths, progress) : std::vector<ColumnEstimate>{};
    auto estimate = estimates.begin();  // in column order, as the columns below
    std::vector<Candidate> candidates;
    for (const core::VideoColumn& column : list.Columns()) {
        const int index = column.ListIndex;
        int width = 0;
        if (!column.Visible) {
            width = 0;
        } else if (empty || (autosize && FitsHeader(column))) {
            width = widths.HeaderWidth(core::DisplayTitleOf(column));
        } else if (MeasuresCells(column, autosize)) {
            width = WidestCell(list, *estimate++, widths, candidates);
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
