#include "editor_fixture.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

EditorFixture::~EditorFixture() {
    EXPECT_EQ(prompts_.Unused(), "");
}

std::unique_ptr<app::RecordEditor> EditorFixture::OpenEditor(app::RecordEditor::Mode mode) {
    return std::make_unique<app::RecordEditor>(
        session_, app::RecordEditor::Services{prompts_, converter_, downloader_, &help_}, mode);
}

void EditorFixture::TypeOver(QWidget* widget, const QString& text) {
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(widget, Qt::Key_Delete);
    } else {
        QTest::keyClicks(widget, text);
    }
}

std::string EditorFixture::PictureBytes(const char* format) {
    QImage image(48, 64, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::string EditorFixture::WritePicture(const std::string& name, const char* format) const {
    const std::string path = folder_ / name;
    WriteFileBytes(path, PictureBytes(format));
    return path;
}
