#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures of the program folder's res/ are SVG files; windows show them as pixmaps drawn for
// the screen's pixel density, so they stay sharp on high-density screens.
namespace gui {

// The file drawn at `size` (logical pixels) for `device_pixel_ratio`; a null pixmap when the file
// is missing or is not a valid SVG.
QPixmap RenderSvg(const QString& path, QSize size, qreal device_pixel_ratio);

// The size the file declares (its width and height), or `fallback` when it cannot be read.
QSize SvgDefaultSize(const QString& path, QSize fallback);

}  // namespace gui
