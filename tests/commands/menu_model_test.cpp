#include "app/menu_model.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"

namespace {

using app::MenuEntry;
using Labels = std::vector<std::string>;

Labels LabelsOf(const std::vector<MenuEntry>& entries) {
    Labels labels;
    for (const MenuEntry& entry : entries) {
        labels.push_back(entry.kind == MenuEntry::Kind::kSeparator ? "-" : entry.label);
    }
    return labels;
}

void CollectCommands(const std::vector<MenuEntry>& entries, std::multiset<int>& commands) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::kItem) commands.insert(entry.command);
        CollectCommands(entry.children, commands);
    }
}

TEST(MenuTree, TopLevelMenusAndTheFileMenuInOrder) {
    EXPECT_EQ(LabelsOf(app::MainMenus()),
              (Labels{"File", "View", "List", "Player", "Tools", "Help"}));
    EXPECT_EQ(LabelsOf(app::MainMenus()[0].children),
              (Labels{"New...", "Open...", "Save", "Save As...", "-", "Close", "Delete...", "-",
                      "Properties...", "Settings...", "-", "Print...", "-", "Recent", "-", "Logout",
                      "-", "Exit Reeldeck"}));
    EXPECT_EQ(app::FindMenuEntry(app::MainMenus(), app::cmd::kExit)->help, "Exit Reeldeck");
    EXPECT_EQ(app::HelpLine("Create a new database"), "       Create a new database");
    EXPECT_EQ(app::HelpLine(""), "       Ready");
}

TEST(MenuTree, ListMenuHoldsTheValueSubmenusInOrder) {
    const MenuEntry* list_videos = app::FindSubmenu(app::MainMenus(), app::menu_id::kListVideos);
    ASSERT_NE(list_videos, nullptr);
    EXPECT_EQ(LabelsOf(list_videos->children),
              (Labels{"Flagged", "-", "MPAA Rating", "Custom 1", "Custom 2", "Custom 3", "Custom 4",
                      "Custom 5", "Custom 6", "Custom 7", "-", "Category", "-", "Viewed",
                      "Not Viewed", "-", "Duplicate Titles"}));
    EXPECT_EQ(list_videos->children[3].id, "list.listvideos.custom0");

    const MenuEntry* rank = app::FindSubmenu(app::MainMenus(), app::menu_id::kRankSelected);
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(LabelsOf(rank->children), (Labels{"*****", "****", "***", "**", "*"}));
    EXPECT_EQ(rank->children[0].command, app::cmd::kRank5);
    EXPECT_EQ(rank->children[0].help, "Send Reeldeck a five star rating for selected item");
}

TEST(MenuTree, EveryCommandHasOneItemExceptTheSharedViews) {
    std::multiset<int> commands;
    CollectCommands(app::MainMenus(), commands);
    for (int command : commands) {
        const bool shared = command == app::cmd::kImageView || command == app::cmd::kTextView;
        EXPECT_EQ(commands.count(command), shared ? 2u : 1u) << command;
        EXPECT_GE(command, 2195);
        EXPECT_LE(command, 2769);
    }
}

TEST(ToolBar, FourteenEntriesWithPictures) {
    Labels texts;
    for (const auto& button : app::ToolBarButtons()) {
        texts.push_back(button.command == 0 ? "-" : button.text);
        EXPECT_TRUE(button.command == 0 || !button.picture.empty()) << button.text;
    }
    EXPECT_EQ(texts, (Labels{"New", "Open", "Save", "Save As", "-", "Search", "Replace", "Wanted",
                             "Details", "Player", "-", "Wizard", "Print", " Settings "}));
    EXPECT_EQ(app::ToolBarButtons()[11].command, app::cmd::kToolWizard);
}

}  // namespace
