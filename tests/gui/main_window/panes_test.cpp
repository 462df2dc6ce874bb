// The panes around the list: shown, hidden, docked and floating, across a restart.
#include <QTest>

#include "app/command_ids.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;
using PanesTest = GuiFixture;

TEST_F(PanesTest, TogglesShowAndHidePanesAndCheckTheirItems) {
    gui::PaneDock* wanted = window_->dock("wantedDock");
    const bool shown = !wanted->isHidden();
    window_->RunCommand(cmd::kWantedVideos);
    EXPECT_EQ(!wanted->isHidden(), !shown);
    window_->PrepareMenu("view");
    EXPECT_EQ(Action(cmd::kWantedVideos)->isChecked(), !shown);
    window_->RunCommand(cmd::kToolWanted);
    EXPECT_EQ(!wanted->isHidden(), shown);
}

TEST_F(PanesTest, SearchAndReplaceShareOneDockedPlace) {
    gui::PaneDock* search = window_->dock("searchDock");
    gui::PaneDock* replace = window_->dock("replaceDock");
    if (search->isHidden()) window_->RunCommand(cmd::kTextSearch);
    ASSERT_FALSE(search->isHidden());
    window_->RunCommand(cmd::kTextReplace);
    EXPECT_FALSE(replace->isHidden());
    EXPECT_TRUE(search->isHidden());
}

TEST_F(PanesTest, VisibilityDockingAndFloatingGeometrySurviveARestart) {
    gui::PaneDock* details = window_->dock("detailsDock");
    gui::PaneDock* wanted = window_->dock("wantedDock");
    details->setFloating(true);
    details->setGeometry(120, 130, 333, 222);
    if (!wanted->isHidden()) window_->RunCommand(cmd::kWantedVideos);
    window_->RunCommand(cmd::kStatusBar);  // hide the status bar
    ASSERT_TRUE(window_->close());

    RestartSettings();
    EXPECT_FALSE(config_.video_details_docked);
    EXPECT_FALSE(config_.wanted_videos_visible);
    EXPECT_FALSE(config_.status_bar_visible);
    EXPECT_EQ(config_.video_details_float.w, 333);
    EXPECT_FALSE(config_.first_start);

    CreateWindow();
    EXPECT_TRUE(window_->dock("detailsDock")->isFloating());
    EXPECT_EQ(window_->dock("detailsDock")->geometry().width(), 333);
    EXPECT_TRUE(window_->dock("wantedDock")->isHidden());
    EXPECT_TRUE(window_->status()->isHidden());
}

TEST_F(PanesTest, GridlinesAndTheirSettingToggle) {
    const bool before = config_.video_list_grid_visible;
    window_->RunCommand(cmd::kGridlines);
    EXPECT_EQ(config_.video_list_grid_visible, !before);
    EXPECT_EQ(window_->myVideos()->view()->showGrid(), !before);
}

TEST_F(PanesTest, FullScreenAndNormal) {
    window_->RunCommand(cmd::kFullScreen);
    window_->PrepareMenu("view");
    EXPECT_TRUE(Action(cmd::kFullScreen)->isChecked());
    EXPECT_FALSE(Action(cmd::kNormal)->isChecked());
    window_->RunCommand(cmd::kNormal);
    window_->PrepareMenu("view");
    EXPECT_TRUE(Action(cmd::kNormal)->isChecked());
}

}  // namespace
