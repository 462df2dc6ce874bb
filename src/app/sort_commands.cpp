#include "app/sort_commands.h"

#include "app/command_ids.h"
#include "app/list_sorting.h"

namespace app {
namespace {

bool Sortable(const Session& session, int list_index) {
    return list_index >= 0 && list_index < session.Videos.ColumnCount() &&
           session.Videos.Column(list_index).Sortable;
}

bool SortColumnExists(const Session& session) {
    return session.Sort.column >= 0 && session.Sort.column < session.Videos.ColumnCount();
}

}  // namespace

void SortVideos(Session& session, int list_index, int direction) {
    SortVideos(session.Videos, session.Sort, list_index, direction, session.progress,
               session.reading_work);
    session.NotifyListsChanged();
}

bool SortMenuCommand(Session& session, int command) {
    if (session.Videos.RowCount() == 0) return false;
    int direction = 1;
    int entry = command - cmd::kSortAscendingBase;
    if (command >= cmd::kSortDescendingBase) {
        direction = 0;
        entry = command - cmd::kSortDescendingBase;
    }
    if (command < cmd::kSortAscendingBase || entry >= core::kMaxColumns ||
        !Sortable(session, entry)) {
        return false;
    }
    SortVideos(session, entry, direction);
    return true;
}

void HeaderClick(Session& session, int list_index) {
    if (!Sortable(session, list_index)) return;
    int direction = session.Sort.direction;
    if (list_index == session.Sort.column) direction = direction != 0 ? 0 : 1;
    SortVideos(session, list_index, direction);
}

SortArrow HeaderArrow(const Session& session, int list_index) {
    if (list_index != session.Sort.column || !SortColumnExists(session)) return SortArrow::kNone;
    return session.Sort.direction != 0 ? SortArrow::kUp : SortArrow::kDown;
}

SortCaption CaptionStrip(const Session& session) {
    if (!session.IsOpen() || !SortColumnExists(session)) return {};
    return {session.Videos.Column(session.Sort.column).Name,
            session.Sort.direction != 0 ? SortArrow::kUp : SortArrow::kDown};
}

std::optional<SortSubmenu> CaptionStripMenu(const Session& session) {
    if (session.Videos.ColumnCount() == 0) return std::nullopt;
    return session.Sort.direction != 0 ? SortSubmenu::kAscending : SortSubmenu::kDescending;
}

}  // namespace app
