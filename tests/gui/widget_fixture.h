#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <string>

#include "fakes/fake_image_converter.h"
#include "fakes/list_session.h"
#include "scripted_prompts.h"

// Ways to drive widgets as a user does, for every window's tests.
struct WidgetDriving {
    // A child widget by its object name; fails the test when there is none.
    template <typename Widget = QWidget>
    static Widget* Find(const QWidget& parent, const char* name) {
        auto* widget = parent.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Replaces a field's text as the user would: select all, then type.
    static void TypeOver(QWidget* widget, const QString& text) {
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) QTest::keyClick(widget, Qt::Key_Delete);
        QTest::keyClicks(widget, text);
    }
    // A plain picture of `format` ("PNG", "JPEG", "BMP"), as bytes or written to `path`.
    static std::string PictureBytes(const char* format, QSize size = {48, 64}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 40));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes.toStdString();
    }
    static std::string WritePicture(const std::string& path, const char* format,
                                    QSize size = {48, 64}) {
        WriteFileBytes(path, PictureBytes(format, size));
        return path;
    }
};

// What the editor and pane tests share: an open database in a temporary program folder (see
// ListSession) and questions answered from a script that must be used up.
class WidgetFixture : public ListSession, public WidgetDriving {
  protected:
    ~WidgetFixture() override { EXPECT_EQ(prompts_.Unused(), ""); }

    ScriptedPrompts prompts_;
    FakeImageConverter converter_;
};
