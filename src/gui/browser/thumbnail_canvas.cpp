#include "gui/browser/thumbnail_canvas.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include "gui/text_bytes.h"

namespace gui {
namespace {

QRect ToQRect(const views::PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

}  // namespace

ThumbnailCanvas::ThumbnailCanvas(const QString& res_folder, QWidget* parent)
    : QWidget(parent),
      flag_marker_(res_folder + "/ivflag.gif"),
      viewed_marker_(res_folder + "/ivview.gif") {
    setObjectName("thumbnailCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Images");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ThumbnailCanvas::SetPage(const std::vector<views::Thumbnail>& page,
                              std::function<bool(int)> selected) {
    page_ = &page;
    selected_ = std::move(selected);
    images_.assign(page.size(), QImage());
    UpdateHeight();
    update();
}

void ThumbnailCanvas::SetGrid(const views::ImageGrid& grid) {
    grid_ = grid;
    UpdateHeight();
    update();
}

void ThumbnailCanvas::UpdateHeight() {
    setMinimumHeight(grid_.ContentHeight(Count()));
}

void ThumbnailCanvas::SetImage(int index, const QImage& image) {
    if (index < 0 || index >= static_cast<int>(images_.size())) return;
    images_[static_cast<std::size_t>(index)] = image;
    update(ThumbnailRect(index));
}

bool ThumbnailCanvas::HasImage(int index) const {
    return index >= 0 && index < static_cast<int>(images_.size()) &&
           !images_[static_cast<std::size_t>(index)].isNull();
}

void ThumbnailCanvas::RefreshThumbnail(int index) {
    if (index >= 0 && index < Count()) update(ThumbnailRect(index));
}

QRect ThumbnailCanvas::ThumbnailRect(int index) const {
    // The frame of a selected thumbnail reaches into the space around it.
    return ToQRect(grid_.ImageRect(index))
        .united(ToQRect(grid_.CaptionRect(index)))
        .adjusted(-3, -3, 3, 3);
}

void ThumbnailCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    const QColor box_ground(40, 40, 40);
    const QColor highlight = palette().highlight().color();
    const QFontMetrics metrics(font());
    for (int index = 0; index < Count(); ++index) {
        const QRect whole = ThumbnailRect(index);
        if (!whole.intersects(event->rect())) continue;
        const views::Thumbnail& thumbnail = (*page_)[static_cast<std::size_t>(index)];
        const QRect box = ToQRect(grid_.ImageRect(index));
        const QRect caption = ToQRect(grid_.CaptionRect(index));
        const bool selected = selected_ && selected_(index);

        painter.fillRect(box, box_ground);
        const QImage& image = images_[static_cast<std::size_t>(index)];
        if (!image.isNull()) {
            QRect target(QPoint(0, 0), image.size().scaled(box.size(), Qt::KeepAspectRatio));
            target.moveCenter(box.center());
            painter.drawImage(target, image);
        }
        if (thumbnail.flagged && !flag_marker_.isNull())
            painter.drawImage(box.topLeft() + QPoint(2, 2), flag_marker_);
        if (thumbnail.viewed && !viewed_marker_.isNull()) {
            painter.drawImage(box.topRight() - QPoint(viewed_marker_.width() + 1, -2),
                              viewed_marker_);
        }
        if (selected) {
            painter.fillRect(caption, highlight);
            painter.setPen(QPen(highlight, 3));
            painter.drawRect(box.adjusted(-1, -1, 1, 1));
        }
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        const QString title = FromBytes(thumbnail.title);
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignVCenter,
                         metrics.elidedText(title, Qt::ElideRight, caption.width()));
    }
}

void ThumbnailCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const QPoint at = event->position().toPoint();
    const int index = grid_.IndexAt(at.x(), at.y(), Count());
    if (index >= 0 && event->button() == Qt::LeftButton)
        emit thumbnailClicked(index, event->modifiers());
}

void ThumbnailCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int index = grid_.IndexAt(at.x(), at.y(), Count());
    if (index >= 0) emit thumbnailActivated(index);
}

void ThumbnailCanvas::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard the menu is for the selection, in the middle of what is in view.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        emit contextMenuRequested(-1, mapToGlobal(visibleRegion().boundingRect().center()));
        return;
    }
    emit contextMenuRequested(grid_.IndexAt(event->pos().x(), event->pos().y(), Count()),
                              event->globalPos());
}

void ThumbnailCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            emit arrowPressed(views::Arrow::kLeft);
            return;
        case Qt::Key_Right:
            emit arrowPressed(views::Arrow::kRight);
            return;
        case Qt::Key_Up:
            emit arrowPressed(views::Arrow::kUp);
            return;
        case Qt::Key_Down:
            emit arrowPressed(views::Arrow::kDown);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit enterPressed();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool ThumbnailCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = grid_.IndexAt(help->pos().x(), help->pos().y(), Count());
        if (tips_ && index >= 0) {
            QToolTip::showText(
                help->globalPos(),
                FromBytes(views::ThumbnailTip((*page_)[static_cast<std::size_t>(index)])), this,
                ThumbnailRect(index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace gui
