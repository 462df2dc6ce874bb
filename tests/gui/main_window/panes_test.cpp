// The panes and bars around the list: shown, hidden, docked and floating, across a restart.
#include <QCoreApplication>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;
using PanesTest = GuiFixture;

TEST_F(PanesTest, ViewCommandsToggleWhatTheyShowAndCheckTheirItems) {
    const struct {
        int command;
        const char* menu;
        std::function<bool()> shown;
    } toggles[] = {
        {cmd::kWantedVideos, "view", [&] { return !window_->dock("wantedDock")->isHidden(); }},
        {cmd::kToolWanted, "view", [&] { return !window_->dock("wantedDock")->isHidden(); }},
        {cmd::kVideoDetails, "view", [&] { return !window_->dock("detailsDock")->isHidden(); }},
        {cmd::kStatusBar, "view", [&] { return !window_->status()->isHidden(); }},
        {cmd::kGridlines, "list", [&] { return window_->myVideos()->view()->showGrid(); }},
        {cmd::kFullScreen, "view", [&] { return window_->isFullScreen(); }},
    };
    for (const auto& toggle : toggles) {
        const bool before = toggle.shown();
        EXPECT_TRUE(window_->RunCommand(toggle.command)) << toggle.command;
        EXPECT_EQ(toggle.shown(), !before) << toggle.command;
        window_->PrepareMenu(toggle.menu);
        QAction* item = Action(toggle.command);
        EXPECT_TRUE(item == nullptr || item->isChecked() != before) << toggle.command;
    }
    EXPECT_EQ(config_.video_list_grid_visible, window_->myVideos()->view()->showGrid());
}

TEST_F(PanesTest, SearchAndReplaceShareOneDockedPlaceWhichAQuickFindTakesForItsTitles) {
    Open(WriteDatabase("films.rdk", 4, 0, {"Drama", "Comedy"}));
    gui::PaneDock* search = window_->dock("searchDock");
    gui::PaneDock* replace = window_->dock("replaceDock");
    if (search->isHidden()) window_->RunCommand(cmd::kTextSearch);
    ASSERT_FALSE(search->isHidden());
    window_->RunCommand(cmd::kTextReplace);
    EXPECT_FALSE(replace->isHidden());
    EXPECT_TRUE(search->isHidden());

    // A click on the shown record's category link.
    window_->myVideos()->view()->selectRow(1);
    auto* details = window_->findChild<QTextBrowser*>("detailsText");
    QTextCursor at(details->document());
    at.setPosition(static_cast<int>(details->toPlainText().indexOf("Comedy")) + 2);
    QTest::mouseClick(details->viewport(), Qt::LeftButton, {}, details->cursorRect(at).center());
    EXPECT_FALSE(search->isHidden());
    EXPECT_TRUE(replace->isHidden());
    EXPECT_EQ(search->windowTitle(), "Search - 2");
    EXPECT_EQ(session_->Videos.SelectedRows(), (std::vector<int>{1, 3}));
}

TEST_F(PanesTest, VisibilityDockingAndFloatingGeometrySurviveARestart) {
    gui::PaneDock* details = window_->dock("detailsDock");
    details->setFloating(true);
    details->setGeometry(120, 130, 333, 222);
    if (!window_->dock("wantedDock")->isHidden()) window_->RunCommand(cmd::kWantedVideos);
    window_->RunCommand(cmd::kStatusBar);  // hides the status bar
    ASSERT_TRUE(window_->close());

    RestartSettings();
    EXPECT_FALSE(config_.first_start);
    CreateWindow();
    EXPECT_TRUE(window_->dock("detailsDock")->isFloating());
    EXPECT_EQ(window_->dock("detailsDock")->geometry().width(), 333);
    EXPECT_TRUE(window_->dock("wantedDock")->isHidden());
    EXPECT_TRUE(window_->status()->isHidden());
}

TEST_F(PanesTest, TheDetailsPaneOpensWideEnoughToReadAndTheDockSizesSurviveARestart) {
    gui::PaneDock* details = window_->dock("detailsDock");
    ASSERT_TRUE(details->isVisible() && !details->isFloating());
    EXPECT_GE(details->width(), 320);
    // Narrower than it opens: what comes back is the user's choice, not the default.
    window_->resizeDocks({details}, {280}, Qt::Horizontal);
    QCoreApplication::processEvents();
    ASSERT_EQ(details->width(), 280);
    ASSERT_TRUE(window_->close());

    RestartSettings();
    CreateWindow();
    EXPECT_EQ(window_->dock("detailsDock")->width(), 280);
}

}  // namespace
