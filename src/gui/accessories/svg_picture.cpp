#include "gui/accessories/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace gui {

QPixmap RenderSvg(const QString& path, QSize size, qreal device_pixel_ratio) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || size.isEmpty()) return {};
    QPixmap pixmap(size * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The renderer fills the painter's window, which is in logical pixels.
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QSize SvgDefaultSize(const QString& path, QSize fallback) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return fallback;
    return renderer.defaultSize();
}

}  // namespace gui
