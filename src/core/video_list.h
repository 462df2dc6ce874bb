#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/video_column.h"
#include "core/video_record.h"

namespace core {

// My Videos: the rows, the column table of the open database, and how the columns are shown
// (display order and widths) and which rows are selected. Rows are addressed by their current
// index; columns by ListIndex, which is also each cell's index within a row.
class VideoList {
public:
    // ---- Column table ----
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<VideoColumn>& Columns() const { return columns_; }
    const VideoColumn& Column(int list_index) const;
    VideoColumn& MutableColumn(int list_index);

    // Finds a column by name, exactly (case-sensitive).
    const VideoColumn* FindColumn(std::string_view name) const;
    // Finds a column by name, ignoring the case of ASCII letters.
    const VideoColumn* FindColumnNoCase(std::string_view name) const;
    // ListIndex of the named column (exact), or -1.
    int ColumnIndexOf(std::string_view name) const;
    // ListIndex of the column stored in `file_slot`, or -1.
    int ColumnIndexOfSlot(int file_slot) const;

    // Replaces the column table. Each column's ListIndex becomes its position; the display order
    // is the table order and every column's shown width its stored Width (0 when hidden).
    void SetColumns(std::vector<VideoColumn> columns);
    // Appends a column (its ListIndex becomes the column count); rows gain an empty cell.
    void InsertColumn(VideoColumn column);
    // Removes a column and its cell from every row; later columns move one index down.
    void DeleteColumn(int list_index);
    void DeleteAllColumns();

    int ColumnWidth(int list_index) const;
    void SetColumnWidth(int list_index, int width);
    // ListIndexes in display order (the user may drag columns to new places).
    const std::vector<int>& ColumnOrder() const { return order_; }
    // Sets the display order; ignored unless it is a permutation of the column indexes.
    void SetColumnOrder(std::vector<int> order);

    // ---- Rows ----
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Inserts a row at `index` (clamped to the row count) whose cell 0 holds `first_cell` and
    // whose LoadOrder is the index; returns the row's index.
    int InsertRow(int index, std::string_view first_cell);
    // Appends a whole row, as the loader builds it.
    void AppendRow(VideoRecord record);
    void ReserveRows(std::size_t count) { rows_.reserve(count); }

    std::string_view Cell(int row, int list_index) const;
    std::string GetCell(int row, int list_index) const { return std::string(Cell(row, list_index)); }
    void SetCell(int row, int list_index, std::string_view text);

    bool FlagMark(int row) const;
    void SetFlagMark(int row, bool flagged);
    int LoadOrder(int row) const;

    // Puts `record`'s cells and flag mark in place of a row's; the row keeps its load order and
    // its selection.
    void ReplaceRow(int row, VideoRecord record);
    void DeleteRow(int row);
    void DeleteAllRows();

    const VideoRecord& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    std::span<const VideoRecord> Rows() const { return rows_; }
    // The rows themselves, for reordering (sorting). Selection and cells move with their rows.
    std::span<VideoRecord> MutableRows() { return rows_; }

    // ---- Selection ----
    bool IsSelected(int row) const;
    void Select(int row, bool selected);
    // Selected rows in ascending order.
    std::vector<int> SelectedRows() const;
    int SelectedCount() const { return selected_count_; }
    void DeselectAll();

    // First row whose cell equals `text`, ignoring the case of ASCII letters; -1 if none.
    int FindRow(int list_index, std::string_view text) const;

private:
    bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }
    bool ValidColumn(int list_index) const { return list_index >= 0 && list_index < ColumnCount(); }
    VideoRecord* RowPtr(int row) { return ValidRow(row) ? &rows_[static_cast<std::size_t>(row)] : nullptr; }

    std::vector<VideoColumn> columns_;
    std::vector<int> order_;
    std::vector<int> widths_;
    std::vector<VideoRecord> rows_;
    int selected_count_ = 0;
};

}  // namespace core
