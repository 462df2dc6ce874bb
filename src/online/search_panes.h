#pragma once

#include "config/program_config.h"

namespace online {

// Where the Text Search and Text Replace panes are: shown or hidden, docked or floating. Docked,
// the two share one place, so showing one hides the other when that one is docked too. The
// state lives in the configuration, which keeps it from one run to the next.
class SearchPanes {
  public:
    explicit SearchPanes(config::ProgramConfig& config) : config_(config) {}

    bool SearchVisible() const { return config_.search_window_visible; }
    bool ReplaceVisible() const { return config_.replace_window_visible; }
    bool SearchDocked() const { return config_.search_window_docked; }
    bool ReplaceDocked() const { return config_.replace_window_docked; }

    void ShowSearch();
    void ShowReplace();
    void HideSearch() { config_.search_window_visible = false; }
    void HideReplace() { config_.replace_window_visible = false; }

    // "Float window": docks a floating pane and floats a docked one; a pane docked into the
    // shared place takes it from the other.
    void ToggleSearchDocked();
    void ToggleReplaceDocked();

    void SearchFloatGeometryChanged(const config::WindowGeometry& g) {
        config_.search_window_float = g;
    }
    void ReplaceFloatGeometryChanged(const config::WindowGeometry& g) {
        config_.replace_window_float = g;
    }

  private:
    config::ProgramConfig& config_;
};

}  // namespace online
