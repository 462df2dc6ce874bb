#include "gui/video_table_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

namespace gui {
namespace {

// Qt's header marks ascending order with a downward arrow. Here an arrow points up for ascending
// and down for descending, in the header as in the caption strip above it.
class SortArrowHeader final : public QHeaderView {
  public:
    explicit SortArrowHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
    }

  protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logical_index) const override {
        QHeaderView::initStyleOptionForIndex(option, logical_index);
        if (option->sortIndicator == QStyleOptionHeader::None) return;
        option->sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                    ? QStyleOptionHeader::SortUp
                                    : QStyleOptionHeader::SortDown;
    }
};

// Draws a cell as selected when the list holds its row as selected.
class ListSelectionDelegate final : public QStyledItemDelegate {
  public:
    explicit ListSelectionDelegate(VideoTableView* view) : QStyledItemDelegate(view), view_(view) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!view_->row_selected) return;
        option->state.setFlag(QStyle::State_Selected, view_->row_selected(index.row()));
    }

  private:
    const VideoTableView* view_;
};

}  // namespace

VideoTableView::VideoTableView(QWidget* parent) : QTableView(parent) {
    setObjectName("videoList");
    setAccessibleName("My Videos");
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setHorizontalHeader(new SortArrowHeader(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    // Every row has the same height: the view never measures rows, whatever their number.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    setIconSize(QSize(12, 12));
    setItemDelegate(new ListSelectionDelegate(this));
}

QItemSelectionModel::SelectionFlags VideoTableView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (before_user_selection) before_user_selection(index, command);
    return command;
}

void VideoTableView::SelectOnly(const QModelIndex& index) {
    const QItemSelectionModel::SelectionFlags command =
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (before_user_selection) before_user_selection(index, command);
    selectionModel()->setCurrentIndex(index, command);
}

void VideoTableView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit editRequested();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z' &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (find_row_starting_with) {
            const int row = find_row_starting_with(text[0]);
            if (row >= 0) {
                const QModelIndex target =
                    model()->index(row, currentIndex().isValid() ? currentIndex().column() : 0);
                SelectOnly(target);
                scrollTo(target);
            }
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

void VideoTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid()) emit editRequested();
}

void VideoTableView::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard (the menu key, Shift+F10) the menu opens at the current row.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect cell = visualRect(currentIndex());
        emit contextMenuRequested(
            viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint()));
        return;
    }
    const QModelIndex clicked = indexAt(event->pos());
    const bool selected = row_selected ? row_selected(clicked.row())
                                       : selectionModel()->isRowSelected(clicked.row(), {});
    if (clicked.isValid() && !selected) SelectOnly(clicked);
    emit contextMenuRequested(event->globalPos());
}

}  // namespace gui
