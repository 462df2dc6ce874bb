#pragma once

#include <optional>
#include <string>

#include "app/session.h"

// Sorting My Videos from the Sort Videos menus, the column headers and the caption strip, and
// the indicators that show the sort order.
namespace app {

// Sorts the open database's rows by a column (direction 1 ascending, 0 descending), renumbers
// "#" and keeps the state for the next save. The order is not a change of the data: Modified
// stays as it is.
void SortVideos(Session& session, int list_index, int direction);

// A Sort Videos item (cmd::kSortAscendingBase or cmd::kSortDescendingBase + the column's table
// entry). Nothing happens on an empty list (not even the state changes), for a
// number outside the two ranges, or for a column that is not offered for sorting. True if the
// rows were sorted.
bool SortMenuCommand(Session& session, int command);

// A click on a column's header. A sortable column becomes the sort column; clicking the sort
// column again flips the direction. Other columns do nothing. Also on an empty list, so that
// the indicators follow the click.
void HeaderClick(Session& session, int list_index);

enum class SortArrow { kNone, kUp, kDown };

// The arrow a column's header shows: only the sort column has one.
SortArrow HeaderArrow(const Session& session, int list_index);

// The strip above the list: the sort column's name with the arrow; empty without a database.
struct SortCaption {
    std::string name;
    SortArrow arrow = SortArrow::kNone;
    bool operator==(const SortCaption&) const = default;
};
SortCaption CaptionStrip(const Session& session);

// Which Sort Videos submenu a right click on the caption strip opens: the one of the current
// direction; nothing without a column table.
enum class SortSubmenu { kAscending, kDescending };
std::optional<SortSubmenu> CaptionStripMenu(const Session& session);

}  // namespace app
