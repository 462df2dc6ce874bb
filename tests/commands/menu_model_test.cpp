#include "app/menu_model.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"

namespace {

using app::MenuEntry;

std::vector<std::string> Labels(const MenuEntry& menu) {
    std::vector<std::string> labels;
    for (const MenuEntry& entry : menu.children) {
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

TEST(MenuTree, TopLevelMenusInOrder) {
    std::vector<std::string> names;
    for (const MenuEntry& menu : app::MainMenus()) names.push_back(menu.label);
    EXPECT_EQ(names, (std::vector<std::string>{"File", "View", "List", "Player", "Tools", "Help"}));
}

TEST(MenuTree, FileMenuLabelsSeparatorsAndNumbers) {
    const MenuEntry& file = app::MainMenus()[0];
    EXPECT_EQ(Labels(file),
              (std::vector<std::string>{"New...", "Open...", "Save", "Save As...", "-", "Close",
                                        "Delete...", "-", "Properties...", "Settings...", "-",
                                        "Print...", "-", "Recent", "-", "Logout", "-",
                                        "Exit Reeldeck"}));
    const MenuEntry* exit = app::FindMenuEntry(app::MainMenus(), app::cmd::kExit);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->help, "Exit Reeldeck");
    EXPECT_FALSE(app::FindMenuEntry(app::MainMenus(), app::cmd::kDelete)->help.empty());
}

TEST(MenuTree, ListMenuHoldsTheValueSubmenusInOrder) {
    const MenuEntry* list_videos = app::FindSubmenu(app::MainMenus(), app::menu_id::kListVideos);
    ASSERT_NE(list_videos, nullptr);
    std::vector<std::string> labels = Labels(*list_videos);
    ASSERT_EQ(labels.size(), 17u);
    EXPECT_EQ(labels[0], "Flagged");
    EXPECT_EQ(labels[1], "-");
    EXPECT_EQ(labels[2], "MPAA Rating");
    EXPECT_EQ(labels[10], "-");
    EXPECT_EQ(labels[11], "Category");
    EXPECT_EQ(labels[13], "Viewed");
    EXPECT_EQ(labels[14], "Not Viewed");
    EXPECT_EQ(labels[16], "Duplicate Titles");
    EXPECT_EQ(list_videos->children[3].id, "list.listvideos.custom0");

    const MenuEntry* rank = app::FindSubmenu(app::MainMenus(), app::menu_id::kRankSelected);
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(Labels(*rank), (std::vector<std::string>{"*****", "****", "***", "**", "*"}));
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

TEST(MenuTree, HelpLinesStartWithSevenBlanks) {
    EXPECT_EQ(app::HelpLine("Create a new database"), "       Create a new database");
    EXPECT_EQ(app::HelpLine(""), "       Ready");
}

TEST(ToolBar, FourteenEntriesWithPictures) {
    const auto& buttons = app::ToolBarButtons();
    ASSERT_EQ(buttons.size(), 14u);
    std::vector<std::string> texts;
    for (const auto& button : buttons) texts.push_back(button.command == 0 ? "-" : button.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"New", "Open", "Save", "Save As", "-", "Search",
                                               "Replace", "Wanted", "Details", "Player", "-",
                                               "Wizard", "Print", " Settings "}));
    for (const auto& button : buttons) {
        if (button.command != 0) {
            EXPECT_FALSE(button.picture.empty()) << button.text;
        }
    }
    EXPECT_EQ(buttons[11].command, app::cmd::kToolWizard);
}

}  // namespace
