// The main window's menus, titles, commands and the questions of closing and logging in.
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/menu_model.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;

QString Plain(QString label) {
    return label.remove('&');
}

QStringList Labels(const QMenu* menu) {
    QStringList labels;
    for (QAction* action : menu->actions()) labels << action->text();
    return labels;
}

// Compares a built menu with the model, item by item.
void ExpectMenuMatches(const QMenu* menu, const app::MenuEntry& entry) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entry.children.size())) << entry.label;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const app::MenuEntry& child = entry.children[static_cast<std::size_t>(i)];
        switch (child.kind) {
            case app::MenuEntry::Kind::kSeparator:
                EXPECT_TRUE(actions[i]->isSeparator()) << entry.label << " " << i;
                break;
            case app::MenuEntry::Kind::kItem:
                EXPECT_EQ(Plain(actions[i]->text()), QString::fromStdString(child.label));
                EXPECT_EQ(actions[i]->data().toInt(), child.command) << child.label;
                break;
            case app::MenuEntry::Kind::kSubmenu:
                ASSERT_NE(actions[i]->menu(), nullptr) << child.label;
                EXPECT_EQ(Plain(actions[i]->menu()->title()), QString::fromStdString(child.label));
                ExpectMenuMatches(actions[i]->menu(), child);
                break;
        }
    }
}

using MainWindowTest = GuiFixture;

TEST_F(MainWindowTest, TheMenuBarIsBuiltFromTheMenuTreeAndItsItemsExplainThemselves) {
    const QList<QAction*> menus = window_->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(app::MainMenus().size()));
    for (qsizetype i = 0; i < menus.size(); ++i) {
        ExpectMenuMatches(menus[i]->menu(), app::MainMenus()[static_cast<std::size_t>(i)]);
    }
    emit Action(cmd::kNew)->hovered();
    EXPECT_EQ(window_->status()->HelpLine(), "       Create a new database");
    emit window_->menus().Submenu(app::menu_id::kFile)->aboutToHide();
    EXPECT_EQ(window_->status()->HelpLine(), "       Ready");
}

TEST_F(MainWindowTest, TitlesAndCaptionsFollowTheOpenDatabaseWhichTheRecentMenuReopens) {
    const std::string films = WriteDatabase("films.rdk", 3, 2);
    Open(films);
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - films.rdk - 3 Videos");
    EXPECT_EQ(window_->myVideos()->strip()->Caption(), "My Videos - 3");
    EXPECT_EQ(window_->dock("wantedDock")->windowTitle(), "Wanted - 2");
    EXPECT_EQ(window_->myVideos()->model()->rowCount(), 3);
    EXPECT_TRUE(window_->RunCommand(cmd::kClose));  // nothing changed: closing asks nothing
    EXPECT_EQ(window_->windowTitle(), "Reeldeck");
    EXPECT_EQ(window_->myVideos()->strip()->Caption(), "My Videos");
    EXPECT_EQ(window_->myVideos()->model()->rowCount(), 0);
    EXPECT_EQ(window_->dock("wantedDock")->windowTitle(), "Wanted");

    window_->PrepareMenu("file");
    QMenu* recent = window_->menus().Submenu(app::menu_id::kRecent);
    EXPECT_EQ(Labels(recent), QStringList{QString::fromStdString("1 " + films)});
    recent->actions()[0]->trigger();
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - films.rdk - 3 Videos");
}

TEST_F(MainWindowTest, TheMenuRulesAndTheOperationsReachTheItems) {
    EXPECT_FALSE(Action(cmd::kSave)->isEnabled());
    Open(WriteDatabase("films.rdk", 2));
    EXPECT_TRUE(Action(cmd::kSave)->isEnabled());  // no menu has opened
    session_->AccessLevel = app::kReadOnlyAccess;
    window_->PrepareMenu("file");
    EXPECT_FALSE(Action(cmd::kSave)->isEnabled());
    window_->PrepareMenu("tools");
    for (int command : {cmd::kProperties, cmd::kPrint, cmd::kSynchronize, cmd::kImportMyVideos}) {
        EXPECT_TRUE(window_->HasOperation(command) || !Action(command)->isEnabled()) << command;
    }
    EXPECT_TRUE(window_->RunCommand(cmd::kVdbBoxOffice));
    EXPECT_EQ(shell_.opened, std::vector<std::string>{"http://127.0.0.1:9/vdb/boxoffice/"});
}

TEST_F(MainWindowTest, ValueSubmenusComeFromTheListAndListVideosShowsTheirRows) {
    Open(WriteDatabase("films.rdk", 5, 0, {"Drama", "Comedy", "drama", "Action", "Drama"}));
    window_->PrepareMenu("list");
    QMenu* category = window_->menus().Submenu(app::menu_id::kListCategory);
    EXPECT_EQ(Labels(category), (QStringList{"Action", "Comedy", "Drama"}));
    QMenu* custom = window_->menus().Submenu(app::CustomMenuId(app::menu_id::kListCustomPrefix, 0));
    EXPECT_EQ(Plain(custom->title()), "Location");
    EXPECT_EQ(Labels(window_->menus().Submenu(app::menu_id::kMarkFlag)), QStringList{"New"});

    category->actions()[2]->trigger();  // "Drama"
    EXPECT_EQ(session_->Videos.SelectedRows(), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(window_->dock("searchDock")->windowTitle(), "Search - 3");
    EXPECT_FALSE(window_->dock("searchDock")->isHidden());
    EXPECT_EQ(window_->myVideos()->view()->selectionModel()->selectedRows().size(), 3);
}

// Keys reach their commands as soon as the state allows them, with no menu ever opened; the
// title marks unsaved changes until they are saved.
TEST_F(MainWindowTest, ShortcutsActWithoutAMenuAndTheTitleMarksUnsavedChanges) {
    const std::string films = WriteDatabase("films.rdk", 2);
    Open(films);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTableView* list = window_->myVideos()->view();
    list->setFocus();
    list->selectRow(0);
    const std::string deleted(session_->Videos.Cell(0, Column("Title")));
    prompts_.QueueAnswer(platform::Answer::kOk);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(session_->Videos.RowCount(), 1);
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - *films.rdk - 1 Videos");

    QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(session_->Modified);
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - films.rdk - 1 Videos");
    EXPECT_EQ(ReadFileBytes(films).find(deleted), std::string::npos);

    InModal([&] { QTest::keyClick(list, Qt::Key_Insert); }, "recordEditorDialog");
}

// A Yes whose save fails keeps the window and the database; a Yes that saves ends.
TEST_F(MainWindowTest, ACloseRequestAsksToSaveChangesAndNeverLosesThem) {
    const std::string films = WriteDatabase("films.rdk", 2);
    Open(films);
    session_->Wanted.Add("Saved on the way out");
    session_->Modified = true;
    std::filesystem::remove(films + "w");
    std::filesystem::create_directory(films + "w");  // the wanted file cannot be replaced
    prompts_.QueueAnswer(platform::Answer::kYes);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(prompts_.Texts().front(), "Save changes to films.rdk?");
    EXPECT_EQ(prompts_.Messages().back().title, "Error");
    EXPECT_EQ(session_->CurrentDatabasePath, films);
    EXPECT_EQ(session_->Wanted.Count(), 1);

    std::filesystem::remove(films + "w");
    prompts_.QueueAnswer(platform::Answer::kYes);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(ReadFileBytes(films + "w"), "Saved on the way out\n");
}

// The panes' buttons go through the list's own rules: nothing for a read-only user, and a
// question before unflagging where the menu item asks none.
TEST_F(MainWindowTest, AProtectedDatabaseShowsTheUserWhosePanesButtonsFollowTheListsRules) {
    login_.ExpectWindow({ScriptedLogin::Ok("Bob", "pw")});
    Open(
        WriteDatabase("films.rdk", 3, 0, {}, {{"Ann", "pw", 2, "", ""}, {"Bob", "pw", 1, "", ""}}));
    EXPECT_EQ(window_->status()->UserTip(), "User: Bob [guest]");
    session_->Videos.Select(0, true);
    using B = gui::CaptionStrip::Button;
    for (B button : {B::kDeleteSelected, B::kDeleteAll, B::kUnflagAll, B::kMarkViewed, B::kAdd,
                     B::kEdit, B::kFlag}) {
        window_->myVideos()->strip()->ButtonWidget(button)->click();
    }
    EXPECT_EQ(session_->Videos.RowCount(), 3);
    EXPECT_FALSE(session_->Modified);
    EXPECT_TRUE(prompts_.Messages().empty());
    window_->PrepareMenu("file");
    EXPECT_EQ(Action(cmd::kLogout)->text().remove(u'&'), "Logout: Bob");
    EXPECT_TRUE(window_->RunCommand(cmd::kLogout));
    EXPECT_EQ(window_->status()->UserTip(), "Not logged in");
    EXPECT_EQ(window_->windowTitle(), "Reeldeck");

    Open(WriteDatabase("open.rdk", 2));
    session_->Videos.SetCell(0, Column("Flag Value"), "Favorite");
    session_->Videos.SetFlagMark(0, true);
    prompts_.QueueAnswer(platform::Answer::kCancel);
    window_->myVideos()->strip()->ButtonWidget(B::kUnflagAll)->click();
    EXPECT_EQ(prompts_.Texts().back(), "Remove all flags in the My Videos list?");
    EXPECT_EQ(session_->Videos.Cell(0, Column("Flag Value")), "Favorite");
    EXPECT_TRUE(window_->RunCommand(cmd::kUnflagAll));
    EXPECT_EQ(session_->Videos.Cell(0, Column("Flag Value")), "");
}

}  // namespace
