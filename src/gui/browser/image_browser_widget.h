#pragma once

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include "app/session.h"
#include "gui/browser/thumbnail_canvas.h"
#include "gui/browser/thumbnail_loader.h"
#include "views/image_browser.h"

namespace gui {

// The image view of My Videos: a bar with the page choice, the list title, the image size, the
// space between images and the view and sort switches, over the scrolled page of thumbnails.
// Choosing thumbnails selects their records in the session's list; the list's selection shows
// on the thumbnails.
class ImageBrowserWidget final : public QWidget {
    Q_OBJECT
  public:
    ImageBrowserWidget(app::Session& session, const QString& res_folder, QWidget* parent = nullptr);

    // The rows, their order or the image folder changed: walks the list again, keeping the
    // page. While the browser is hidden the walk waits until it is shown.
    void Rebuild(bool reset_page = false);
    // Shows the list's selection: the page of the first selected record, scrolled into view.
    void ShowListSelection();
    // Another database: the next walk starts on page 1 and the decoded thumbnails are dropped.
    void StartOver() {
        loader_.Clear();
        reset_pending_ = true;
    }

    const views::ImageBrowser& browser() const { return browser_; }
    ThumbnailLoader& loader() { return loader_; }
    ThumbnailCanvas* canvas() const { return canvas_; }
    QString ListTitle() const { return title_->text(); }

  signals:
    // The user chose thumbnails: the list's selection changed.
    void selectionChanged();
    void editRequested();
    void contextMenuRequested(const QPoint& global_position);
    void toggleViewRequested();
    void sortDirectionRequested();
    // "Loading images..." while a page is walked and decoded; empty when done.
    void statusText(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildBar();
    // Puts the browser's current page on the canvas and asks for its thumbnails.
    void ShowPage();
    void UpdateControls();
    void Relayout();
    views::ImageSize Size() const;
    void Clicked(int index, Qt::KeyboardModifiers modifiers);
    void MoveTo(int index);
    void Reveal(int index);

    app::Session& session_;
    views::ImageBrowser browser_;
    ThumbnailLoader loader_;
    ThumbnailCanvas* canvas_;
    QScrollArea* scroll_;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QComboBox* pages_ = nullptr;
    QLabel* title_ = nullptr;
    QToolButton* size_ = nullptr;
    QSpinBox* space_ = nullptr;
    bool dirty_ = true;  // the list changed while the browser was hidden
    bool filling_controls_ = false;
    bool reset_pending_ = false;
};

}  // namespace gui
