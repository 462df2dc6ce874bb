// The operations behind the main window's command numbers.
#include <QApplication>
#include <QUrl>

#include "app/command_ids.h"
#include "app/database_commands.h"
#include "app/sort_commands.h"
#include "core/paths.h"
#include "gui/accessories/about_dialog.h"
#include "gui/accessories/system_info.h"
#include "gui/accessories/system_info_dialog.h"
#include "gui/main_window.h"
#include "gui/open_html_list_dialog.h"
#include "gui/properties/database_properties_dialog.h"
#include "gui/startup_sequence.h"
#include "gui/text_bytes.h"

namespace gui {
namespace cmd = app::cmd;

namespace {

const char* const kWizardWithoutDatabaseTip =
    "First create or open a video database before\nusing the Video Import Wizard.\n\nTo open an "
    "existing database:\n\n   Click the open button on the toolbar\n   or select open in the file "
    "menu.\n\nTo create a new database:\n\n   Click the new button on the toolbar\n   or select "
    "new "
    "in the file menu.";

}  // namespace

void MainWindow::RegisterOperations() {
    app::Session& s = session_;
    app::DatabaseServices& d = database_services_;
    auto& op = operations_;
    auto unless_read_only = [&s](std::function<void()> operation) {
        return [&s, operation] {
            if (!s.ReadOnly()) operation();
        };
    };

    // File
    op[cmd::kNew] = [&] { app::NewCommand(s, d); };
    op[cmd::kOpen] = [&] { app::OpenCommand(s, d); };
    op[cmd::kSave] = [&] { app::SaveCommand(s, d); };
    op[cmd::kSaveAs] = [&] { app::SaveAsCommand(s, d); };
    op[cmd::kRestoreBackup] = [&] { app::RestoreBackupCommand(s, d); };
    op[cmd::kClose] = [&] { app::ConfirmCloseDatabase(s, d); };
    op[cmd::kDelete] = [&] { app::DeleteDatabaseCommand(s, d); };
    op[cmd::kLogout] = [&] { app::LogoutCommand(s, d); };
    op[cmd::kPrint] = [this] { OpenPrintOptions(false); };
    op[cmd::kProperties] = [this, &s] {
        if (!s.IsOpen()) return;
        DatabasePropertiesDialog dialog(views::StatisticsSourceOf(s),
                                        FromBytes(core::JoinPath(
                                            core::ParentFolderOf(s.paths.help), "databases.html")),
                                        this);
        dialog.exec();
    };
    op[cmd::kExit] = [this] { close(); };
    op[cmd::kSettings] = [this] { OpenSettings(app::SettingsPage::kDatabase); };

    // Tool bar
    op[cmd::kToolNew] = op[cmd::kNew];
    op[cmd::kToolOpen] = op[cmd::kOpen];
    op[cmd::kToolSave] = unless_read_only(op[cmd::kSave]);
    op[cmd::kToolSaveAs] = unless_read_only(op[cmd::kSaveAs]);
    op[cmd::kToolPrint] = op[cmd::kPrint];
    op[cmd::kToolWanted] = [this] { TogglePane(wanted_dock_); };
    op[cmd::kToolDetails] = [this] { TogglePane(details_dock_); };
    op[cmd::kToolPlayer] = [this] { TogglePane(player_dock_); };
    op[cmd::kToolSettings] = [this] { OpenSettings(last_settings_page_); };

    // View
    op[cmd::kStatusBar] = [this] { status_->setVisible(status_->isHidden()); };
    op[cmd::kToolBar] = [this] { tool_bar_->setVisible(tool_bar_->isHidden()); };
    op[cmd::kVideoDetails] = op[cmd::kToolDetails];
    op[cmd::kVideoPlayer] = op[cmd::kToolPlayer];
    op[cmd::kWantedVideos] = op[cmd::kToolWanted];
    op[cmd::kTextView] = [this, &s] {
        s.config.video_list_view_mode = false;
        my_videos_->SetImageView(false);
    };
    op[cmd::kImageView] = [this, &s] {
        s.config.video_list_view_mode = true;
        my_videos_->SetImageView(true);
    };
    op[cmd::kFullScreen] = [this] { SetFullScreen(true); };
    op[cmd::kNormal] = [this] { SetFullScreen(false); };
    op[cmd::kTipsAndTricks] = [this] { ShowTipsAndTricks(*this); };
    op[cmd::kLayout] = [this] { OpenSettings(app::SettingsPage::kLayout); };

    // List
    op[cmd::kSelectAll] = [this, &s] {
        if (s.Videos.RowCount() == 0) return;
        for (int row = 0; row < s.Videos.RowCount(); ++row) s.Videos.Select(row, true);
        my_videos_->ShowListSelection();
    };
    op[cmd::kPrintSelected] = [this] { OpenPrintOptions(true); };
    op[cmd::kListProperties] = [this] { OpenSettings(app::SettingsPage::kMyVideos); };
    op[cmd::kGridlines] = [this, &s] {
        s.config.video_list_grid_visible = !s.config.video_list_grid_visible;
        my_videos_->SetGridVisible(s.config.video_list_grid_visible);
    };

    // Player
    op[cmd::kPlayerShow] = op[cmd::kToolPlayer];
    op[cmd::kPlayerFloat] = [this] { player_dock_->setFloating(true); };
    op[cmd::kPlayerDock] = [this] { player_dock_->setFloating(false); };
    op[cmd::kPlayerOpenFile] = [this] { player_widget_->OpenFile(); };
    op[cmd::kPlayerOpenDvd] = [this] { player_widget_->OpenDvd(); };
    op[cmd::kPlayerOpenUrl] = [this] { player_widget_->OpenUrl(); };

    // Tools
    op[cmd::kVdbSearch] = [this] { OpenOnlinePage("vdb/"); };
    op[cmd::kVdbBoxOffice] = [this] { OpenOnlinePage("vdb/boxoffice/"); };
    op[cmd::kVdbComingSoon] = [this] { OpenOnlinePage("vdb/upcoming/"); };
    op[cmd::kOpenDatabaseFolder] = [this, &s] {
        if (s.IsOpen()) shell_.Open(core::ParentFolderOf(s.CurrentDatabasePath));
    };
    op[cmd::kOpenImageFolder] = [this, &s] {
        if (!s.ImageFolder.empty()) shell_.Open(s.ImageFolder);
    };
    op[cmd::kOpenHtmlList] = [this, &s, &d] {
        html::OpenHtmlListWindow window(s, d, downloader_);
        OpenHtmlListDialog dialog(window, this);
        dialog.exec();
    };
    op[cmd::kHtmlMyVideos] = [this] { OpenPageSetup(html::ListKind::kMyVideos); };
    op[cmd::kHtmlWanted] = [this] { OpenPageSetup(html::ListKind::kWanted); };
    op[cmd::kHtmlBoth] = [this] { OpenPageSetup(html::ListKind::kBoth); };
    op[cmd::kSystemInformation] = [this] {
        SystemInfoDialog dialog(this);
        dialog.exec();
    };

    // Help
    op[cmd::kHelpContents] = [this] { help_.ShowContents(); };
    op[cmd::kHelpGuide] = [this] { OpenOnlinePage("rd/1.0/guide/"); };
    op[cmd::kCheckForNewVersion] = [this] { OpenOnlinePage("rd/1.0/upgrade/?v=1.0"); };
    op[cmd::kSendFeedback] = [this] {
        const QString query =
            QString("contact/?pr=Reeldeck 1.0&ca=Feedback&sr=1&os=%1&ra=%2")
                .arg(QString::fromUtf8(QUrl::toPercentEncoding(OperatingSystemText())))
                .arg(QString::number(InstalledMemoryMegabytes(), 'f', 0) + " MB");
        OpenOnlinePage(ToBytes(query));
    };
    op[cmd::kHelpTips] = op[cmd::kTipsAndTricks];
    op[cmd::kAbout] = [this] {
        AboutDialog dialog(res_folder_, this);
        dialog.exec();
    };
    op[cmd::kOnline] = [this] {
        shell_.Open(service_.product_site_url.empty() ? service_.base_url
                                                      : service_.product_site_url);
    };
}

bool MainWindow::HasOperation(int command) const {
    if (command >= cmd::kRecentFirst && command <= cmd::kRecentLast) return true;
    if (command >= cmd::kMarkCategoryBase && command < cmd::kSortDescendingBase + 100) return true;
    return operations_.count(command) != 0;
}

bool MainWindow::RunCommand(int command, QAction* action) {
    status_->ShowHelpLine(FromBytes(app::HelpLine({})));
    if (command == cmd::kToolWizard && !session_.IsOpen()) {
        ShowTip(kWizardWithoutDatabaseTip);
        return true;
    }
    if (command >= cmd::kRecentFirst && command <= cmd::kRecentLast) {
        // The label is "n path": the path is what follows the number and the blank.
        const QString label = action ? action->text() : QString();
        const std::string path = ToBytes(label.mid(label.indexOf(' ') + 1));
        if (!path.empty() && core::FileExists(path))
            app::OpenRecentCommand(session_, database_services_, path);
        return true;
    }
    if (command >= cmd::kSortAscendingBase && command < cmd::kSortDescendingBase + 100) {
        app::SortMenuCommand(session_, command);
        return true;
    }
    if (command >= cmd::kMarkCategoryBase && command < cmd::kSortAscendingBase) {
        RunValueCommand(command, action);
        return true;
    }
    auto operation = operations_.find(command);
    if (operation == operations_.end()) return false;
    operation->second();
    // The bars, full screen and the list's view change only here and tell no one else.
    ApplyAllRules();
    return true;
}

void MainWindow::TogglePane(PaneDock* dock) {
    const bool show = dock->isHidden();
    dock->setVisible(show);
    if (show) dock->raise();
}

void MainWindow::ApplyPlayerAlwaysVisible() {
    const bool on_top = player_widget_->AlwaysVisible() && player_dock_->isFloating();
    if (player_dock_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on_top) return;
    const bool shown = player_dock_->isVisible();
    player_dock_->setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (shown) player_dock_->show();  // changing a window's flags hides it
}

void MainWindow::OpenOnlinePage(const std::string& path) {
    std::string base = service_.base_url;
    if (!base.empty() && base.back() != '/') base += '/';
    shell_.Open(base + path);
}

void MainWindow::SetFullScreen(bool full_screen) {
    if (full_screen == full_screen_) return;
    full_screen_ = full_screen;
    if (full_screen) {
        was_maximized_ = isMaximized();
        showFullScreen();
    } else if (was_maximized_) {
        showMaximized();
    } else {
        showNormal();
    }
}

void MainWindow::ShowTip(const char* text) {
    prompts().Message(text, "Reeldeck Tip", platform::Buttons::kOk, platform::Icon::kInformation);
}

void MainWindow::HeaderClicked(int list_index) {
    app::HeaderClick(session_, list_index);
    // An empty list changes no rows, but the indicators follow the click.
    my_videos_->UpdateCaption();
    FillSortMenus();
}

}  // namespace gui
