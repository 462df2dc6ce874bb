// The login, hint, users, AutoCycle and Synchronize windows over their models; start-up's
// configuration check; the desktop's file types; the HTML view.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebEngineSettings>
#include <filesystem>

#include "app/auto_cycle.h"
#include "gui/auto_cycle_dialog.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/login_dialog.h"
#include "gui/startup_sequence.h"
#include "gui/synchronize_dialog.h"
#include "gui/users_dialog.h"
#include "gui/web_html_view.h"
#include "gui/widget_driving.h"
#include "gui/xdg_file_types.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

TEST(LoginDialogTest, TheFieldsReachTheModelWhichDecidesWhenTheWindowCloses) {
    ScriptedPrompts prompts;
    const core::UserAccount ann{"Ann", "secret", 2, "Pet?", "Rex"};
    const std::vector<core::UserAccount> accounts{ann};
    app::LoginWindow window(accounts, prompts);
    gui::LoginDialog dialog(window, nullptr);
    EXPECT_FALSE(Find(dialog, "helpButton")->isEnabled());
    QTest::keyClicks(Find(dialog, "userName"), "Ann");
    EXPECT_TRUE(Find(dialog, "helpButton")->isEnabled());
    QTest::keyClicks(Find(dialog, "password"), "wrong");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
    Find<QLineEdit>(dialog, "password")->setText("secret");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_NE(window.Account(), nullptr);
    EXPECT_EQ(window.Account()->UserName, "Ann");

    app::LoginWindow login(accounts, prompts);
    app::HintWindow hint(ann, login, prompts);
    gui::HintDialog hint_dialog(hint);
    QTest::keyClicks(Find(hint_dialog, "answer"), "rex");
    hint_dialog.accept();
    EXPECT_EQ(hint_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(login.Password(), "secret");
}

TEST(UsersDialogTest, RefusedCharactersAreRemovedAndTheButtonsFollowTheModel) {
    ScriptedPrompts prompts;
    app::UsersWindow window({{"Ann", "pw", 2, "", ""}}, "Ann", "pw", prompts);
    gui::UsersDialog dialog(window, REELDECK_SOURCE_DATA "/res");
    auto* name = Find<QLineEdit>(dialog, "userName");
    EXPECT_EQ(name->text(), "Ann");
    EXPECT_FALSE(Find(dialog, "addButton")->isEnabled());  // "Ann" is taken
    name->clear();
    QTest::keyClicks(name, "bob|");
    EXPECT_EQ(name->text(), "bob");
    QTest::keyClicks(Find(dialog, "password"), "ab");
    Find<QComboBox>(dialog, "privileges")->setCurrentText("Read Only Access");
    Find<QPushButton>(dialog, "addButton")->click();
    EXPECT_EQ(Find<QListWidget>(dialog, "accountList")->count(), 2);
    EXPECT_EQ(window.Accounts()[1].UserName, "bob");
    EXPECT_EQ(window.Accounts()[1].Level, core::kReadOnlyAccess);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Accounts - 2");
}

TEST(AutoCycleDialogTest, IntervalPauseAndDirectionReachTheModel) {
    TempFolder folder;
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::FixedClock clock(1700000000);
    app::Session session(config::ProgramPaths::ForFolder(folder.path()), config, recent, clock);
    app::AutoCycle cycle(session);
    cycle.Start();
    gui::AutoCycleDialog dialog(cycle, REELDECK_SOURCE_DATA "/res");
    QSignalSpy period(&dialog, &gui::AutoCycleDialog::periodChanged);
    auto* seconds = Find<gui::DigitSpinField>(dialog, "seconds");
    seconds->selectAll();
    QTest::keyClicks(seconds, "12");
    EXPECT_EQ(config.video_list_cycle_frequency, 12);
    EXPECT_EQ(period.last().at(0).toInt(), 12000);
    Find<QToolButton>(dialog, "pauseButton")->click();
    EXPECT_FALSE(cycle.Running());
    Find<QToolButton>(dialog, "directionButton")->click();
    EXPECT_FALSE(cycle.Forward());
}

TEST(SynchronizeDialogTest, OkNeedsAChoiceAndTheBoxesReachTheModel) {
    app::SynchronizeWindow window;
    gui::SynchronizeDialog dialog(window);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    Find<QAbstractButton>(dialog, "videoImages")->click();
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(window.VideoImages());
    EXPECT_FALSE(window.WantedVideos());
}

TEST(StartupConfiguration, AMissingFileIsExplainedAndStopsTheStart) {
    TempFolder folder;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(folder.path());
    config::ProgramConfig config;
    QString shown;
    const auto show = [&](const QString& text) { shown += text; };
    EXPECT_FALSE(gui::ReadStartupConfiguration(paths, config, show));
    EXPECT_TRUE(shown.startsWith("Error opening configuration file:\n")) << shown.toStdString();
    std::filesystem::create_directories(folder / "cfg");
    WriteFileBytes(paths.config, "FIRST_START=0\n");
    EXPECT_TRUE(gui::ReadStartupConfiguration(paths, config, show));
    EXPECT_FALSE(config.first_start);
}

TEST(XdgFileTypes, WritesTheMimePackageTheDesktopEntryAndTheIcons) {
    TempFolder folder;
    gui::XdgFileTypes types(QString::fromStdString(folder / "data"));
    ASSERT_TRUE(types.Associate("/opt/reeldeck/bin/reeldeck", REELDECK_SOURCE_DATA));
    const std::string mime = ReadFileBytes(folder / "data/mime/packages/reeldeck.xml");
    EXPECT_NE(mime.find("<glob pattern=\"*.rdkw\"/>"), std::string::npos);
    // The package installed system-wide registers the same types.
    EXPECT_EQ(mime, ReadFileBytes(REELDECK_SOURCE_DATA "/../packaging/reeldeck.xml"));
    const std::string entry = ReadFileBytes(folder / "data/applications/reeldeck.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/reeldeck/bin/reeldeck\" %f\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder / "data/icons/hicolor/scalable/apps/reeldeck.svg"));
}

TEST(WebHtmlView, EmbedsShowsTextWithoutScriptsAndUnembeds) {
    ASSERT_TRUE(gui::HtmlViewAvailable());
    gui::WebHtmlView host;
    ASSERT_EQ(host.Embed(), 0);
    ASSERT_NE(host.view(), nullptr);
    QSignalSpy loaded(host.view(), &QWebEngineView::loadFinished);
    host.DisplayHtml("<html><body><p>Casablanca</p></body></html>");
    EXPECT_FALSE(host.view()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    EXPECT_TRUE(loaded.wait(20000));
    host.Unembed();
    EXPECT_EQ(host.view(), nullptr);
}

}  // namespace
