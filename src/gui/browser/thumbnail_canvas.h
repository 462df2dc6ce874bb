#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "views/image_browser.h"
#include "views/image_grid.h"

namespace gui {

// The page of thumbnails, drawn in one widget: each image centred in its box over a dark
// ground, the caption under it, the flag and viewed markers on its corners and a frame around
// the selected ones. A thumbnail not decoded yet shows an empty box.
class ThumbnailCanvas final : public QWidget {
    Q_OBJECT
  public:
    ThumbnailCanvas(const QString& res_folder, QWidget* parent = nullptr);

    // The page to draw. `selected` tells whether a thumbnail's record is selected.
    void SetPage(const std::vector<views::Thumbnail>& page, std::function<bool(int)> selected);
    void SetGrid(const views::ImageGrid& grid);
    const views::ImageGrid& Grid() const { return grid_; }
    void SetTipsShown(bool shown) { tips_ = shown; }
    void SetImage(int index, const QImage& image);
    bool HasImage(int index) const;
    // The caption and markers of one thumbnail changed.
    void RefreshThumbnail(int index);
    QRect ThumbnailRect(int index) const;

  signals:
    void thumbnailClicked(int index, Qt::KeyboardModifiers modifiers);
    void thumbnailActivated(int index);
    void contextMenuRequested(int index, const QPoint& global_position);
    void arrowPressed(views::Arrow arrow);
    void enterPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void UpdateHeight();
    int Count() const { return static_cast<int>(page_ ? page_->size() : 0); }

    QImage flag_marker_;
    QImage viewed_marker_;
    const std::vector<views::Thumbnail>* page_ = nullptr;
    std::function<bool(int)> selected_;
    std::vector<QImage> images_;
    views::ImageGrid grid_{views::ImageSize::kNormal, 4, 0};
    bool tips_ = true;
};

}  // namespace gui
