#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app/wanted_pane.h"
#include "fakes/fake_image_converter.h"
#include "fakes/list_session.h"
#include "online/search_panes.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "scripted_prompts.h"
#include "views/video_details.h"

// An open database with the shipped column table in a temporary program folder (with the
// program's pictures), and the models of the four panes over it, as the main window holds them.
// A QuickFind link searches through the Search pane's model.
class PaneFixture : public ListSession {
  protected:
    PaneFixture() {
        std::filesystem::copy(std::string(REELDECK_SOURCE_DATA) + "/res", paths_.folder + "/res",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        config_.prompt_before_delete = true;
        config_.place_the_in_back = false;
        config_.video_details_links_active = true;
    }
    ~PaneFixture() override { EXPECT_EQ(prompts_.Unused(), ""); }

    // Shows a pane in a window of its own, at the size of a docked pane unless told otherwise.
    template <typename Pane>
    Pane* Show(std::unique_ptr<Pane>& pane, QSize size = QSize(260, 450)) {
        pane->resize(size);
        pane->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
        pane->activateWindow();  // the focus rules need an active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(pane.get()));
        return pane.get();
    }

    template <typename Child>
    Child* Find(QWidget* pane, const char* name) const {
        Child* child = pane->findChild<Child*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    ScriptedPrompts prompts_;
    FakeImageConverter converter_;
    online::SearchPanes panes_{config_};
    online::TextSearch search_{session_, panes_};
    online::TextReplace replace_{session_, panes_, prompts_};
    app::WantedPane wanted_{session_, prompts_};
    views::VideoDetails details_{session_, prompts_, converter_,
                                 [this](const std::string& text) { search_.QuickFind(text); }};
};
