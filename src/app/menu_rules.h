#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/menu_model.h"
#include "app/session.h"
#include "config/recent_databases.h"

// Which menu items are enabled and checked, decided each time a top-level menu opens, and the
// items of the submenus built from the open database's data.
namespace app {

// What the window shows, as far as the rules need to know.
struct ViewState {
    bool status_bar = true;
    bool tool_bar = true;
    bool search_pane = false;
    bool replace_pane = false;
    bool wanted_pane = false;
    bool details_pane = false;
    bool player_pane = false;
    bool player_floating = false;
    bool image_view = false;
    bool gridlines = true;
    bool full_screen = false;
    bool wizard_open = false;
    bool wizard_query_running = false;
};

struct ItemState {
    bool enabled = true;
    bool checked = false;
    std::string label;  // empty: the item's own label
};

// The states a rule decides: items by command number, submenus by id. Items and submenus it
// does not name keep their state.
struct MenuStates {
    std::map<int, ItemState> items;
    std::map<std::string, bool, std::less<>> submenus_enabled;

    void Set(int command, bool enabled, bool checked = false) {
        items[command] = {enabled, checked, {}};
    }
    void SetSubmenu(std::string_view id, bool enabled) {
        submenus_enabled[std::string(id)] = enabled;
    }
};

// The rule of one top-level menu ("file", "view", "list", "player", "tools"; "help" has none).
MenuStates MenuRules(std::string_view menu_id, const Session& session, const ViewState& view);

// A dynamic item: a value, a separator or a fixed command.
struct DynamicItem {
    std::string label;
    int command = 0;  // 0 for a separator
    bool checked = false;
};

// The distinct non-empty texts of a column, two texts that differ only in the case of ASCII
// letters counting as one (the first met is kept), in alphabetical order ignoring case.
std::vector<std::string> DistinctValues(const core::VideoList& videos, int list_index);

// The items of a value submenu: at most 99 values, numbered from `base`.
std::vector<DynamicItem> ValueItems(const core::VideoList& videos, std::string_view column_name,
                                    int base);
// List Videos > Flagged: the flag values, then a separator and "All" when there is one.
std::vector<DynamicItem> ListFlaggedItems(const core::VideoList& videos);
// Mark Selected > Flag: the flag values, a separator when there is one, and always "New".
std::vector<DynamicItem> MarkFlagItems(const core::VideoList& videos);
// The names of the custom columns in table order (at most seven): the labels of the custom
// submenus.
std::vector<std::string> CustomColumnNames(const core::VideoList& videos);
// Sort Videos > Ascending or Descending: one item per sortable column (base + its table entry),
// the sort column's item checked in the submenu of the current direction.
std::vector<DynamicItem> SortItems(const core::VideoList& videos, const core::SortState& sort,
                                   bool ascending);
// File > Recent: newest first, "1 /path/films.rdk", skipping paths whose file is gone; the
// command is 3000 + the entry's position in the list (oldest 0).
std::vector<DynamicItem> RecentItems(const config::RecentDatabases& recent);

// What a value command means: which column, and the value chosen. For commands outside the
// value ranges `column` is empty.
struct ValueCommand {
    bool mark = false;  // Mark Selected (true) or List Videos (false)
    std::string column;
};
ValueCommand DecodeValueCommand(const core::VideoList& videos, int command);

}  // namespace app
