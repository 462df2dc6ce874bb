#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include "core/video_list.h"

namespace gui {

// My Videos as a table for the list view. It reads the rows of the session's list directly:
// there are no copies and no per-row objects, so a list of 100,000 records opens at once. Model
// columns are ListIndexes; the header view shows them in display order.
class VideoTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    VideoTableModel(const core::VideoList& videos, const QIcon& flag_mark,
                    QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list changed as a whole (opened, closed, sorted, rows added or deleted).
    void Reload();
    // Some cells of these rows changed.
    void RowsChanged(int first, int last);

  private:
    const core::VideoList& videos_;
    QIcon flag_mark_;
    int flag_column_ = -1;
};

}  // namespace gui
