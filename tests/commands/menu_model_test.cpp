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

TEST(MenuTree, EveryCommandHasOneItemExceptTheSharedViews) {
    std::multiset<int> commands;
    CollectCommands(app::MainMenus(), commands);
    for (int command : commands) {
        const bool shared = command == app::cmd::kImageView || command == app::cmd::kTextView;
        EXPECT_EQ(commands.count(command), shared ? 2u : 1u) << command;
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
