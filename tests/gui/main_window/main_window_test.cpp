// The main window's menus, titles and commands.
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "app/command_ids.h"
#include "app/menu_model.h"
#include "gui/text_bytes.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;

QString Plain(QString label) { return label.remove('&'); }

// Compares a built menu with the model, item by item.
void ExpectMenuMatches(const QMenu* menu, const app::MenuEntry& entry) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entry.children.size())) << entry.label;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const app::MenuEntry& child = entry.children[static_cast<std::size_t>(i)];
        QAction* action = actions[i];
        switch (child.kind) {
            case app::MenuEntry::Kind::kSeparator:
                EXPECT_TRUE(action->isSeparator()) << entry.label << " " << i;
                break;
            case app::MenuEntry::Kind::kItem:
                EXPECT_EQ(Plain(action->text()), QString::fromStdString(child.label));
                EXPECT_EQ(action->data().toInt(), child.command) << child.label;
                break;
            case app::MenuEntry::Kind::kSubmenu:
                ASSERT_NE(action->menu(), nullptr) << child.label;
                EXPECT_EQ(Plain(action->menu()->title()), QString::fromStdString(child.label));
                if (!child.children.empty()) ExpectMenuMatches(action->menu(), child);
                break;
        }
    }
}

using MainWindowTest = GuiFixture;

TEST_F(MainWindowTest, MenuBarIsBuiltFromTheMenuTree) {
    const QList<QAction*> menus = window_->menuBar()->actions();
    ASSERT_EQ(menus.size(), 6);
    for (int i = 0; i < 6; ++i) {
        ExpectMenuMatches(menus[i]->menu(), app::MainMenus()[static_cast<std::size_t>(i)]);
    }
}

TEST_F(MainWindowTest, HoveringAnItemShowsItsHelpLine) {
    emit Action(cmd::kNew)->hovered();
    EXPECT_EQ(window_->status()->HelpLine(), "       Create a new database");
    emit window_->menus().Submenu(app::menu_id::kFile)->aboutToHide();
    EXPECT_EQ(window_->status()->HelpLine(), "       Ready");
}

TEST_F(MainWindowTest, TitlesAndCaptionsFollowTheOpenDatabase) {
    EXPECT_EQ(window_->windowTitle(), "Reeldeck");
    EXPECT_EQ(window_->myVideos()->strip()->Caption(), "My Videos");
    Open(WriteDatabase("films.rdk", 3, 2));
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - films.rdk - 3 Videos");
    EXPECT_EQ(window_->myVideos()->strip()->Caption(), "My Videos - 3");
    EXPECT_EQ(window_->dock("wantedDock")->windowTitle(), "Wanted - 2");
    EXPECT_EQ(window_->myVideos()->model()->rowCount(), 3);

    // Nothing changed: closing asks nothing.
    EXPECT_TRUE(window_->RunCommand(cmd::kClose));
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_EQ(window_->windowTitle(), "Reeldeck");
    EXPECT_EQ(window_->myVideos()->model()->rowCount(), 0);
    EXPECT_EQ(window_->dock("wantedDock")->windowTitle(), "Wanted");
}

TEST_F(MainWindowTest, FileMenuRulesFollowTheDatabaseAndTheLogin) {
    Prepare("file");
    EXPECT_FALSE(Action(cmd::kSave)->isEnabled());
    EXPECT_FALSE(Action(cmd::kClose)->isEnabled());
    EXPECT_TRUE(Action(cmd::kOpen)->isEnabled());
    Open(WriteDatabase("films.rdk", 2));
    Prepare("file");
    EXPECT_TRUE(Action(cmd::kSave)->isEnabled());
    EXPECT_TRUE(Action(cmd::kClose)->isEnabled());
    EXPECT_EQ(Plain(Action(cmd::kLogout)->text()), "Logout");
    EXPECT_FALSE(Action(cmd::kLogout)->isEnabled());
    session_->AccessLevel = app::kReadOnlyAccess;
    Prepare("file");
    EXPECT_FALSE(Action(cmd::kSave)->isEnabled());
    EXPECT_FALSE(Action(cmd::kDelete)->isEnabled());
}

TEST_F(MainWindowTest, ItemsWithoutAnOperationStayDisabled) {
    Open(WriteDatabase("films.rdk", 2));
    Prepare("file");
    Prepare("tools");
    EXPECT_TRUE(window_->HasOperation(cmd::kOpenDatabaseFolder));
    EXPECT_TRUE(Action(cmd::kOpenDatabaseFolder)->isEnabled());
    for (int command : {cmd::kProperties, cmd::kPrint, cmd::kSynchronize, cmd::kImportMyVideos}) {
        if (!window_->HasOperation(command)) {
            EXPECT_FALSE(Action(command)->isEnabled()) << command;
        }
    }
}

TEST_F(MainWindowTest, ListMenuValueSubmenusAndCustomColumnLabels) {
    Open(WriteDatabase("films.rdk", 4, 0, {"Drama", "drama", "Comedy", "Action"}));
    Prepare("list");
    QMenu* category = window_->menus().Submenu(app::menu_id::kListCategory);
    ASSERT_NE(category, nullptr);
    QStringList labels;
    for (QAction* action : category->actions()) labels << action->text();
    EXPECT_EQ(labels, (QStringList{"Action", "Comedy", "Drama"}));
    EXPECT_EQ(category->actions().first()->data().toInt(), cmd::kListCategoryBase);
    QMenu* custom = window_->menus().Submenu(app::CustomMenuId(app::menu_id::kListCustomPrefix, 0));
    EXPECT_EQ(Plain(custom->title()), "Location");
    QMenu* flag = window_->menus().Submenu(app::menu_id::kMarkFlag);
    ASSERT_EQ(flag->actions().size(), 1);
    EXPECT_EQ(flag->actions().first()->text(), "New");
}

TEST_F(MainWindowTest, RecentSubmenuOpensTheChosenDatabase) {
    const std::string alpha = WriteDatabase("alpha.rdk", 1);
    const std::string beta = WriteDatabase("beta.rdk", 2);
    Open(alpha);
    ASSERT_EQ(window_->RunCommand(cmd::kClose), true);
    Open(beta);
    Prepare("file");
    QMenu* recent = window_->menus().Submenu(app::menu_id::kRecent);
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), QString::fromStdString("1 " + beta));
    EXPECT_EQ(recent->actions()[1]->text(), QString::fromStdString("2 " + alpha));
    recent->actions()[1]->trigger();
    EXPECT_EQ(session_->CurrentDatabasePath, alpha);
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - alpha.rdk - 1 Videos");
}

TEST_F(MainWindowTest, AddNewWithoutADatabaseExplainsWhatToDo) {
    EXPECT_TRUE(window_->RunCommand(cmd::kAddNew));
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_EQ(prompts_.Messages()[0].text.rfind("You must first create or open a video database before adding records.", 0), 0u);
    EXPECT_TRUE(window_->RunCommand(cmd::kToolWizard));
    EXPECT_EQ(prompts_.Messages()[1].text.rfind("First create or open a video database before\nusing the Video Import Wizard.", 0), 0u);
}

TEST_F(MainWindowTest, CloseRequestAsksToSaveChanges) {
    const std::string films = WriteDatabase("films.rdk", 2);
    Open(films);
    session_->Modified = true;
    prompts_.QueueAnswer(platform::Answer::kCancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(prompts_.Messages().back().text, "Save changes to films.rdk?");

    session_->Wanted.Add("Saved on the way out");
    prompts_.QueueAnswer(platform::Answer::kYes);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(ReadFileBytes(films + "w"), "Saved on the way out\n");
}

TEST_F(MainWindowTest, OnlinePagesOpenUnderTheServiceAddress) {
    EXPECT_TRUE(window_->RunCommand(cmd::kVdbBoxOffice));
    EXPECT_TRUE(window_->RunCommand(cmd::kCheckForNewVersion));
    EXPECT_TRUE(window_->RunCommand(cmd::kOnline));
    EXPECT_EQ(shell_.opened, (std::vector<std::string>{"http://127.0.0.1:9/vdb/boxoffice/",
                                                       "http://127.0.0.1:9/rd/1.0/upgrade/?v=1.0",
                                                       "https://reeldeck.example/"}));
}

TEST_F(MainWindowTest, ProtectedDatabaseShowsTheUserInTheStatusBar) {
    const std::string films = WriteDatabase("films.rdk", 1, 0, {}, {{"Ann", "pw", 2, "", ""}, {"Bob", "pw", 1, "", ""}});
    login_.ExpectWindow({ScriptedLogin::Ok("Bob", "pw")});
    Open(films);
    EXPECT_EQ(window_->status()->UserTip(), "User: Bob [guest]");
    Prepare("file");
    EXPECT_EQ(Action(cmd::kLogout)->text(), "Logout: Bob");
    EXPECT_TRUE(window_->RunCommand(cmd::kLogout));
    EXPECT_EQ(window_->status()->UserTip(), "Not logged in");
    EXPECT_EQ(window_->windowTitle(), "Reeldeck");
}

TEST_F(MainWindowTest, PaneButtonsDoNothingForAReadOnlyUser) {
    const std::string films = WriteDatabase("films.rdk", 3, 0, {}, {{"Ann", "pw", 2, "", ""}, {"Bob", "pw", 1, "", ""}});
    login_.ExpectWindow({ScriptedLogin::Ok("Bob", "pw")});
    Open(films);
    session_->Videos.Select(0, true);
    gui::CaptionStrip* strip = window_->myVideos()->strip();
    using B = gui::CaptionStrip::Button;
    for (B button : {B::kDeleteSelected, B::kDeleteAll, B::kUnflagAll, B::kMarkViewed, B::kAdd, B::kEdit,
                     B::kFlag}) {
        strip->ButtonWidget(button)->click();
    }
    EXPECT_EQ(session_->Videos.RowCount(), 3);
    EXPECT_FALSE(session_->Modified);
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(MainWindowTest, PaneButtonsAskBeforeUnflaggingWhereTheMenuDoesNot) {
    Open(WriteDatabase("films.rdk", 2));
    const int flag_value = session_->Videos.ColumnIndexOf("Flag Value");
    session_->Videos.SetCell(0, flag_value, "Favorite");
    session_->Videos.SetFlagMark(0, true);
    prompts_.QueueAnswer(platform::Answer::kCancel);
    window_->myVideos()->strip()->ButtonWidget(gui::CaptionStrip::Button::kUnflagAll)->click();
    EXPECT_EQ(prompts_.Messages().back().text, "Remove all flags in the My Videos list?");
    EXPECT_EQ(session_->Videos.Cell(0, flag_value), "Favorite");
    EXPECT_TRUE(window_->RunCommand(cmd::kUnflagAll));  // the menu item does not ask
    EXPECT_EQ(session_->Videos.Cell(0, flag_value), "");
    EXPECT_TRUE(session_->Modified);
}

TEST_F(MainWindowTest, ListVideosSelectsTheRowsAndListsTheirTitles) {
    Open(WriteDatabase("films.rdk", 5, 0, {"Drama", "Comedy"}));
    window_->PrepareMenu("list");
    QMenu* category = window_->menus().Submenu(app::menu_id::kListCategory);
    ASSERT_EQ(category->actions().size(), 2);
    category->actions()[1]->trigger();  // "Drama"
    EXPECT_EQ(session_->Videos.SelectedRows(), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(window_->dock("searchDock")->windowTitle(), "Search - 3");
    EXPECT_FALSE(window_->dock("searchDock")->isHidden());
    EXPECT_EQ(window_->myVideos()->view()->selectionModel()->selectedRows().size(), 3);
}

}  // namespace
