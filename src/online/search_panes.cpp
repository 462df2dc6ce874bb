#include "online/search_panes.h"

namespace online {

void SearchPanes::ShowSearch() {
    if (config_.search_window_docked && config_.replace_window_docked) {
        config_.replace_window_visible = false;
    }
    config_.search_window_visible = true;
}

void SearchPanes::ShowReplace() {
    if (config_.replace_window_docked && config_.search_window_docked) {
        config_.search_window_visible = false;
    }
    config_.replace_window_visible = true;
}

void SearchPanes::ToggleSearchDocked() {
    config_.search_window_docked = !config_.search_window_docked;
    if (config_.search_window_docked && config_.search_window_visible) ShowSearch();
}

void SearchPanes::ToggleReplaceDocked() {
    config_.replace_window_docked = !config_.replace_window_docked;
    if (config_.replace_window_docked && config_.replace_window_visible) ShowReplace();
}

}  // namespace online
