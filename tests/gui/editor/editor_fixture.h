#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "app/record_editor.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "fakes/fake_image_converter.h"
#include "fakes/list_session.h"
#include "scripted_prompts.h"

// An open database in a temporary program folder (see ListSession), the record editor's
// services as fakes, and the questions answered from a script.
class EditorFixture : public ListSession {
  protected:
    ~EditorFixture() override;

    std::unique_ptr<app::RecordEditor> OpenEditor(app::RecordEditor::Mode mode);

    // A child widget by its object name; fails the test when there is none.
    template <typename Widget>
    static Widget* Find(const QWidget& parent, const char* name) {
        auto* widget = parent.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Replaces a line edit's text as the user would: select all, then type.
    static void TypeOver(QWidget* widget, const QString& text);

    // A real picture file of `format` ("PNG", "JPEG", "BMP") in the test folder.
    std::string WritePicture(const std::string& name, const char* format) const;
    // The bytes of a small picture of `format`.
    static std::string PictureBytes(const char* format);

    ScriptedPrompts prompts_;
    FakeImageConverter converter_;
    FakeDownloader downloader_;
    FakeHelp help_;
};
