#include "gui/video_table_model.h"

#include "gui/text_bytes.h"

namespace gui {

VideoTableModel::VideoTableModel(const core::VideoList& videos, const QIcon& flag_mark,
                                 QObject* parent)
    : QAbstractTableModel(parent), videos_(videos), flag_mark_(flag_mark) {
    flag_column_ = videos_.ColumnIndexOf(core::column_name::kFlag);
}

int VideoTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : videos_.RowCount();
}

int VideoTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : videos_.ColumnCount();
}

QVariant VideoTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= videos_.RowCount() ||
        index.column() >= videos_.ColumnCount()) {
        return {};
    }
    const bool flag_column = index.column() == flag_column_;
    switch (role) {
        case Qt::DisplayRole:
            return flag_column ? QVariant()
                               : QVariant(FromBytes(videos_.Cell(index.row(), index.column())));
        case Qt::DecorationRole:
            if (flag_column && videos_.FlagMark(index.row())) return flag_mark_;
            return {};
        case Qt::ToolTipRole:
            if (flag_column && videos_.FlagMark(index.row())) {
                const int value = videos_.ColumnIndexOf(core::column_name::kFlagValue);
                return FromBytes(videos_.Cell(index.row(), value));
            }
            return {};
        default:
            return {};
    }
}

QVariant VideoTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= videos_.ColumnCount()) return {};
    if (role == Qt::DisplayRole) return FromBytes(core::DisplayTitleOf(videos_.Column(section)));
    if (role == Qt::ToolTipRole) return FromBytes(videos_.Column(section).Name);
    return {};
}

void VideoTableModel::Reload() {
    beginResetModel();
    flag_column_ = videos_.ColumnIndexOf(core::column_name::kFlag);
    endResetModel();
}

void VideoTableModel::RowsChanged(int first, int last) {
    if (first > last || videos_.ColumnCount() == 0) return;
    emit dataChanged(index(first, 0), index(last, videos_.ColumnCount() - 1));
}

}  // namespace gui
