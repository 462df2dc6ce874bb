#include "gui/editor/picture_area.h"

#include <QImageReader>
#include <QPainter>

namespace gui {

PictureArea::PictureArea(QString empty_text, QWidget* parent)
    : QFrame(parent), empty_text_(std::move(empty_text)) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void PictureArea::ShowPicture(const QString& path) {
    if (path == path_) return;
    path_ = path;
    pixmap_ = QPixmap();
    decoded_for_ = QSize();
    update();
}

bool PictureArea::ShowsPicture() {
    Decode();
    return !pixmap_.isNull();
}

void PictureArea::Decode() {
    const QSize room = contentsRect().size() - QSize(8, 8);
    if (decoded_for_ == room) return;
    decoded_for_ = room;
    pixmap_ = QPixmap();
    if (path_.isEmpty() || room.isEmpty()) return;
    QImageReader reader(path_);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) reader.setScaledSize(full.scaled(room, Qt::KeepAspectRatio));
    pixmap_ = QPixmap::fromImage(reader.read());
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    Decode();
    QPainter painter(this);
    const QRect area = contentsRect();
    if (pixmap_.isNull()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         empty_text_);
        return;
    }
    QRect target(QPoint(), pixmap_.size().scaled(area.size() - QSize(8, 8), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pixmap_);
}

}  // namespace gui
