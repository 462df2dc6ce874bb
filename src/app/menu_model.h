#pragma once

#include <string>
#include <string_view>
#include <vector>

// The menu bar of the main window as data: labels, order, separators, command numbers and the
// help line of every item. The window builds its menus from it.
namespace app {

struct MenuEntry {
    enum class Kind { kItem, kSeparator, kSubmenu };

    Kind kind = Kind::kItem;
    std::string label;
    int command = 0;           // items only
    std::string help;          // the help line's text, without its leading blanks
    std::string id;            // submenus: the name rules and fillers know it by
    bool checkable = false;    // items that show a check mark
    std::vector<MenuEntry> children;

    static MenuEntry Item(std::string label, int command, std::string help, bool checkable = false);
    static MenuEntry Separator();
    static MenuEntry Submenu(std::string label, std::string id, std::string help,
                             std::vector<MenuEntry> children = {});
};

// Names of the submenus that are filled from the open database or change with the state.
namespace menu_id {
constexpr std::string_view kFile = "file";
constexpr std::string_view kView = "view";
constexpr std::string_view kList = "list";
constexpr std::string_view kPlayer = "player";
constexpr std::string_view kTools = "tools";
constexpr std::string_view kHelp = "help";
constexpr std::string_view kRecent = "file.recent";
constexpr std::string_view kRecords = "list.records";
constexpr std::string_view kListVideos = "list.listvideos";
constexpr std::string_view kListFlagged = "list.listvideos.flagged";
constexpr std::string_view kListMpaa = "list.listvideos.mpaa";
constexpr std::string_view kListCategory = "list.listvideos.category";
constexpr std::string_view kListCustomPrefix = "list.listvideos.custom";  // + n (0-6)
constexpr std::string_view kSortVideos = "list.sort";
constexpr std::string_view kSortAscending = "list.sort.ascending";
constexpr std::string_view kSortDescending = "list.sort.descending";
constexpr std::string_view kMarkSelected = "list.mark";
constexpr std::string_view kMarkFlag = "list.mark.flag";
constexpr std::string_view kMarkMpaa = "list.mark.mpaa";
constexpr std::string_view kMarkCategory = "list.mark.category";
constexpr std::string_view kMarkCustomPrefix = "list.mark.custom";  // + n (0-6)
constexpr std::string_view kRankSelected = "list.rank";
constexpr std::string_view kListTools = "list.tools";
constexpr std::string_view kListView = "list.view";
constexpr std::string_view kVideoList = "view.videolist";
constexpr std::string_view kVideoDatabase = "tools.vdb";
constexpr std::string_view kImportRecords = "tools.import";
constexpr std::string_view kImportFilmfolio = "tools.import.filmfolio";
constexpr std::string_view kImportReeldeck = "tools.import.reeldeck";
constexpr std::string_view kUndoLast = "tools.import.undo";
constexpr std::string_view kExport = "tools.export";
constexpr std::string_view kGenerateHtml = "tools.html";
constexpr std::string_view kOpenHtml = "tools.openhtml";
}  // namespace menu_id

constexpr int kCustomMenuCount = 7;

// The six menus of the menu bar: File, View, List, Player, Tools, Help.
const std::vector<MenuEntry>& MainMenus();

// The List menu's dynamic submenus of a custom column: "list.listvideos.custom3" for n = 3.
std::string CustomMenuId(std::string_view prefix, int n);

// The help line for a help text: seven blanks, then the text; "       Ready" when there is none.
std::string HelpLine(std::string_view help);

// The tool bar, left to right; a command of 0 is a separator.
struct ToolButton {
    std::string text;
    int command = 0;
    std::string picture;  // file name of its picture under res/
    std::string tip;      // tool tip
};
const std::vector<ToolButton>& ToolBarButtons();

// Finds an entry anywhere in a menu tree by command number (items) or id (submenus); null if
// absent.
const MenuEntry* FindMenuEntry(const std::vector<MenuEntry>& menus, int command);
const MenuEntry* FindSubmenu(const std::vector<MenuEntry>& menus, std::string_view id);

}  // namespace app
