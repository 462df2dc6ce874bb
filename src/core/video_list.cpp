#include "core/video_list.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "core/text.h"

namespace core {

const VideoColumn& VideoList::Column(int list_index) const {
    return columns_.at(static_cast<std::size_t>(list_index));
}

VideoColumn& VideoList::MutableColumn(int list_index) {
    return columns_.at(static_cast<std::size_t>(list_index));
}

const VideoColumn* VideoList::FindColumn(std::string_view name) const {
    for (const VideoColumn& column : columns_) {
        if (column.Name == name) return &column;
    }
    return nullptr;
}

const VideoColumn* VideoList::FindColumnNoCase(std::string_view name) const {
    for (const VideoColumn& column : columns_) {
        if (EqualsNoCase(column.Name, name)) return &column;
    }
    return nullptr;
}

int VideoList::ColumnIndexOf(std::string_view name) const {
    const VideoColumn* column = FindColumn(name);
    return column ? column->ListIndex : -1;
}

int VideoList::ColumnIndexOfSlot(int file_slot) const {
    for (const VideoColumn& column : columns_) {
        if (column.FileSlot == file_slot) return column.ListIndex;
    }
    return -1;
}

void VideoList::SetColumns(std::vector<VideoColumn> columns) {
    if (columns.size() > static_cast<std::size_t>(kMaxColumns)) columns.resize(kMaxColumns);
    columns_ = std::move(columns);
    order_.resize(columns_.size());
    std::iota(order_.begin(), order_.end(), 0);
    widths_.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].ListIndex = static_cast<int>(i);
        widths_.push_back(columns_[i].Visible ? std::max(0, columns_[i].Width) : 0);
    }
}

void VideoList::InsertColumn(VideoColumn column) {
    if (ColumnCount() >= kMaxColumns) return;
    const int index = ColumnCount();
    column.ListIndex = index;
    widths_.push_back(column.Visible ? std::max(0, column.Width) : 0);
    columns_.push_back(std::move(column));
    order_.push_back(index);
    for (VideoRecord& record : rows_) record.InsertEmptyCell(index);
}

void VideoList::DeleteColumn(int list_index) {
    if (!ValidColumn(list_index)) return;
    columns_.erase(columns_.begin() + list_index);
    widths_.erase(widths_.begin() + list_index);
    for (std::size_t i = 0; i < columns_.size(); ++i) columns_[i].ListIndex = static_cast<int>(i);
    std::erase(order_, list_index);
    for (int& index : order_) {
        if (index > list_index) --index;
    }
    for (VideoRecord& record : rows_) record.EraseCell(list_index);
}

void VideoList::DeleteAllColumns() {
    while (ColumnCount() > 0) DeleteColumn(ColumnCount() - 1);
}

int VideoList::ColumnWidth(int list_index) const {
    return ValidColumn(list_index) ? widths_[static_cast<std::size_t>(list_index)] : 0;
}

void VideoList::SetColumnWidth(int list_index, int width) {
    if (ValidColumn(list_index)) widths_[static_cast<std::size_t>(list_index)] = std::max(0, width);
}

void VideoList::SetColumnOrder(std::vector<int> order) {
    if (order.size() != columns_.size()) return;
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != static_cast<int>(i)) return;
    }
    order_ = std::move(order);
}

int VideoList::InsertRow(int index, std::string_view first_cell) {
    index = std::clamp(index, 0, RowCount());
    VideoRecord record;
    record.SetCell(0, first_cell);
    record.LoadOrder = index;
    rows_.insert(rows_.begin() + index, std::move(record));
    return index;
}

void VideoList::AppendRow(VideoRecord record) {
    if (record.Selected) ++selected_count_;
    rows_.push_back(std::move(record));
}

std::string_view VideoList::Cell(int row, int list_index) const {
    if (!ValidRow(row)) return {};
    return rows_[static_cast<std::size_t>(row)].Cell(list_index);
}

void VideoList::SetCell(int row, int list_index, std::string_view text) {
    if (VideoRecord* record = RowPtr(row)) record->SetCell(list_index, text);
}

void VideoList::ReplaceRow(int row, VideoRecord record) {
    VideoRecord* replaced = RowPtr(row);
    if (!replaced) return;
    record.LoadOrder = replaced->LoadOrder;
    record.Selected = replaced->Selected;
    *replaced = std::move(record);
}

bool VideoList::FlagMark(int row) const {
    return ValidRow(row) && rows_[static_cast<std::size_t>(row)].Flagged;
}

void VideoList::SetFlagMark(int row, bool flagged) {
    if (VideoRecord* record = RowPtr(row)) record->Flagged = flagged;
}

int VideoList::LoadOrder(int row) const {
    return ValidRow(row) ? rows_[static_cast<std::size_t>(row)].LoadOrder : -1;
}

void VideoList::DeleteRow(int row) {
    if (!ValidRow(row)) return;
    if (rows_[static_cast<std::size_t>(row)].Selected) --selected_count_;
    rows_.erase(rows_.begin() + row);
}

void VideoList::DeleteAllRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    selected_count_ = 0;
}

bool VideoList::IsSelected(int row) const {
    return ValidRow(row) && rows_[static_cast<std::size_t>(row)].Selected;
}

void VideoList::Select(int row, bool selected) {
    VideoRecord* record = RowPtr(row);
    if (!record || record->Selected == selected) return;
    record->Selected = selected;
    selected_count_ += selected ? 1 : -1;
}

std::vector<int> VideoList::SelectedRows() const {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(selected_count_));
    for (int row = 0; row < RowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].Selected) rows.push_back(row);
    }
    return rows;
}

void VideoList::DeselectAll() {
    for (VideoRecord& record : rows_) record.Selected = false;
    selected_count_ = 0;
}

int VideoList::FindRow(int list_index, std::string_view text) const {
    for (int row = 0; row < RowCount(); ++row) {
        if (EqualsNoCase(rows_[static_cast<std::size_t>(row)].Cell(list_index), text)) return row;
    }
    return -1;
}

}  // namespace core
