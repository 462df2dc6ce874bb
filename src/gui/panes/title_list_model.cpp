#include "gui/panes/title_list_model.h"

#include "gui/text_bytes.h"

namespace gui {

int TitleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_rows_;
}

QVariant TitleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(titles_.size())) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    return FromBytes(titles_[static_cast<std::size_t>(index.row())]);
}

void TitleListModel::Reload() {
    beginResetModel();
    shown_rows_ = static_cast<int>(titles_.size());
    endResetModel();
}

}  // namespace gui
