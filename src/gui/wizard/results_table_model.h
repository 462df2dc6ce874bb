#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include "wizard/import_wizard.h"

namespace gui {

// The wizard's results list over the model's rows: the identifier (hidden), the cover marker,
// Year, Title, MPAA Rating, Duration and Category. A shown field is cut at 1023 characters.
class ResultsTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    ResultsTableModel(const wizard::ImportWizard& wizard, QIcon cover_marker,
                      QObject* parent = nullptr)
        : QAbstractTableModel(parent), wizard_(wizard), marker_(std::move(cover_marker)) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows changed as a whole (a new page, a new order).
    void Reload();

  private:
    const wizard::ImportWizard& wizard_;
    QIcon marker_;
};

}  // namespace gui
