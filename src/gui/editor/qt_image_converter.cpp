#include "gui/editor/qt_image_converter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QString>

#include "core/safe_file.h"

namespace gui {

bool QtImageConverter::ConvertToJpeg(const std::string& from, const std::string& to) {
    QImageReader reader(QString::fromStdString(from));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) return false;
    // JPEG has no transparency: transparent parts become white, not black.
    if (image.hasAlphaChannel()) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        opaque.setDevicePixelRatio(image.devicePixelRatio());
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        painter.end();
        image = opaque;
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) return false;

    // Written whole or not at all, like every file the program writes.
    const core::FileResult written = core::WriteFileSafely(to, [&](std::ostream& out) {
        out.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
        return out ? core::FileResult::Success() : core::FileResult::Failure(to, "write failed");
    });
    return written.ok();
}

}  // namespace gui
