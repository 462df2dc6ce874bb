#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace gui {

// A list view's rows over titles that a pane's model owns (Wanted Videos, search results): no
// copy per row, so a search that finds 50,000 titles shows them at once.
class TitleListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    TitleListModel(const std::vector<std::string>& titles, QObject* parent = nullptr)
        : QAbstractListModel(parent),
          titles_(titles),
          shown_rows_(static_cast<int>(titles.size())) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The titles changed in any way.
    void Reload();

  private:
    const std::vector<std::string>& titles_;
    int shown_rows_;  // what the views were last told: the titles change before Reload()
};

}  // namespace gui
