// The login, hint and users windows over their models; start-up's configuration check; the
// byte and text conversions; the desktop's file types.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <filesystem>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/auto_cycle.h"
#include "gui/auto_cycle_dialog.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/login_dialog.h"
#include "gui/synchronize_dialog.h"
#include "gui/startup_sequence.h"
#include "gui/text_bytes.h"
#include "gui/users_dialog.h"
#include "gui/xdg_file_types.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

using Field = app::UsersWindow::Field;

TEST(LoginDialogTest, HelpNeedsAUserNameAndTheFieldsReachTheModel) {
    ScriptedPrompts prompts;
    const std::vector<core::UserAccount> accounts = {{"Ann", "secret", 2, "Pet?", "Rex"}};
    app::LoginWindow window(accounts, prompts);
    gui::LoginDialog dialog(window, nullptr);
    EXPECT_FALSE(dialog.helpButton()->isEnabled());
    QTest::keyClicks(dialog.userName(), "Ann");
    EXPECT_TRUE(dialog.helpButton()->isEnabled());
    EXPECT_EQ(dialog.password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.userName()->maxLength(), 10);

    QTest::keyClicks(dialog.password(), "wrong");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "Incorrect username or password. (Both are case-sensative)");
    EXPECT_EQ(prompts.Messages()[0].title, "Access Denied");

    dialog.password()->setText("secret");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_NE(window.Account(), nullptr);
    EXPECT_EQ(window.Account()->UserName, "Ann");
}

TEST(LoginDialogTest, HintWindowNeedsAnAnswer) {
    ScriptedPrompts prompts;
    const core::UserAccount account{"Ann", "secret", 2, "Pet?", "Rex"};
    const std::vector<core::UserAccount> accounts = {account};
    app::LoginWindow login(accounts, prompts);
    app::HintWindow hint(account, login, prompts);
    gui::HintDialog dialog(hint);
    QPushButton* ok = dialog.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    QTest::keyClicks(dialog.answer(), "rex");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(login.Password(), "secret");
}

TEST(UsersDialogTest, RefusedCharactersAreRemovedAndButtonsFollowTheRules) {
    ScriptedPrompts prompts;
    app::UsersWindow window({{"Ann", "pw", 2, "", ""}}, "Ann", "pw", prompts);
    gui::UsersDialog dialog(window, REELDECK_SOURCE_DATA "/res");
    EXPECT_EQ(dialog.accounts()->count(), 1);
    EXPECT_EQ(dialog.accounts()->currentRow(), 0);
    EXPECT_EQ(dialog.field(Field::kUserName)->text(), "Ann");
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Accounts - 1");
    EXPECT_FALSE(dialog.addButton()->isEnabled());  // "Ann" is taken
    EXPECT_TRUE(dialog.updateButton()->isEnabled());

    QLineEdit* name = dialog.field(Field::kUserName);
    name->clear();
    QTest::keyClicks(name, "bob|");
    EXPECT_EQ(name->text(), "bob");
    EXPECT_EQ(name->selectedText(), "bob");  // selected, to be typed over
    ASSERT_FALSE(prompts.Messages().empty());
    EXPECT_EQ(prompts.Messages().back().text, "Pipe characters \"|\" are not allowed.");
    QLineEdit* password = dialog.field(Field::kPassword);
    password->clear();
    QTest::keyClicks(password, "ab:");
    EXPECT_EQ(password->text(), "ab");
    EXPECT_EQ(prompts.Messages().back().text, "Colon characters \":\" are not allowed.");

    dialog.privileges()->setCurrentText("Read Only Access");
    EXPECT_TRUE(dialog.addButton()->isEnabled());
    dialog.addButton()->click();
    EXPECT_EQ(dialog.accounts()->count(), 2);
    EXPECT_EQ(window.Accounts()[1].UserName, "bob");
    EXPECT_EQ(window.Accounts()[1].Level, core::kReadOnlyAccess);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Accounts - 2");
}

TEST(AutoCycleDialogTest, IntervalPauseAndDirectionReachTheModel) {
    TempFolder folder;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(folder.path());
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::FixedClock clock(1700000000);
    app::Session session(paths, config, recent, clock);
    app::AutoCycle cycle(session);
    cycle.Start();
    gui::AutoCycleDialog dialog(cycle, REELDECK_SOURCE_DATA "/res");
    EXPECT_EQ(dialog.seconds()->text(), "1000");
    QSignalSpy period(&dialog, &gui::AutoCycleDialog::periodChanged);
    dialog.seconds()->selectAll();
    QTest::keyClicks(dialog.seconds(), "12");
    EXPECT_EQ(config.video_list_cycle_frequency, 12);
    ASSERT_FALSE(period.isEmpty());
    EXPECT_EQ(period.last().at(0).toInt(), 12000);
    dialog.pauseButton()->click();
    EXPECT_FALSE(cycle.Running());
    dialog.directionButton()->click();
    EXPECT_FALSE(cycle.Forward());
    EXPECT_EQ(dialog.seconds()->toolTip(), "Interval in seconds");
}

TEST(SynchronizeDialogTest, OkNeedsAChoiceAndTheBoxesReachTheModel) {
    app::SynchronizeWindow window;
    gui::SynchronizeDialog dialog(window);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.videoImages()->click();
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(window.VideoImages());
    EXPECT_FALSE(window.WantedVideos());
    dialog.videoImages()->click();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
}

TEST(StartupConfiguration, MissingFileIsExplainedAndStopsTheStart) {
    TempFolder folder;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(folder.path());
    config::ProgramConfig config;
    QString shown;
    EXPECT_FALSE(gui::ReadStartupConfiguration(paths, config, [&](const QString& text) { shown = text; }));
    EXPECT_EQ(shown, QString::fromStdString("Error opening configuration file:\n" + paths.config +
                                            ".\nNo such file or directory"));
    std::filesystem::create_directories(folder / "cfg");
    WriteFileBytes(paths.config, "FIRST_START=0\n");
    shown.clear();
    EXPECT_TRUE(gui::ReadStartupConfiguration(paths, config, [&](const QString& text) { shown = text; }));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(config.first_start);
}

TEST(TextBytes, ValidUtf8RoundTripsAndStrayBytesShowAsLatin1) {
    const std::string utf8 = "Am\xc3\xa9lie \xe2\x80\x94 2001";
    EXPECT_EQ(gui::FromBytes(utf8), QString::fromUtf8("Amélie — 2001"));
    EXPECT_EQ(gui::ToBytes(gui::FromBytes(utf8)), utf8);
    EXPECT_EQ(gui::FromBytes("Ast\xc8rix"), QString::fromUtf8("AstÈrix"));
    EXPECT_EQ(gui::FromBytes(std::string("a\0b", 3)).size(), 3);
}

TEST(XdgFileTypes, WritesTheMimePackageDesktopEntryAndIconsOnce) {
    TempFolder folder;
    gui::XdgFileTypes types(QString::fromStdString(folder / "data"));
    ASSERT_TRUE(types.Associate("/opt/reeldeck/bin/reeldeck", REELDECK_SOURCE_DATA));
    const std::string mime = ReadFileBytes(folder / "data/mime/packages/reeldeck.xml");
    for (const char* extension : {"rdk", "rdka", "rdkh", "rdki", "rdks", "rdkw"}) {
        EXPECT_NE(mime.find(std::string("<glob pattern=\"*.") + extension + "\"/>"), std::string::npos) << extension;
    }
    EXPECT_NE(mime.find("application/x-reeldeckdatabasefile"), std::string::npos);
    const std::string entry = ReadFileBytes(folder / "data/applications/reeldeck.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/reeldeck/bin/reeldeck\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=application/x-reeldeck-database;"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder / "data/icons/hicolor/scalable/mimetypes/application-x-reeldeck-database.svg"));
    EXPECT_TRUE(std::filesystem::exists(folder / "data/icons/hicolor/scalable/apps/reeldeck.svg"));
}

}  // namespace
