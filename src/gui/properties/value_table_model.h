#pragma once

#include <QAbstractTableModel>

#include "views/value_table.h"

namespace gui {

// One value table of the Database Properties window: value, "Count" and "% Total". Until its
// rows arrive it holds the placeholder row "Loading <field> Information...".
class ValueTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ValueTableModel(std::string field, QObject* parent = nullptr);

    // The computed table: its rows, and the heading "<field> - <distinct values>".
    void SetTable(views::ValueTable table);
    bool Loading() const { return loading_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A click on a heading: the rows by that column (the placeholder stays as it is).
    void sort(int column, Qt::SortOrder order) override;

  private:
    views::ValueTable table_;
    bool loading_ = true;
};

}  // namespace gui
