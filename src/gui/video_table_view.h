#pragma once

#include <QItemSelectionModel>
#include <QTableView>
#include <functional>

namespace gui {

// The My Videos list: keys and mouse as the catalogue wants them. Enter and a double click ask
// to edit, a right click asks for the List menu, a capital letter jumps to the first row whose
// sorted column begins with it.
// Selected rows are drawn as the list's own row flags say, not as Qt's selection model does: a
// search may select a hundred thousand scattered rows, and Qt checks every drawn cell against
// every selected range.
class VideoTableView final : public QTableView {
    Q_OBJECT
  public:
    explicit VideoTableView(QWidget* parent = nullptr);

    // The row a typed capital letter jumps to, or -1 to stay.
    std::function<int(QChar letter)> find_row_starting_with;
    // Whether the list holds the row as selected: what is drawn and what a right click keeps.
    std::function<bool(int row)> row_selected;
    // Called before the user's click or key changes the selection with this command.
    std::function<void(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)>
        before_user_selection;

  signals:
    void editRequested();
    void contextMenuRequested(const QPoint& global_position);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Makes the row the current one and the whole selection.
    void SelectOnly(const QModelIndex& index);
};

}  // namespace gui
