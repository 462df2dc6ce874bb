// The Settings window opened from the main window: Apply and OK store the pages and the main
// window shows them at once.
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "gui/settings_dialog.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;

using SettingsDialogTest = GuiFixture;

// Changes on every page: grid lines off, "Misc 4" shown and renamed "Disc", Wanted Videos hidden,
// Video Details floating, no password protection; then the status bar hidden and OK.
TEST_F(SettingsDialogTest, ApplyAndOkStoreEveryPageAndTheWindowShowsItAtOnce) {
    login_.ExpectWindow({ScriptedLogin::Ok("Ann", "pw")});
    const std::string main =
        WriteDatabase("films.rdk", 3, 0, {}, {{"Ann", "pw", core::kFullAccess, "", ""}});
    Open(main);
    gui::VideoTableView* list = window_->myVideos()->view();
    const int misc = Column("Misc 4");
    EXPECT_TRUE(list->horizontalHeader()->isSectionHidden(misc));

    InModal(cmd::kListProperties, "settingsDialog", [&](QDialog& dialog) {
        EXPECT_EQ(Find<QTabWidget>(dialog, "pages")->currentIndex(), 1);  // My Videos
    });
    InModal(cmd::kLayout, "settingsDialog", [&](QDialog& dialog) {
        EXPECT_EQ(Find<QTabWidget>(dialog, "pages")->currentIndex(), 2);  // Layout
        Find<QCheckBox>(dialog, "gridlines")->setChecked(false);
        Find<QListWidget>(dialog, "hiddenColumns")->setCurrentRow(0);
        Click(Find(dialog, "showColumn"));
        auto* name = Find<QLineEdit>(dialog, "columnName");
        EXPECT_EQ(name->text(), "Misc 4");
        name->setText("Disc");
        Click(Find(dialog, "changeName"));
        Find<QCheckBox>(dialog, "paneShown6")->setChecked(false);    // Wanted Videos
        Find<QRadioButton>(dialog, "paneFloat4")->setChecked(true);  // Video Details
        Find<QCheckBox>(dialog, "passwordProtect")->setChecked(false);
        Click(Find(dialog, "applyButton"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(list->showGrid());
        EXPECT_FALSE(list->horizontalHeader()->isSectionHidden(misc));
        EXPECT_EQ(list->model()->headerData(misc, Qt::Horizontal).toString(), "Disc");
        EXPECT_TRUE(window_->dock("wantedDock")->isHidden());
        EXPECT_TRUE(window_->dock("detailsDock")->isFloating());
        EXPECT_TRUE(session_->Accounts.empty());
        Find<QCheckBox>(dialog, "paneShown0")->setChecked(false);  // Status Bar
        Click(Find(dialog, "okButton"));
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(window_->status()->isHidden());
    EXPECT_TRUE(session_->Modified);
    EXPECT_NE(window_->windowTitle().indexOf("*films.rdk"), -1);

    // Kept where the program keeps them: cfg.txt at once, the accounts file of the database.
    RestartSettings();
    EXPECT_FALSE(config_.video_list_grid_visible);
    EXPECT_FALSE(config_.wanted_videos_visible);
    EXPECT_FALSE(config_.video_details_docked);
    EXPECT_FALSE(config_.status_bar_visible);
    std::vector<core::UserAccount> accounts;
    EXPECT_EQ(core::ReadAccounts(accounts, core::DatabaseNamesOf(main).accounts).value, 0);

    // The tool-bar button opens the page shown last.
    InModal(cmd::kToolSettings, "settingsDialog", [&](QDialog& dialog) {
        EXPECT_EQ(Find<QTabWidget>(dialog, "pages")->currentIndex(), 2);
    });
}

}  // namespace
