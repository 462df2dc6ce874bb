#include "app/menu_rules.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

namespace cmd = app::cmd;

class MenuRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(core::ReadHeader(session_.Videos, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt").ok());
    }

    // An open database with `rows` records; `access` as the login gave.
    void Open(int rows, int access = app::kFullAccess) {
        session_.CurrentDatabasePath = folder_ / "films.rdk";
        session_.LoggedIn = true;
        session_.AccessLevel = access;
        for (int row = 0; row < rows; ++row) session_.Videos.InsertRow(row, std::to_string(1000 + row));
    }

    void SetColumn(const char* column, const std::vector<std::string>& values) {
        const int index = session_.Videos.ColumnIndexOf(column);
        for (std::size_t row = 0; row < values.size(); ++row) {
            if (static_cast<int>(row) >= session_.Videos.RowCount()) session_.Videos.InsertRow(static_cast<int>(row), "k");
            session_.Videos.SetCell(static_cast<int>(row), index, values[row]);
        }
    }

    bool Enabled(std::string_view menu, int command) {
        const app::MenuStates states = app::MenuRules(menu, session_, view_);
        auto found = states.items.find(command);
        EXPECT_NE(found, states.items.end()) << "rule does not decide " << command;
        return found != states.items.end() && found->second.enabled;
    }
    bool SubmenuEnabled(std::string_view menu, std::string_view id) {
        const app::MenuStates states = app::MenuRules(menu, session_, view_);
        auto found = states.submenus_enabled.find(id);
        EXPECT_NE(found, states.submenus_enabled.end());
        return found != states.submenus_enabled.end() && found->second;
    }

    TempFolder folder_;
    config::ProgramPaths paths_ = config::ProgramPaths::ForFolder(folder_.path());
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1700000000};
    app::Session session_{paths_, config_, recent_, clock_};
    app::ViewState view_;
};

TEST_F(MenuRulesTest, FileMenuWithoutADatabase) {
    session_.Videos.DeleteAllColumns();
    for (int command : {cmd::kSave, cmd::kSaveAs, cmd::kDelete, cmd::kClose, cmd::kProperties,
                        cmd::kPrint, cmd::kLogout}) {
        EXPECT_FALSE(Enabled("file", command)) << command;
    }
    EXPECT_TRUE(Enabled("file", cmd::kSettings));
}

TEST_F(MenuRulesTest, FileMenuForReadOnlyAndFullAccess) {
    Open(2, app::kReadOnlyAccess);
    for (int command : {cmd::kSave, cmd::kSaveAs, cmd::kDelete, cmd::kSettings}) {
        EXPECT_FALSE(Enabled("file", command)) << command;
    }
    EXPECT_TRUE(Enabled("file", cmd::kClose));
    EXPECT_TRUE(Enabled("file", cmd::kPrint));
    session_.AccessLevel = app::kFullAccess;
    for (int command : {cmd::kSave, cmd::kSaveAs, cmd::kDelete, cmd::kSettings, cmd::kProperties}) {
        EXPECT_TRUE(Enabled("file", command)) << command;
    }
}

TEST_F(MenuRulesTest, LogoutNamesTheUserOfAProtectedDatabase) {
    Open(0);
    EXPECT_FALSE(Enabled("file", cmd::kLogout));
    session_.Accounts = {{"ann", "pw", 2, "", ""}};
    session_.CurrentUserName = "ann";
    session_.CurrentPassword = "pw";
    const app::MenuStates states = app::MenuRules("file", session_, view_);
    EXPECT_TRUE(states.items.at(cmd::kLogout).enabled);
    EXPECT_EQ(states.items.at(cmd::kLogout).label, "Logout: ann");
}

TEST_F(MenuRulesTest, EmptyListOfAnOpenDatabaseOnlyAddsRecords) {
    Open(0);
    EXPECT_TRUE(Enabled("list", cmd::kAddNew));
    EXPECT_TRUE(Enabled("list", cmd::kGridlines));
    EXPECT_TRUE(Enabled("list", cmd::kListProperties));
    for (int command : {cmd::kEditSelected, cmd::kUpdateSelected, cmd::kDeleteSelected,
                        cmd::kDeleteAll, cmd::kListViewed, cmd::kSelectAll, cmd::kFlagSelected,
                        cmd::kUnflagAll, cmd::kPrintSelected, cmd::kSearch, cmd::kReplace,
                        cmd::kAutoCycle}) {
        EXPECT_FALSE(Enabled("list", command)) << command;
    }
    EXPECT_FALSE(SubmenuEnabled("list", app::menu_id::kListVideos));
    EXPECT_FALSE(SubmenuEnabled("list", app::menu_id::kSortVideos));
    EXPECT_FALSE(SubmenuEnabled("list", app::menu_id::kMarkSelected));
}

TEST_F(MenuRulesTest, ListMenuFollowsTheSelection) {
    Open(3);
    EXPECT_TRUE(Enabled("list", cmd::kDeleteAll));
    EXPECT_FALSE(Enabled("list", cmd::kEditSelected));
    session_.Videos.Select(1, true);
    EXPECT_TRUE(Enabled("list", cmd::kEditSelected));
    EXPECT_TRUE(SubmenuEnabled("list", app::menu_id::kRankSelected));
    EXPECT_TRUE(Enabled("list", cmd::kUpdateSelected));
    view_.wizard_query_running = true;
    EXPECT_FALSE(Enabled("list", cmd::kUpdateSelected));
    session_.Videos.Select(2, true);
    EXPECT_FALSE(Enabled("list", cmd::kEditSelected));
    EXPECT_FALSE(SubmenuEnabled("list", app::menu_id::kRankSelected));
    EXPECT_TRUE(Enabled("list", cmd::kPrintSelected));
    EXPECT_TRUE(Enabled("list", cmd::kDeleteSelected));
}

TEST_F(MenuRulesTest, ReadOnlyUserCannotChangeTheList) {
    Open(3, app::kReadOnlyAccess);
    session_.Videos.Select(0, true);
    for (int command : {cmd::kAddNew, cmd::kEditSelected, cmd::kDeleteSelected, cmd::kDeleteAll,
                        cmd::kFlagSelected, cmd::kUnflagAll, cmd::kMarkViewed, cmd::kListProperties}) {
        EXPECT_FALSE(Enabled("list", command)) << command;
    }
    EXPECT_TRUE(Enabled("list", cmd::kSelectAll));
    EXPECT_TRUE(Enabled("list", cmd::kPrintSelected));
    EXPECT_TRUE(Enabled("list", cmd::kUpdateSelected));
}

TEST_F(MenuRulesTest, ViewAndPlayerChecksFollowThePanes) {
    view_.player_pane = true;
    view_.player_floating = true;
    view_.status_bar = false;
    const app::MenuStates view = app::MenuRules("view", session_, view_);
    EXPECT_TRUE(view.items.at(cmd::kVideoPlayer).checked);
    EXPECT_FALSE(view.items.at(cmd::kStatusBar).checked);
    EXPECT_TRUE(view.items.at(cmd::kNormal).checked);
    EXPECT_TRUE(Enabled("player", cmd::kPlayerDock));
    EXPECT_FALSE(Enabled("player", cmd::kPlayerFloat));
    view_.player_pane = false;
    for (int command : {cmd::kPlayerOpenFile, cmd::kPlayerOpenUrl, cmd::kPlayerOpenDvd,
                        cmd::kPlayerDock, cmd::kPlayerFloat}) {
        EXPECT_FALSE(Enabled("player", command)) << command;
    }
    session_.LoggedIn = true;
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(Enabled("view", cmd::kLayout));
}

TEST_F(MenuRulesTest, ToolsMenuNeedsADatabaseAndFullAccessForChanges) {
    EXPECT_FALSE(Enabled("tools", cmd::kSynchronize));
    EXPECT_FALSE(Enabled("tools", cmd::kUndoImportMyVideos));
    Open(1);
    EXPECT_TRUE(Enabled("tools", cmd::kSynchronize));
    EXPECT_TRUE(Enabled("tools", cmd::kHtmlMyVideos));
    EXPECT_FALSE(Enabled("tools", cmd::kHtmlBoth));
    EXPECT_TRUE(SubmenuEnabled("tools", app::menu_id::kImportRecords));
    WriteFileBytes(paths_.import_undo_videos, "");
    EXPECT_TRUE(Enabled("tools", cmd::kUndoImportMyVideos));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(Enabled("tools", cmd::kSynchronize));
    EXPECT_FALSE(SubmenuEnabled("tools", app::menu_id::kImportRecords));
    EXPECT_FALSE(Enabled("tools", cmd::kOpenImageFolder));
}

TEST_F(MenuRulesTest, ValueSubmenusFoldCaseAndSortAlphabetically) {
    Open(0);
    SetColumn("Category", {"Drama", "drama", "Comedy", "", "comedy", "Action"});
    const std::vector<app::DynamicItem> items = app::ValueItems(session_.Videos, "Category", cmd::kListCategoryBase);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].label, "Action");
    EXPECT_EQ(items[1].label, "Comedy");
    EXPECT_EQ(items[2].label, "Drama");
    EXPECT_EQ(items[2].command, cmd::kListCategoryBase + 2);
}

TEST_F(MenuRulesTest, ValueSubmenusOfferAtMost99Values) {
    Open(0);
    std::vector<std::string> values;
    for (int i = 0; i < 150; ++i) values.push_back("Value " + std::to_string(1000 + i));
    SetColumn("MPAA", values);
    const auto items = app::ValueItems(session_.Videos, "MPAA", cmd::kMarkMpaaBase);
    ASSERT_EQ(items.size(), 99u);
    EXPECT_EQ(items.front().label, "Value 1000");
    EXPECT_EQ(items.back().command, cmd::kMarkMpaaBase + 98);
}

TEST_F(MenuRulesTest, FlagSubmenus) {
    Open(2);
    EXPECT_TRUE(app::ListFlaggedItems(session_.Videos).empty());
    const auto only_new = app::MarkFlagItems(session_.Videos);
    ASSERT_EQ(only_new.size(), 1u);
    EXPECT_EQ(only_new[0].command, cmd::kMarkFlagNew);

    SetColumn("Flag Value", {"Lent out", "Favorite"});
    const auto listed = app::ListFlaggedItems(session_.Videos);
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].label, "Favorite");
    EXPECT_EQ(listed[2].command, 0);  // separator
    EXPECT_EQ(listed[3].command, cmd::kListFlaggedAll);
    const auto mark = app::MarkFlagItems(session_.Videos);
    ASSERT_EQ(mark.size(), 4u);
    EXPECT_EQ(mark[3].label, "New");
}

TEST_F(MenuRulesTest, CustomColumnsGiveTheirNamesAndValueCommandsDecode) {
    Open(0);
    const std::vector<std::string> custom = app::CustomColumnNames(session_.Videos);
    ASSERT_EQ(custom.size(), 7u);
    EXPECT_EQ(custom[0], "Location");
    EXPECT_EQ(app::DecodeValueCommand(session_.Videos, cmd::kListCustomBase + 100 + 3).column, custom[1]);
    const app::ValueCommand mark = app::DecodeValueCommand(session_.Videos, cmd::kMarkFlagBase + 5);
    EXPECT_TRUE(mark.mark);
    EXPECT_EQ(mark.column, "Flag Value");
    EXPECT_EQ(app::DecodeValueCommand(session_.Videos, cmd::kListCategoryBase).column, "Category");
    EXPECT_TRUE(app::DecodeValueCommand(session_.Videos, cmd::kSave).column.empty());
}

TEST_F(MenuRulesTest, SortItemsCheckTheSortColumnInItsDirection) {
    session_.Sort = {session_.Videos.ColumnIndexOf("Title"), 0};
    const auto ascending = app::SortItems(session_.Videos, session_.Sort, true);
    const auto descending = app::SortItems(session_.Videos, session_.Sort, false);
    ASSERT_FALSE(ascending.empty());
    for (const auto& item : ascending) EXPECT_FALSE(item.checked) << item.label;
    int checked = 0;
    for (const auto& item : descending) {
        if (item.checked) {
            ++checked;
            EXPECT_EQ(item.label, "Title");
            EXPECT_EQ(item.command, cmd::kSortDescendingBase + session_.Videos.ColumnIndexOf("Title"));
        }
        EXPECT_NE(item.label, "Synopsis");  // not sortable
    }
    EXPECT_EQ(checked, 1);
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

}  // namespace
