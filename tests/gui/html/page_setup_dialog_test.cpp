#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "gui/html/page_setup_dialog.h"
#include "gui/html/theme_editor_dialogs.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

TEST(PageSetupDialog, EditedTitleSavedUnderANewNameIsWrittenAndSelected) {
    TempFolder folder;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(folder.path());
    std::filesystem::create_directories(paths.theme_folder);
    std::filesystem::copy_file(REELDECK_SOURCE_DATA "/cfg/hls/Default.txt",
                               paths.theme_folder + "/Default.txt");
    config::ProgramConfig config;
    ScriptedPrompts prompts;
    html::PageSetupRun run;
    core::VideoList videos;
    html::PageSetup model(html::ListKind::kMyVideos, {2, 0, 0}, paths, config, prompts, run);
    gui::PageSetupDialog dialog(model, {videos, folder / "db.rdkh", "", prompts});
    ASSERT_TRUE(dialog.Start());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "My Videos List - HTML Page Setup");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("setDefault")->isEnabled());

    auto* title = dialog.findChild<QLineEdit*>("title");
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(title, "Evening films");
    QTimer::singleShot(0, [] {
        auto* save = qobject_cast<gui::SaveThemeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(save, nullptr);
        auto* name = save->findChild<QLineEdit*>("themeName");
        name->setText("Evening");
        save->accept();
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("saveTheme"), Qt::LeftButton);

    const std::string saved = ReadFileBytes(paths.theme_folder + "/Evening.txt");
    EXPECT_NE(saved.find("\nTITLE=Evening films\n"), std::string::npos);
    EXPECT_NE(saved.find("\nLOGOSRC=|||\n"), std::string::npos);
    auto* themes = dialog.findChild<QListWidget*>("themes");
    ASSERT_NE(themes->currentItem(), nullptr);
    EXPECT_EQ(themes->currentItem()->text(), "Evening");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("setDefault")->isEnabled());
    EXPECT_EQ(prompts.Unused(), "");
}

}  // namespace
