#pragma once

#include <QBoxLayout>
#include <QMenu>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gui/panes/image_panel.h"
#include "views/video_details.h"

namespace gui {

// The Video Details pane: the shown record's text with its QuickFind links, and its picture.
// Beside each other in a wide pane, one over the other in a narrow one.
class DetailsPaneWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit DetailsPaneWidget(views::VideoDetails& details, QWidget* parent = nullptr);

    // "Video Details - Alien", for the dock's title.
    QString Caption() const { return caption_; }
    // Shows a My Videos row (-1 leaves the pane as it is).
    void ShowRecord(int row);
    // Shows nothing: the record is gone or the database closed.
    void Clear();
    // Shows the model again.
    void Refresh();

    // The context menus, built from the model's items as a right click shows them.
    QMenu* NewPaneMenu(QWidget* parent);
    QMenu* NewImageMenu(QWidget* parent);

    QTextBrowser* text() const { return text_; }
    ImagePanel* image() const { return image_; }

  signals:
    void captionChanged(const QString& caption);
    // What the status bar shows while the pointer rests on a link or a menu item; empty after.
    void statusText(const QString& text);
    // A link searched for its text: the Search pane and the list's selection are to be shown.
    void quickFindRan();
    // The pane menu's "More Videos", "Print..." and "Hide Video Details".
    void moreVideosRequested();
    void printRequested();
    void hideRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // What each menu item's label does.
    using Operations = std::map<std::string, std::function<void()>, std::less<>>;
    QMenu* NewMenu(const std::vector<views::PaneMenuItem>& items, const Operations& operations,
                   const QString& object_name, QWidget* parent);
    void ShowText();
    void ShowImage();
    void ShowCaption();
    void LinkHovered(const QUrl& link);
    void LinkClicked(const QUrl& link);

    views::VideoDetails& details_;
    QString caption_;
    QBoxLayout* layout_;
    QTextBrowser* text_;
    ImagePanel* image_;
};

}  // namespace gui
