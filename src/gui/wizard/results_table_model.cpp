#include "gui/wizard/results_table_model.h"

#include "gui/text_bytes.h"

namespace gui {
namespace {

constexpr std::size_t kShownLength = 1023;

}  // namespace

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(wizard_.Rows().size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(wizard::ImportWizard::ColumnHeaders().size());
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const wizard::ResultRow& row = wizard_.Rows()[static_cast<std::size_t>(index.row())];
    const wizard::ResultField field = wizard::ImportWizard::FieldOfColumn(index.column());
    if (field == wizard::kImageFolder) {
        if (role == Qt::DecorationRole && wizard::HasCover(row)) return marker_;
        if (role == Qt::ToolTipRole && wizard::HasCover(row)) return QString("Cover available");
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return FromBytes(std::string_view(row[field]).substr(0, kShownLength));
    }
    return {};
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const auto& headers = wizard::ImportWizard::ColumnHeaders();
    if (section < 0 || section >= static_cast<int>(headers.size())) return {};
    return FromBytes(headers[static_cast<std::size_t>(section)]);
}

void ResultsTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace gui
