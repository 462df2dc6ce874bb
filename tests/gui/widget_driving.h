#pragma once
// Ways to drive widgets as a user does, for every window's tests.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <string>

#include "temp_folder.h"

// A child widget by its object name; fails the test when there is none.
template <typename Widget = QWidget>
Widget* Find(const QObject& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Replaces a field's text as the user would: select all, then type.
inline void TypeOver(QWidget* widget, const QString& text) {
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
}

// A plain picture of `format` ("PNG", "JPEG", "BMP"), as bytes or written to `path`.
inline std::string PictureBytes(const char* format, QSize size = {48, 64}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

inline std::string WritePicture(const std::string& path, const char* format,
                                QSize size = {48, 64}) {
    WriteFileBytes(path, PictureBytes(format, size));
    return path;
}
