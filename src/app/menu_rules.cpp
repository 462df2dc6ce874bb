#include "app/menu_rules.h"

#include <algorithm>
#include <unordered_set>

#include "app/command_ids.h"
#include "core/database_backup.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

MenuStates FileRules(const Session& session) {
    MenuStates states;
    const bool open = session.IsOpen();
    const bool may_change = open && !session.ReadOnly();
    for (int command : {cmd::kSave, cmd::kSaveAs, cmd::kDelete}) states.Set(command, may_change);
    states.Set(cmd::kSettings, !open || !session.ReadOnly());
    states.Set(cmd::kClose, open);
    states.Set(cmd::kProperties, open);
    states.Set(cmd::kRestoreBackup,
               may_change && core::HasBackup(core::DatabaseNamesOf(session.CurrentDatabasePath)));
    const bool held = open && !session.CurrentUserName.empty() &&
                      !session.CurrentPassword.empty() && !session.Accounts.empty();
    ItemState logout;
    logout.enabled = held;
    logout.label =
        held ? core::FormatText("%s: %s", {"Logout", session.CurrentUserName}) : "Logout";
    states.items[cmd::kLogout] = logout;
    states.Set(cmd::kPrint, session.Videos.RowCount() > 0 || session.Wanted.Count() > 0);
    return states;
}

MenuStates ViewRules(const Session& session, const ViewState& view) {
    MenuStates states;
    states.Set(cmd::kStatusBar, true, view.status_bar);
    states.Set(cmd::kToolBar, true, view.tool_bar);
    states.Set(cmd::kTextSearch, true, view.search_pane);
    states.Set(cmd::kTextReplace, true, view.replace_pane);
    states.Set(cmd::kVideoDetails, true, view.details_pane);
    states.Set(cmd::kVideoPlayer, true, view.player_pane);
    states.Set(cmd::kWantedVideos, true, view.wanted_pane);
    states.Set(cmd::kImageView, true, view.image_view);
    states.Set(cmd::kTextView, true, !view.image_view);
    states.Set(cmd::kFullScreen, true, view.full_screen);
    states.Set(cmd::kNormal, true, !view.full_screen);
    states.Set(cmd::kPlayerShow, true, view.player_pane);
    states.Set(cmd::kLayout, !(session.LoggedIn && session.AccessLevel != kFullAccess));
    return states;
}

MenuStates ListRules(const Session& session, const ViewState& view) {
    MenuStates states;
    const int rows = session.Videos.RowCount();
    const int selected = session.Videos.SelectedCount();
    const bool writable = !session.ReadOnly();
    const bool any = rows > 0;

    states.Set(cmd::kAddNew, any && writable);
    states.Set(cmd::kEditSelected, selected == 1 && writable);
    states.Set(cmd::kUpdateSelected, selected == 1 && !view.wizard_query_running);
    states.Set(cmd::kDeleteSelected, selected > 0 && writable);
    states.Set(cmd::kDeleteAll, any && writable);
    states.SetSubmenu(menu_id::kListVideos, any);
    for (int command : {cmd::kListFlaggedAll, cmd::kListViewed, cmd::kListNotViewed}) {
        states.Set(command, any);
    }
    for (std::string_view id :
         {menu_id::kSortVideos, menu_id::kSortAscending, menu_id::kSortDescending}) {
        states.SetSubmenu(id, any);
    }
    states.Set(cmd::kSelectAll, any);
    for (int command : {cmd::kFlagSelected, cmd::kUnflagSelected, cmd::kMarkViewed,
                        cmd::kMarkNotViewed, cmd::kMarkCustom}) {
        states.Set(command, selected > 0 && writable);
    }
    states.Set(cmd::kUnflagAll, any && writable);
    states.SetSubmenu(menu_id::kMarkSelected, selected > 0 && writable);
    states.SetSubmenu(menu_id::kRankSelected, selected == 1 && writable);
    states.Set(cmd::kPrintSelected, selected > 0);
    states.Set(cmd::kSearch, any, view.search_pane);
    states.Set(cmd::kReplace, any, view.replace_pane);
    states.Set(cmd::kAutoCycle, any);
    states.Set(cmd::kGridlines, true, view.gridlines);
    states.Set(cmd::kImageView, true, view.image_view);
    states.Set(cmd::kTextView, true, !view.image_view);
    // Not even on an empty list: the Settings window would let a read-only user lift the
    // database's protection.
    states.Set(cmd::kListProperties, writable);
    // With a database open an empty list still takes new records.
    if (session.IsOpen()) states.Set(cmd::kAddNew, writable);
    return states;
}

MenuStates PlayerRules(const ViewState& view) {
    MenuStates states;
    for (int command : {cmd::kPlayerOpenFile, cmd::kPlayerOpenUrl, cmd::kPlayerOpenDvd}) {
        states.Set(command, view.player_pane);
    }
    states.Set(cmd::kPlayerDock, view.player_pane && view.player_floating);
    states.Set(cmd::kPlayerFloat, view.player_pane && !view.player_floating);
    states.Set(cmd::kPlayerShow, true, view.player_pane);
    return states;
}

MenuStates ToolsRules(const Session& session, const ViewState& view) {
    MenuStates states;
    const bool open = session.IsOpen();
    const bool read_only = session.ReadOnly();
    states.Set(cmd::kHtmlMyVideos, session.Videos.RowCount() > 0);
    states.Set(cmd::kHtmlWanted, session.Wanted.Count() > 0);
    states.Set(cmd::kHtmlBoth, session.Videos.RowCount() > 0 && session.Wanted.Count() > 0);
    for (int command : {cmd::kImportFilmfolioMovies, cmd::kImportFilmfolioWanted,
                        cmd::kImportMyVideos, cmd::kImportWantedVideos, cmd::kImportCsv,
                        cmd::kImportTellico, cmd::kImportGcstar}) {
        states.Set(command, open);
    }
    // One wizard window at a time: its command rests while it is open.
    states.Set(cmd::kVideoImportWizard, open && !view.wizard_open);
    // Synchronizing deletes image files: a read-only user may not.
    states.Set(cmd::kSynchronize, open && !read_only);
    states.SetSubmenu(menu_id::kImportRecords, open && !read_only);
    states.SetSubmenu(menu_id::kGenerateHtml, open && !read_only);
    states.Set(cmd::kOpenDatabaseFolder, open && !read_only);
    states.Set(cmd::kOpenImageFolder, open && !read_only);
    states.Set(cmd::kUndoImportMyVideos, core::FileExists(session.paths.import_undo_videos));
    states.Set(cmd::kUndoImportWanted, core::FileExists(session.paths.import_undo_wanted));
    // Exporting changes nothing: like printing, it is open to every user.
    const bool rows = session.Videos.RowCount() > 0;
    states.SetSubmenu(menu_id::kExport, open && rows);
    states.Set(cmd::kExportCsv, open && rows);
    return states;
}

}  // namespace

MenuStates MenuRules(std::string_view menu_id, const Session& session, const ViewState& view) {
    if (menu_id == menu_id::kFile) return FileRules(session);
    if (menu_id == menu_id::kView) return ViewRules(session, view);
    if (menu_id == menu_id::kList) return ListRules(session, view);
    if (menu_id == menu_id::kPlayer) return PlayerRules(view);
    if (menu_id == menu_id::kTools) return ToolsRules(session, view);
    return {};
}

std::vector<std::string> DistinctValues(const core::VideoList& videos, int list_index) {
    std::vector<std::string> values;
    if (list_index < 0) return values;
    std::unordered_set<std::string> seen;
    for (int row = 0; row < videos.RowCount(); ++row) {
        std::string_view cell = videos.Cell(row, list_index);
        if (cell.empty()) continue;
        if (seen.insert(core::ToLowerAscii(std::string(cell))).second) values.emplace_back(cell);
    }
    std::stable_sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
        return core::CompareNoCase(a, b) < 0;
    });
    return values;
}

std::vector<DynamicItem> ValueItems(const core::VideoList& videos, std::string_view column_name,
                                    int base) {
    std::vector<DynamicItem> items;
    const std::vector<std::string> values =
        DistinctValues(videos, videos.ColumnIndexOf(column_name));
    const int count = std::min<int>(static_cast<int>(values.size()), cmd::kValueItemsPerMenu);
    for (int i = 0; i < count; ++i)
        items.push_back({values[static_cast<std::size_t>(i)], base + i});
    return items;
}

std::vector<DynamicItem> ListFlaggedItems(const core::VideoList& videos) {
    std::vector<DynamicItem> items =
        ValueItems(videos, core::column_name::kFlagValue, cmd::kListFlaggedBase);
    if (!items.empty()) {
        items.push_back({});
        items.push_back({"All", cmd::kListFlaggedAll});
    }
    return items;
}

std::vector<DynamicItem> MarkFlagItems(const core::VideoList& videos) {
    std::vector<DynamicItem> items =
        ValueItems(videos, core::column_name::kFlagValue, cmd::kMarkFlagBase);
    if (!items.empty()) items.push_back({});
    items.push_back({"New", cmd::kMarkFlagNew});
    return items;
}

std::vector<std::string> CustomColumnNames(const core::VideoList& videos) {
    std::vector<std::string> names;
    for (const core::VideoColumn& column : videos.Columns()) {
        if (column.Custom && static_cast<int>(names.size()) < kCustomMenuCount) {
            names.push_back(column.Name);
        }
    }
    return names;
}

std::vector<DynamicItem> SortItems(const core::VideoList& videos, const core::SortState& sort,
                                   bool ascending) {
    std::vector<DynamicItem> items;
    const int base = ascending ? cmd::kSortAscendingBase : cmd::kSortDescendingBase;
    const bool direction_matches = (sort.direction != 0) == ascending;
    for (const core::VideoColumn& column : videos.Columns()) {
        if (!column.Sortable) continue;
        items.push_back({column.Name, base + column.ListIndex,
                         direction_matches && column.ListIndex == sort.column});
    }
    return items;
}

std::vector<DynamicItem> RecentItems(const config::RecentDatabases& recent) {
    std::vector<DynamicItem> items;
    const std::vector<std::string>& entries = recent.Entries();
    int number = 1;
    for (int position = static_cast<int>(entries.size()) - 1; position >= 0; --position) {
        const std::string& path = entries[static_cast<std::size_t>(position)];
        if (path.empty() || !core::FileExists(path)) continue;
        items.push_back({std::to_string(number++) + " " + path, cmd::kRecentFirst + position});
    }
    return items;
}

ValueCommand DecodeValueCommand(const core::VideoList& videos, int command) {
    ValueCommand decoded;
    if (command < cmd::kMarkCategoryBase || command >= cmd::kSortAscendingBase) return decoded;
    decoded.mark = command < cmd::kListCategoryBase;
    const int block =
        (command - (decoded.mark ? cmd::kMarkCategoryBase : cmd::kListCategoryBase)) / 100;
    if (block == 0) {
        decoded.column = core::column_name::kCategory;
    } else if (block == 1) {
        decoded.column = core::column_name::kMpaa;
    } else if (block == 9) {
        decoded.column = core::column_name::kFlagValue;
    } else {
        const std::vector<std::string> custom = CustomColumnNames(videos);
        const auto n = static_cast<std::size_t>(block - 2);
        if (n < custom.size()) decoded.column = custom[n];
    }
    return decoded;
}

}  // namespace app
