// The Settings window and what its Apply changes in the main window.
#include "gui/main_window.h"
#include "gui/settings_dialog.h"

namespace gui {

void MainWindow::OpenSettings(app::SettingsPage page) {
    // A read-only user could otherwise lift the database's protection on the Database page.
    if (session_.ReadOnly()) return;
    // The window starts from what is on screen, whichever way the panes were last changed.
    config::ProgramConfig& c = session_.config;
    config::WindowGeometry sizes_kept_for_exit;
    wanted_dock_->Store(c.wanted_videos_visible, c.wanted_videos_docked, sizes_kept_for_exit);
    details_dock_->Store(c.video_details_visible, c.video_details_docked, sizes_kept_for_exit);
    player_dock_->Store(c.video_player_visible, c.video_player_docked, sizes_kept_for_exit);
    KeepSearchPanesInConfig();
    c.status_bar_visible = !status_->isHidden();
    c.tool_bar_visible = !tool_bar_->isHidden();
    app::SettingsWindow window(session_, prompts());
    SettingsDialog dialog(window, page, help_, res_folder_, this);
    connect(&dialog, &SettingsDialog::applied, this, &MainWindow::SettingsApplied);
    dialog.exec();
    last_settings_page_ = dialog.CurrentPage();
}

void MainWindow::SettingsApplied(bool columns_changed) {
    my_videos_->SetGridVisible(session_.config.video_list_grid_visible);
    if (columns_changed) {
        my_videos_->Reload();
        FillSortMenus();
        text_search_.RefillInside();
        text_replace_.RefillInside();
        search_widget_->Refresh();
        replace_widget_->Refresh();
    }
    ApplyColumnWidths();
    ApplyPaneLayout();
    // The details follow the QuickFind option and the image folder.
    SelectionChanged();
    UpdateTitles();
    ApplyAllRules();
}

void MainWindow::ApplyPaneLayout() {
    config::ProgramConfig& c = session_.config;
    // A floating pane stays where the user put it.
    for (auto [dock, floating] : {std::pair{wanted_dock_, &c.wanted_videos_float},
                                  std::pair{details_dock_, &c.video_details_float},
                                  std::pair{player_dock_, &c.video_player_float}}) {
        bool visible = false;
        bool docked = false;
        dock->Store(visible, docked, *floating);
    }
    wanted_dock_->Restore(c.wanted_videos_visible, c.wanted_videos_docked, c.wanted_videos_float);
    details_dock_->Restore(c.video_details_visible, c.video_details_docked, c.video_details_float);
    player_dock_->Restore(c.video_player_visible, c.video_player_docked, c.video_player_float);
    ApplySearchPanes();
    status_->setVisible(c.status_bar_visible);
    tool_bar_->setVisible(c.tool_bar_visible);
}

}  // namespace gui
