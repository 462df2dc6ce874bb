#pragma once

#include <QTableView>
#include <functional>

namespace gui {

// The My Videos list: keys and mouse as the catalogue wants them. Enter and a double click ask
// to edit, a right click asks for the List menu, a capital letter jumps to the first row whose
// sorted column begins with it.
class VideoTableView final : public QTableView {
    Q_OBJECT
  public:
    explicit VideoTableView(QWidget* parent = nullptr);

    // The row a typed capital letter jumps to, or -1 to stay.
    std::function<int(QChar letter)> find_row_starting_with;

  signals:
    void editRequested();
    void contextMenuRequested(const QPoint& global_position);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace gui
