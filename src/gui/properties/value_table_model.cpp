#include "gui/properties/value_table_model.h"

#include "gui/text_bytes.h"

namespace gui {

ValueTableModel::ValueTableModel(std::string field, QObject* parent)
    : QAbstractTableModel(parent), table_{std::move(field), {}} {}

void ValueTableModel::SetTable(views::ValueTable table) {
    beginResetModel();
    table_ = std::move(table);
    loading_ = false;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return loading_ ? 1 : static_cast<int>(table_.rows.size());
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (loading_)
        return index.column() == 0 ? FromBytes(views::LoadingText(table_.field)) : QString();
    const views::ValueRow& row = table_.rows[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return FromBytes(row.value);
        case 1:
            return FromBytes(row.count);
        default:
            return FromBytes(row.percent);
    }
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole && section > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return FromBytes(loading_ ? table_.field : table_.Heading());
        case 1:
            return QStringLiteral("Count");
        case 2:
            return QStringLiteral("% Total");
        default:
            return {};
    }
}

void ValueTableModel::sort(int column, Qt::SortOrder order) {
    if (loading_ || column < 0 || column > 2) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> moved =
        views::SortValueRows(table_.rows, column, order == Qt::AscendingOrder);
    // The selection follows its rows to their new places.
    std::vector<int> new_row_of(moved.size());
    for (std::size_t row = 0; row < moved.size(); ++row)
        new_row_of[moved[row]] = static_cast<int>(row);
    for (const QModelIndex& old : persistentIndexList()) {
        changePersistentIndex(old,
                              index(new_row_of[static_cast<std::size_t>(old.row())], old.column()));
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace gui
