// The Settings window and what its Apply changes in the main window.
#include "gui/main_window.h"
#include "gui/settings_dialog.h"

namespace gui {

void MainWindow::OpenSettings(app::SettingsPage page) {
    // A read-only user could otherwise lift the database's protection on the Database page.
    if (session_.ReadOnly()) return;
    // The window starts from what is on screen, whichever way the panes were last changed.
    StorePanes();
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
    const config::ProgramConfig& c = session_.config;
    wanted_dock_->Restore(c.wanted_videos_visible, c.wanted_videos_docked, c.wanted_videos_float);
    details_dock_->Restore(c.video_details_visible, c.video_details_docked, c.video_details_float);
    player_dock_->Restore(c.video_player_visible, c.video_player_docked, c.video_player_float);
    ApplySearchPanes();
    status_->setVisible(c.status_bar_visible);
    tool_bar_->setVisible(c.tool_bar_visible);
}

}  // namespace gui
