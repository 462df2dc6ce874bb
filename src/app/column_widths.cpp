#include "app/column_widths.h"

#include <algorithm>
#include <string_view>

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

int WidestCell(const core::VideoList& list, int list_index, platform::TextWidths& widths,
               platform::RowProgress& progress) {
    int widest = 0;
    for (int row = 0; row < list.RowCount(); ++row) {
        widest = std::max(widest, widths.CellWidth(list.Cell(row, list_index)));
        progress.Row(row);
    }
    return widest;
}

bool MeasuresCells(const core::VideoColumn& column, bool autosize) {
    return autosize && column.Visible && !FitsHeader(column);
}

}  // namespace

void ApplyColumnWidths(core::VideoList& list, bool autosize, platform::TextWidths& widths,
                       platform::Progress* progress) {
    const bool empty = list.RowCount() == 0;
    const auto measured = std::count_if(list.Columns().begin(), list.Columns().end(),
                                        [&](const auto& c) { return MeasuresCells(c, autosize); });
    platform::RowProgress shown(progress, list.RowCount(), "Sizing columns",
                                static_cast<int>(measured));
    for (const core::VideoColumn& column : list.Columns()) {
        const int index = column.ListIndex;
        int width = 0;
        if (!column.Visible) {
            width = 0;
        } else if (empty || (autosize && FitsHeader(column))) {
            width = widths.HeaderWidth(core::DisplayTitleOf(column));
        } else if (autosize) {
            width = WidestCell(list, index, widths, shown);
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
