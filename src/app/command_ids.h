#pragma once

// The number of every command of the main window: menu items, tool-bar buttons and the ranges of
// the menus built from the open database's data.
namespace app::cmd {

// Tool bar
constexpr int kToolNew = 2102;
constexpr int kToolOpen = 2103;
constexpr int kToolSave = 2104;
constexpr int kToolSaveAs = 2105;
constexpr int kToolSearch = 2106;
constexpr int kToolReplace = 2107;
constexpr int kToolPrint = 2108;
constexpr int kToolSettings = 2109;
constexpr int kToolWanted = 2110;
constexpr int kToolDetails = 2111;
constexpr int kToolPlayer = 2112;
constexpr int kToolWizard = 2113;
constexpr int kToolImportReeldeck = 2114;  // "Reeldeck 1.0": as Import Records > My Videos...

// File
constexpr int kNew = 2195;
constexpr int kOpen = 2196;
constexpr int kSave = 2197;
constexpr int kSaveAs = 2198;
constexpr int kRestoreBackup = 2791;
constexpr int kClose = 2199;
constexpr int kDelete = 2700;
constexpr int kProperties = 2701;
constexpr int kSettings = 2200;
constexpr int kPrint = 2201;
constexpr int kLogout = 2702;
constexpr int kExit = 2202;

// View
constexpr int kStatusBar = 2205;
constexpr int kTextReplace = 2210;
constexpr int kTextSearch = 2209;
constexpr int kToolBar = 2204;
constexpr int kVideoDetails = 2207;
constexpr int kImageView = 2703;
constexpr int kTextView = 2203;
constexpr int kVideoPlayer = 2208;
constexpr int kWantedVideos = 2206;
constexpr int kFullScreen = 2213;
constexpr int kNormal = 2214;
constexpr int kTipsAndTricks = 2212;
constexpr int kLayout = 2216;

// List
constexpr int kAddNew = 2217;
constexpr int kEditSelected = 2218;
constexpr int kUpdateSelected = 2242;
constexpr int kDeleteSelected = 2219;
constexpr int kDeleteAll = 2220;
constexpr int kListFlaggedAll = 2222;
constexpr int kListViewed = 2223;
constexpr int kListNotViewed = 2769;
constexpr int kListDuplicateTitles = 2221;
constexpr int kListDuplicateTitlesAndYears = 2790;
constexpr int kMarkFlagNew = 2243;
constexpr int kMarkViewed = 2228;
constexpr int kMarkNotViewed = 2229;
constexpr int kMarkCustom = 2230;
constexpr int kRank5 = 2240;
constexpr int kRank4 = 2239;
constexpr int kRank3 = 2238;
constexpr int kRank2 = 2237;
constexpr int kRank1 = 2236;
constexpr int kPrintSelected = 2235;
constexpr int kFlagSelected = 2225;
constexpr int kUnflagSelected = 2226;
constexpr int kUnflagAll = 2227;
constexpr int kSelectAll = 2224;
constexpr int kSearch = 2231;
constexpr int kReplace = 2232;
constexpr int kAutoCycle = 2241;
constexpr int kGridlines = 2234;
constexpr int kListProperties = 2233;

// Player
constexpr int kPlayerOpenFile = 2450;
constexpr int kPlayerOpenDvd = 2454;
constexpr int kPlayerOpenUrl = 2451;
constexpr int kPlayerFloat = 2453;
constexpr int kPlayerDock = 2452;
constexpr int kPlayerShow = 2455;

// Tools
constexpr int kVdbSearch = 2300;
constexpr int kVdbBoxOffice = 2319;
constexpr int kVdbComingSoon = 2320;
constexpr int kVideoImportWizard = 2301;
constexpr int kImportFilmfolioMovies = 2302;
constexpr int kImportFilmfolioWanted = 2303;
constexpr int kImportMyVideos = 2304;
constexpr int kImportWantedVideos = 2305;
constexpr int kUndoImportMyVideos = 2306;
constexpr int kUndoImportWanted = 2307;
constexpr int kImportCsv = 2321;
constexpr int kImportTellico = 2322;
constexpr int kImportGcstar = 2323;
constexpr int kExportCsv = 2324;
constexpr int kOpenDatabaseFolder = 2316;
constexpr int kOpenImageFolder = 2315;
constexpr int kHtmlMyVideos = 2310;
constexpr int kHtmlWanted = 2311;
constexpr int kHtmlBoth = 2312;
constexpr int kOpenHtmlList = 2318;
constexpr int kSynchronize = 2317;
constexpr int kSystemInformation = 2314;

// Help
constexpr int kHelpContents = 2400;
constexpr int kHelpGuide = 2409;
constexpr int kCheckForNewVersion = 2404;
constexpr int kSendFeedback = 2405;
constexpr int kOnline = 2406;
constexpr int kHelpTips = 2407;
constexpr int kAbout = 2408;

// Dynamic ranges
constexpr int kRecentFirst = 3000;  // + position in the recent list (0 = oldest)
constexpr int kRecentLast = 3003;
constexpr int kMarkCategoryBase = 4000;
constexpr int kMarkMpaaBase = 4100;
constexpr int kMarkCustomBase = 4200;  // + 100 * n for the n-th custom column
constexpr int kMarkFlagBase = 4900;
constexpr int kListCategoryBase = 5000;
constexpr int kListMpaaBase = 5100;
constexpr int kListCustomBase = 5200;  // + 100 * n for the n-th custom column
constexpr int kListFlaggedBase = 5900;
constexpr int kValueItemsPerMenu = 99;
constexpr int kSortAscendingBase = 6222;   // + column table entry
constexpr int kSortDescendingBase = 6322;  // + column table entry

}  // namespace app::cmd
