#include "app/menu_rules.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"
#include "app/menu_model.h"
#include "fakes/list_session.h"

namespace {

namespace cmd = app::cmd;
namespace menu_id = app::menu_id;

class MenuRulesTest : public ListSession {
  protected:
    // An open database with `rows` records, the first `selected` of them selected.
    void Open(int rows, int selected = 0, int access = app::kFullAccess) {
        session_.CurrentDatabasePath = folder_ / "films.rdk";
        session_.LoggedIn = true;
        session_.AccessLevel = access;
        for (int row = 0; row < rows; ++row)
            session_.Videos.InsertRow(row, std::to_string(1000 + row));
        for (int row = 0; row < selected; ++row) session_.Videos.Select(row, true);
    }
    void SetColumn(const char* column, const std::vector<std::string>& values) {
        for (std::size_t row = 0; row < values.size(); ++row) {
            const int index = static_cast<int>(row);
            if (index >= session_.Videos.RowCount()) session_.Videos.InsertRow(index, "k");
            session_.Videos.SetCell(index, session_.Videos.ColumnIndexOf(column), values[row]);
        }
    }
    const app::ItemState& Item(std::string_view menu, int command) {
        states_ = app::MenuRules(menu, session_, view_);
        EXPECT_TRUE(states_.items.count(command)) << "the rule does not decide " << command;
        return states_.items[command];
    }
    bool Enabled(std::string_view menu, int command) { return Item(menu, command).enabled; }
    bool SubmenuEnabled(std::string_view menu, std::string_view id) {
        states_ = app::MenuRules(menu, session_, view_);
        EXPECT_TRUE(states_.submenus_enabled.count(id)) << "the rule does not decide " << id;
        return states_.submenus_enabled[std::string(id)];
    }

    app::ViewState view_;
    app::MenuStates states_;
};

// One item or submenu of each condition, and the situations it is enabled in, one character per
// situation: no database, an empty list, three records with none, one or two selected, and one
// selected by a read-only user. '+' enabled, '-' disabled.
TEST_F(MenuRulesTest, EachConditionEnablesItsItemsInItsSituations) {
    const struct {
        const char* menu;
        int command;               // an item, or 0 for
        std::string_view submenu;  // a submenu
        const char* enabled;
    } rules[] = {
        {"file", cmd::kSave, "", "-++++-"},           {"file", cmd::kSettings, "", "+++++-"},
        {"file", cmd::kClose, "", "-+++++"},          {"file", cmd::kPrint, "", "--++++"},
        {"list", cmd::kAddNew, "", "-++++-"},         {"list", cmd::kEditSelected, "", "---+--"},
        {"list", cmd::kUpdateSelected, "", "---+-+"}, {"list", cmd::kDeleteSelected, "", "---++-"},
        {"list", cmd::kDeleteAll, "", "--+++-"},      {"list", cmd::kPrintSelected, "", "---+++"},
        {"list", cmd::kGridlines, "", "++++++"},      {"list", cmd::kListProperties, "", "+++++-"},
        {"list", 0, menu_id::kListVideos, "--++++"},  {"list", 0, menu_id::kRankSelected, "---+--"},
        {"tools", cmd::kSynchronize, "", "-++++-"},   {"tools", cmd::kHtmlMyVideos, "", "--++++"}};
    const struct {
        bool open;
        int rows, selected, access;
    } situations[] = {{false, 0, 0, app::kFullAccess}, {true, 0, 0, app::kFullAccess},
                      {true, 3, 0, app::kFullAccess},  {true, 3, 1, app::kFullAccess},
                      {true, 3, 2, app::kFullAccess},  {true, 3, 1, app::kReadOnlyAccess}};
    for (std::size_t i = 0; i < std::size(situations); ++i) {
        session_.Videos.DeleteAllRows();
        session_.CurrentDatabasePath.clear();
        session_.LoggedIn = false;
        session_.AccessLevel = app::kFullAccess;
        if (situations[i].open)
            Open(situations[i].rows, situations[i].selected, situations[i].access);
        for (const auto& rule : rules) {
            const bool enabled = rule.command != 0 ? Enabled(rule.menu, rule.command)
                                                   : SubmenuEnabled(rule.menu, rule.submenu);
            EXPECT_EQ(enabled, rule.enabled[i] == '+')
                << "situation " << i << ", " << rule.menu << " " << rule.command << rule.submenu;
        }
    }
}

TEST_F(MenuRulesTest, LogoutNamesTheUserOfAProtectedDatabase) {
    Open(0);
    EXPECT_FALSE(Enabled("file", cmd::kLogout));
    session_.Accounts = {{"ann", "pw", 2, "", ""}};
    session_.CurrentUserName = "ann";
    session_.CurrentPassword = "pw";
    EXPECT_TRUE(Enabled("file", cmd::kLogout));
    EXPECT_EQ(Item("file", cmd::kLogout).label, "Logout: ann");
}

// The check marks of the View menu are checked with the main window's panes.
TEST_F(MenuRulesTest, PlayerItemsFollowThePlayerPaneAndUndoItemsTheirFiles) {
    Open(3, 1);
    view_.player_pane = true;
    view_.player_floating = true;
    EXPECT_TRUE(Enabled("player", cmd::kPlayerDock));
    EXPECT_FALSE(Enabled("player", cmd::kPlayerFloat));
    view_.player_pane = false;
    for (int command : {cmd::kPlayerOpenFile, cmd::kPlayerOpenUrl, cmd::kPlayerOpenDvd,
                        cmd::kPlayerDock, cmd::kPlayerFloat}) {
        EXPECT_FALSE(Enabled("player", command)) << command;
    }
    view_.wizard_query_running = true;
    EXPECT_FALSE(Enabled("list", cmd::kUpdateSelected));
    EXPECT_TRUE(Enabled("tools", cmd::kVideoImportWizard));
    view_.wizard_open = true;  // one wizard window at a time
    EXPECT_FALSE(Enabled("tools", cmd::kVideoImportWizard));

    EXPECT_FALSE(Enabled("tools", cmd::kUndoImportMyVideos));
    WriteFileBytes(paths_.import_undo_videos, "");
    EXPECT_TRUE(Enabled("tools", cmd::kUndoImportMyVideos));
}

// Every import needs an open database and full access; exporting only rows to write.
TEST_F(MenuRulesTest, ImportsNeedFullAccessAndTheCsvExportRows) {
    Open(0);
    EXPECT_TRUE(SubmenuEnabled("tools", menu_id::kImportRecords));
    for (int command : {cmd::kImportCsv, cmd::kImportTellico, cmd::kImportGcstar})
        EXPECT_TRUE(Enabled("tools", command)) << command;
    EXPECT_FALSE(Enabled("tools", cmd::kExportCsv));
    session_.Videos.InsertRow(0, "1000");
    EXPECT_TRUE(Enabled("tools", cmd::kExportCsv));
    EXPECT_TRUE(SubmenuEnabled("tools", menu_id::kExport));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(SubmenuEnabled("tools", menu_id::kImportRecords));
    EXPECT_TRUE(Enabled("tools", cmd::kExportCsv));
}

TEST_F(MenuRulesTest,
       ValueSubmenusFoldCaseSortAlphabeticallyOfferAtMost99ValuesAndEndWithAllOrNew) {
    Open(0);
    SetColumn("Category", {"Drama", "drama", "Comedy", "", "comedy", "Action"});
    const std::vector<app::DynamicItem> items =
        app::ValueItems(session_.Videos, "Category", cmd::kListCategoryBase);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].label, "Drama");
    EXPECT_EQ(items[2].command, cmd::kListCategoryBase + 2);

    std::vector<std::string> values;
    for (int i = 0; i < 150; ++i) values.push_back("Value " + std::to_string(1000 + i));
    SetColumn("MPAA", values);
    const auto many = app::ValueItems(session_.Videos, "MPAA", cmd::kMarkMpaaBase);
    ASSERT_EQ(many.size(), 99u);
    EXPECT_EQ(many.back().command, cmd::kMarkMpaaBase + 98);

    // The flag submenus end with All or New.
    session_.Videos.DeleteAllRows();
    Open(2);
    EXPECT_TRUE(app::ListFlaggedItems(session_.Videos).empty());
    EXPECT_EQ(app::MarkFlagItems(session_.Videos).at(0).command, cmd::kMarkFlagNew);

    SetColumn("Flag Value", {"Lent out", "Favorite"});
    const auto listed = app::ListFlaggedItems(session_.Videos);
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].label, "Favorite");
    EXPECT_EQ(listed[2].command, 0);  // separator
    EXPECT_EQ(listed[3].command, cmd::kListFlaggedAll);
    EXPECT_EQ(app::MarkFlagItems(session_.Videos).size(), 4u);
}

TEST_F(MenuRulesTest, CustomColumnsGiveTheirNamesAndValueCommandsDecode) {
    const std::vector<std::string> custom = app::CustomColumnNames(session_.Videos);
    ASSERT_EQ(custom.size(), 7u);
    EXPECT_EQ(custom[0], "Location");
    EXPECT_EQ(app::DecodeValueCommand(session_.Videos, cmd::kListCustomBase + 100 + 3).column,
              custom[1]);
    const app::ValueCommand mark = app::DecodeValueCommand(session_.Videos, cmd::kMarkFlagBase + 5);
    EXPECT_TRUE(mark.mark);
    EXPECT_EQ(mark.column, "Flag Value");
    EXPECT_EQ(app::DecodeValueCommand(session_.Videos, cmd::kListCategoryBase).column, "Category");
    EXPECT_TRUE(app::DecodeValueCommand(session_.Videos, cmd::kSave).column.empty());
}

TEST_F(MenuRulesTest, RecentItemsNewestFirstSkippingMissingFiles) {
    for (const char* name : {"alpha.rdk", "beta.rdk", "gamma.rdk"}) {
        WriteFileBytes(folder_ / name, "");
        recent_.Add(folder_ / name);
    }
    recent_.Add(folder_ / "gone.rdk");
    const auto items = app::RecentItems(recent_);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].label, "1 " + (folder_ / "gamma.rdk"));
    EXPECT_EQ(items[0].command, cmd::kRecentFirst + 2);
    EXPECT_EQ(items[2].label, "3 " + (folder_ / "alpha.rdk"));
    EXPECT_EQ(items[2].command, cmd::kRecentFirst);
}

using app::MenuEntry;

void CollectCommands(const std::vector<MenuEntry>& entries, std::multiset<int>& commands) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::kItem) commands.insert(entry.command);
        CollectCommands(entry.children, commands);
    }
}

TEST(MenuTree, EveryCommandHasOneItemExceptTheSharedViews) {
    std::multiset<int> commands;
    CollectCommands(app::MainMenus(), commands);
    for (int command : commands) {
        const bool shared = command == app::cmd::kImageView || command == app::cmd::kTextView;
        EXPECT_EQ(commands.count(command), shared ? 2u : 1u) << command;
    }
}

// The lists of items are the menus' own tables; what a table cannot promise is checked here.
TEST(ToolBar, EveryButtonHasAPicture) {
    for (const auto& button : app::ToolBarButtons()) {
        EXPECT_TRUE(button.command == 0 || !button.picture.empty()) << button.text;
    }
}

}  // namespace
