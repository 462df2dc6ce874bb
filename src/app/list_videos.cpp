#include "app/list_videos.h"

#include <functional>
#include <unordered_set>

#include "core/text.h"

namespace app {
namespace {

// Clears the selection, then selects every row that `matches` accepts, in row order.
Listing SelectRows(core::VideoList& list, const std::function<bool(int row)>& matches) {
    list.DeselectAll();
    Listing listing;
    const int title = list.ColumnIndexOf(core::column_name::kTitle);
    for (int row = 0; row < list.RowCount(); ++row) {
        if (!matches(row)) continue;
        list.Select(row, true);
        listing.rows.push_back(row);
        listing.titles.emplace_back(list.Cell(row, title));
    }
    return listing;
}

Listing SelectByEmptiness(core::VideoList& list, std::string_view column, bool empty) {
    const int index = list.ColumnIndexOf(column);
    if (index < 0) {
        list.DeselectAll();
        return {};
    }
    return SelectRows(list, [&](int row) { return list.Cell(row, index).empty() == empty; });
}

}  // namespace

Listing SelectFlagged(core::VideoList& list) {
    return SelectByEmptiness(list, core::column_name::kFlagValue, false);
}

Listing SelectViewed(core::VideoList& list) {
    return SelectByEmptiness(list, core::column_name::kLastViewed, false);
}

Listing SelectNotViewed(core::VideoList& list) {
    return SelectByEmptiness(list, core::column_name::kLastViewed, true);
}

Listing SelectDuplicateTitles(core::VideoList& list, DuplicateKey key) {
    const int title = list.ColumnIndexOf(core::column_name::kTitle);
    const int year = list.ColumnIndexOf(core::column_name::kYear);
    if (title < 0) {
        list.DeselectAll();
        return {};
    }
    std::unordered_set<std::string> seen;  // folded titles (with their years) met so far
    return SelectRows(list, [&](int row) {
        const std::string_view cell = list.Cell(row, title);
        if (cell.empty()) return false;
        std::string folded = core::ToLowerAscii(std::string(cell));
        if (key == DuplicateKey::kTitleAndYear && year >= 0) {
            folded += '\n';  // never part of a cell
            folded += list.Cell(row, year);
        }
        return !seen.insert(std::move(folded)).second;
    });
}

}  // namespace app
