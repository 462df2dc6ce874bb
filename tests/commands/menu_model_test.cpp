#include "app/menu_model.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"

namespace {

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
