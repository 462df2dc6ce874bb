#include "app/menu_model.h"

#include "app/command_ids.h"

namespace app {

MenuEntry MenuEntry::Item(std::string label, int command, std::string help, bool checkable) {
    MenuEntry entry;
    entry.label = std::move(label);
    entry.command = command;
    entry.help = std::move(help);
    entry.checkable = checkable;
    return entry;
}

MenuEntry MenuEntry::Separator() {
    MenuEntry entry;
    entry.kind = Kind::kSeparator;
    return entry;
}

MenuEntry MenuEntry::Submenu(std::string label, std::string id, std::string help,
                             std::vector<MenuEntry> children) {
    MenuEntry entry;
    entry.kind = Kind::kSubmenu;
    entry.label = std::move(label);
    entry.id = std::move(id);
    entry.help = std::move(help);
    entry.children = std::move(children);
    return entry;
}

std::string CustomMenuId(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

std::string HelpLine(std::string_view help) {
    return "       " + std::string(help.empty() ? std::string_view("Ready") : help);
}

namespace {

using E = MenuEntry;
namespace id = menu_id;

std::string Id(std::string_view name) { return std::string(name); }

std::vector<MenuEntry> FileMenu() {
    return {
        E::Item("New...", cmd::kNew, "Create a new database"),
        E::Item("Open...", cmd::kOpen, "Open an existing database"),
        E::Item("Save", cmd::kSave, "Save open database"),
        E::Item("Save As...", cmd::kSaveAs, "Save as a new database"),
        E::Separator(),
        E::Item("Close", cmd::kClose, "Close database"),
        E::Item("Delete...", cmd::kDelete, "Delete the open database with all its images and files"),
        E::Item("Restore Backup...", cmd::kRestoreBackup,
                "Bring back the database as it was before its last save"),
        E::Separator(),
        E::Item("Properties...", cmd::kProperties, "Open database properties"),
        E::Item("Settings...", cmd::kSettings, "Open database settings"),
        E::Separator(),
        E::Item("Print...", cmd::kPrint, "Print records"),
        E::Separator(),
        E::Submenu("Recent", Id(id::kRecent), "List of recently opened databases"),
        E::Separator(),
        E::Item("Logout", cmd::kLogout, "Logout current user"),
        E::Separator(),
        E::Item("Exit Reeldeck", cmd::kExit, "Exit Reeldeck"),
    };
}

std::vector<MenuEntry> ViewMenu() {
    return {
        E::Item("Status Bar", cmd::kStatusBar, "Show or hide status bar", true),
        E::Item("Text Replace", cmd::kTextReplace, "Show or hide text replace window", true),
        E::Item("Text Search", cmd::kTextSearch, "Show or hide text search window", true),
        E::Item("Tool Bar", cmd::kToolBar, "Show or hide main tool bar", true),
        E::Item("Video Details", cmd::kVideoDetails, "Show or hide video details", true),
        E::Submenu("Video List", Id(id::kVideoList),
                   "Different ways to view items in the My Videos list",
                   {E::Item("Image View", cmd::kImageView, "Show images in the My Videos list", true),
                    E::Item("Text View", cmd::kTextView, "Show text in the My Videos list", true)}),
        E::Item("Video Player", cmd::kVideoPlayer, "Show or hide video player", true),
        E::Item("Wanted Videos", cmd::kWantedVideos, "Show or hide wanted videos", true),
        E::Separator(),
        E::Item("Full Screen", cmd::kFullScreen, "Set full screen mode", true),
        E::Item("Normal", cmd::kNormal, "Exit full screen mode", true),
        E::Separator(),
        E::Item("Tips and Tricks...", cmd::kTipsAndTricks, "Open tips and tricks window"),
        E::Separator(),
        E::Item("Layout...", cmd::kLayout, "Configure layout options"),
    };
}

// The value submenus of List Videos and Mark Selected, in menu order: Flag, -, MPAA, seven
// custom columns, -, Category.
std::vector<MenuEntry> ValueSubmenus(std::string_view flag_id, std::string_view flag_label,
                                     std::string_view mpaa_id, std::string_view custom_prefix,
                                     std::string_view category_id) {
    std::vector<MenuEntry> entries = {
        E::Submenu(std::string(flag_label), Id(flag_id), ""),
        E::Separator(),
        E::Submenu("MPAA Rating", Id(mpaa_id), ""),
    };
    for (int n = 0; n < kCustomMenuCount; ++n) {
        entries.push_back(E::Submenu("Custom " + std::to_string(n + 1), CustomMenuId(custom_prefix, n), ""));
    }
    entries.push_back(E::Separator());
    entries.push_back(E::Submenu("Category", Id(category_id), ""));
    return entries;
}

std::vector<MenuEntry> ListMenu() {
    std::vector<MenuEntry> list_videos =
        ValueSubmenus(id::kListFlagged, "Flagged", id::kListMpaa, id::kListCustomPrefix, id::kListCategory);
    list_videos.push_back(E::Separator());
    list_videos.push_back(E::Item("Viewed", cmd::kListViewed, "List items marked as viewed"));
    list_videos.push_back(E::Item("Not Viewed", cmd::kListNotViewed, "List items marked as never viewed"));
    list_videos.push_back(E::Separator());
    list_videos.push_back(
        E::Item("Duplicate Titles", cmd::kListDuplicateTitles, "List records with duplicate titles"));
    list_videos.push_back(E::Item("Duplicate Titles by Title and Year",
                                  cmd::kListDuplicateTitlesAndYears,
                                  "List records with duplicate titles of the same year"));

    std::vector<MenuEntry> mark =
        ValueSubmenus(id::kMarkFlag, "Flag", id::kMarkMpaa, id::kMarkCustomPrefix, id::kMarkCategory);
    mark.push_back(E::Separator());
    mark.push_back(E::Item("Viewed", cmd::kMarkViewed,
                           "Mark selected items in the My Videos list as viewed on today's date"));
    mark.push_back(E::Item("Not Viewed", cmd::kMarkNotViewed,
                           "Mark selected items in the My Videos list not viewed"));
    mark.push_back(E::Item("Custom...", cmd::kMarkCustom,
                           "Mark selected items in the My Videos list as viewed on a custom date"));

    const char* const kRankHelp = "Send Reeldeck a %s star rating for selected item";
    auto rank = [&](const char* stars, int command, const char* count) {
        std::string help = kRankHelp;
        help.replace(help.find("%s"), 2, count);
        return E::Item(stars, command, help);
    };

    return {
        E::Submenu("Records", Id(id::kRecords), "Manipulate items in the My Videos list",
                   {E::Item("Add New...", cmd::kAddNew, "Add a new item to the My Videos list"),
                    E::Item("Edit Selected...", cmd::kEditSelected,
                            "Edit a selected item in the My Videos list"),
                    E::Separator(),
                    E::Item("Update Selected...", cmd::kUpdateSelected,
                            "Update a selected item in the My Videos list using the Video Import "
                            "Wizard"),
                    E::Separator(),
                    E::Item("Delete Selected", cmd::kDeleteSelected,
                            "Delete selected items in the My Videos list"),
                    E::Item("Delete All", cmd::kDeleteAll, "Delete all items in the My Videos list")}),
        E::Separator(),
        E::Submenu("List Videos", Id(id::kListVideos),
                   "List video items based on a variety of criteria", std::move(list_videos)),
        E::Submenu("Sort Videos", Id(id::kSortVideos), "Sort items in the My Videos list",
                   {E::Submenu("Ascending", Id(id::kSortAscending), "Sort items in the My Videos list"),
                    E::Submenu("Descending", Id(id::kSortDescending),
                               "Sort items in the My Videos list")}),
        E::Separator(),
        E::Submenu("Mark Selected", Id(id::kMarkSelected), "Mark selected items in the My Videos list",
                   std::move(mark)),
        E::Submenu("Rank Selected", Id(id::kRankSelected),
                   "Rank selected items in the My Videos list online (Internet required)",
                   {rank("*****", cmd::kRank5, "five"), rank("****", cmd::kRank4, "four"),
                    rank("***", cmd::kRank3, "three"), rank("**", cmd::kRank2, "two"),
                    rank("*", cmd::kRank1, "one")}),
        E::Separator(),
        E::Item("Print Selected...", cmd::kPrintSelected, "Print selected items in the My Videos list"),
        E::Separator(),
        E::Item("Flag Selected...", cmd::kFlagSelected, "Flag selected items in the My Videos list"),
        E::Item("Unflag Selected", cmd::kUnflagSelected, "Unflag selected items in the My Videos list"),
        E::Item("Unflag All", cmd::kUnflagAll, "Unflag all items in the My Videos list"),
        E::Separator(),
        E::Item("Select All", cmd::kSelectAll, "Select all items in the My Videos list"),
        E::Separator(),
        E::Submenu("List Tools", Id(id::kListTools), "My Videos list tools",
                   {E::Item("Search", cmd::kSearch, "Show or hide text search window", true),
                    E::Item("Replace", cmd::kReplace, "Show or hide text replace window", true),
                    E::Separator(),
                    E::Item("AutoCycle...", cmd::kAutoCycle, "Autocycle My Videos list items")}),
        E::Submenu("List View", Id(id::kListView), "My Videos list views",
                   {E::Item("Images", cmd::kImageView, "Show images in the My Videos list", true),
                    E::Item("Text", cmd::kTextView, "Show text in the My Videos list", true),
                    E::Separator(),
                    E::Item("Gridlines", cmd::kGridlines,
                            "Show or hide gridlines in the My Videos list (text mode only)", true)}),
        E::Separator(),
        E::Item("Properties...", cmd::kListProperties, "Configure My Videos list properties"),
    };
}

std::vector<MenuEntry> PlayerMenu() {
    return {
        E::Item("Open File...", cmd::kPlayerOpenFile,
                "Play a multimedia file located on the computer or network"),
        E::Item("Open DVD...", cmd::kPlayerOpenDvd, "Play a video in DVD format"),
        E::Item("Open URL...", cmd::kPlayerOpenUrl, "Play a multimedia file located on the internet"),
        E::Separator(),
        E::Item("Float Player", cmd::kPlayerFloat, "Float video player"),
        E::Item("Dock Player", cmd::kPlayerDock, "Dock video player"),
        E::Separator(),
        E::Item("Show Player", cmd::kPlayerShow, "Show or hide video player", true),
    };
}

std::vector<MenuEntry> ToolsMenu() {
    return {
        E::Submenu("Reeldeck Video Database", Id(id::kVideoDatabase), "",
                   {E::Item("Search", cmd::kVdbSearch, "Open the Reeldeck Video Database (Internet required)"),
                    E::Item("Box Office", cmd::kVdbBoxOffice,
                            "Browse the most popular videos currently in theaters (Internet required)"),
                    E::Item("Coming Soon", cmd::kVdbComingSoon, "Browse upcoming videos (Internet required)")}),
        E::Item("Video Import Wizard...", cmd::kVideoImportWizard,
                "Open the Video Import Wizard (Internet required)"),
        E::Separator(),
        E::Submenu(
            "Import Records", Id(id::kImportRecords), "Import video records from other resources",
            {E::Submenu("Filmfolio 2.0", Id(id::kImportFilmfolio),
                        "Import movie records from a Filmfolio 2.0 database",
                        {E::Item("Movie List...", cmd::kImportFilmfolioMovies,
                                 "Import movie records from a Filmfolio 2.0 database"),
                         E::Item("Wanted List...", cmd::kImportFilmfolioWanted,
                                 "Import wanted movie records from a Filmfolio 2.0 database")}),
             E::Submenu("Reeldeck 1.0", Id(id::kImportReeldeck),
                        "Import video records from a Reeldeck 1.0 database",
                        {E::Item("My Videos...", cmd::kImportMyVideos,
                                 "Import My Videos list records from a Reeldeck database"),
                         E::Item("Wanted Videos...", cmd::kImportWantedVideos,
                                 "Import wanted video records from a Reeldeck database")}),
             E::Item("CSV File...", cmd::kImportCsv,
                     "Import My Videos list records from a CSV file"),
             E::Item("Tellico...", cmd::kImportTellico,
                     "Import My Videos list records from a Tellico video collection"),
             E::Item("GCstar...", cmd::kImportGcstar,
                     "Import My Videos list records from a GCstar film collection"),
             E::Separator(),
             E::Submenu("Undo Last", Id(id::kUndoLast), "Undo last video record import",
                        {E::Item("My Videos", cmd::kUndoImportMyVideos, "Undo last My Videos list import"),
                         E::Item("Wanted Videos", cmd::kUndoImportWanted,
                                 "Undo last wanted videos list import")})}),
        E::Submenu("Export", Id(id::kExport), "Export video records to other programs",
                   {E::Item("CSV...", cmd::kExportCsv, "Export My Videos list records to a CSV file")}),
        E::Separator(),
        E::Item("Open Database Folder", cmd::kOpenDatabaseFolder,
                "Open folder used to store data files for an open database"),
        E::Item("Open Image Folder", cmd::kOpenImageFolder,
                "Open folder used to store images for an open database"),
        E::Separator(),
        E::Submenu(
            "Generate HTML List", Id(id::kGenerateHtml),
            "Create customized HTML pages from existing list records",
            {E::Item("My Videos...", cmd::kHtmlMyVideos,
                     "Generate a custom HTML page composed of My Videos list records and images"),
             E::Item("Wanted Videos...", cmd::kHtmlWanted,
                     "Generate a custom HTML page composed of wanted videos list records"),
             E::Item("Both...", cmd::kHtmlBoth,
                     "Generate custom HTML pages from both My Videos list records and wanted "
                     "videos list records")}),
        E::Submenu("Open HTML List", Id(id::kOpenHtml),
                   "Open a Reeldeck HTML list located on the Internet, computer or network",
                   {E::Item("My Videos...", cmd::kOpenHtmlList,
                            "Open a Reeldeck HTML list located on the Internet, computer or network")}),
        E::Separator(),
        E::Item("Synchronize Database...", cmd::kSynchronize,
                "Perform maintenance on video records and images"),
        E::Separator(),
        E::Item("System Information...", cmd::kSystemInformation,
                "Show system information for the computer running Reeldeck"),
    };
}

std::vector<MenuEntry> HelpMenu() {
    return {
        E::Item("Contents...", cmd::kHelpContents, "Open Reeldeck help"),
        E::Item("Reeldeck Guide", cmd::kHelpGuide, ""),
        E::Separator(),
        E::Item("Check For New Version", cmd::kCheckForNewVersion,
                "Check for updates and newer versions of Reeldeck (Internet required)"),
        E::Item("Send Feedback", cmd::kSendFeedback, "Send feedback to Reeldeck (Internet required)"),
        E::Separator(),
        E::Item("Reeldeck Online", cmd::kOnline, "Visit Reeldeck online (Internet required)"),
        E::Separator(),
        E::Item("Tips and Tricks...", cmd::kHelpTips, "Open tips and tricks window"),
        E::Separator(),
        E::Item("About Reeldeck...", cmd::kAbout, "View information about Reeldeck"),
    };
}

const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, int command, std::string_view id) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::kItem && command != 0 && entry.command == command) {
            return &entry;
        }
        if (entry.kind == MenuEntry::Kind::kSubmenu) {
            if (!id.empty() && entry.id == id) return &entry;
            if (const MenuEntry* found = FindIn(entry.children, command, id)) return found;
        }
    }
    return nullptr;
}

}  // namespace

const std::vector<MenuEntry>& MainMenus() {
    static const std::vector<MenuEntry> menus = {
        E::Submenu("File", Id(id::kFile), "", FileMenu()),
        E::Submenu("View", Id(id::kView), "", ViewMenu()),
        E::Submenu("List", Id(id::kList), "", ListMenu()),
        E::Submenu("Player", Id(id::kPlayer), "", PlayerMenu()),
        E::Submenu("Tools", Id(id::kTools), "", ToolsMenu()),
        E::Submenu("Help", Id(id::kHelp), "", HelpMenu()),
    };
    return menus;
}

const std::vector<ToolButton>& ToolBarButtons() {
    static const std::vector<ToolButton> buttons = {
        {"New", cmd::kToolNew, "tb-new.svg", "Create a new database"},
        {"Open", cmd::kToolOpen, "tb-open.svg", "Open an existing database"},
        {"Save", cmd::kToolSave, "tb-save.svg", "Save open database"},
        {"Save As", cmd::kToolSaveAs, "tb-saveas.svg", "Save as a new database"},
        {"", 0, "", ""},
        {"Search", cmd::kToolSearch, "tb-search.svg", "Show or hide text search window"},
        {"Replace", cmd::kToolReplace, "tb-replace.svg", "Show or hide text replace window"},
        {"Wanted", cmd::kToolWanted, "tb-wanted.svg", "Show or hide wanted videos"},
        {"Details", cmd::kToolDetails, "tb-details.svg", "Show or hide video details"},
        {"Player", cmd::kToolPlayer, "tb-player.svg", "Show or hide video player"},
        {"", 0, "", ""},
        {"Wizard", cmd::kToolWizard, "tb-wizard.svg", "Open the Video Import Wizard"},
        {"Reeldeck 1.0", cmd::kToolImportReeldeck, "tb-import.svg",
         "Import video records from a Reeldeck 1.0 database"},
        {"Print", cmd::kToolPrint, "tb-print.svg", "Print records"},
        {" Settings ", cmd::kToolSettings, "tb-settings.svg", "Open settings"},
    };
    return buttons;
}

const MenuEntry* FindMenuEntry(const std::vector<MenuEntry>& menus, int command) {
    return FindIn(menus, command, {});
}

const MenuEntry* FindSubmenu(const std::vector<MenuEntry>& menus, std::string_view id) {
    return FindIn(menus, 0, id);
}

}  // namespace app
