#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "core/header_file.h"
#include "gui/html/print_options_dialog.h"
#include "gui/widget_driving.h"
#include "html/print_settings.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

class PrintOptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "cfg");
        ASSERT_TRUE(core::ReadHeader(videos_, REELDECK_SOURCE_DATA "/cfg/mlh.txt"));
        for (const char* title : {"Alien", "Brazil", "Casablanca"}) {
            const int row = videos_.InsertRow(videos_.RowCount(), "");
            videos_.SetCell(row, videos_.ColumnIndexOf("Title"), title);
        }
    }
    gui::PrintOptionsContext Context() {
        return {settings_,          videos_,    wanted_,  paths_,
                folder_ / "images", "03/07/04", prompts_, progress_};
    }
    TempFolder folder_;
    config::ProgramPaths paths_ = config::ProgramPaths::ForFolder(folder_.path());
    html::PrintSettings settings_;
    core::VideoList videos_;
    core::WantedList wanted_;
    ScriptedPrompts prompts_;
    platform::NoProgress progress_;
};

TEST_F(PrintOptionsDialogTest, TitlesOnlyShowsInThePreviewAndPrintsTheSelectedRows) {
    std::filesystem::copy_file(REELDECK_SOURCE_DATA "/cfg/ps.txt", paths_.print_settings);
    videos_.Select(0, true);
    videos_.Select(2, true);
    gui::PrintOptionsDialog dialog(Context());
    std::vector<std::string> printed;
    dialog.print_page = [&printed](const std::string& page) {
        printed.push_back(ReadFileBytes(page));
    };
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Print Output Options");
    // An empty Wanted Videos list cannot be chosen; the selection is what prints by default.
    EXPECT_FALSE(Find<QRadioButton>(dialog, "listWanted")->isEnabled());
    EXPECT_FALSE(Find<QRadioButton>(dialog, "listBoth")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(dialog, "recordsSelected")->isChecked());
    auto* preview = Find<QTextBrowser>(dialog, "printPreview");
    EXPECT_TRUE(preview->toPlainText().contains("9. My Video Title"));
    EXPECT_FALSE(preview->toPlainText().contains("Starring"));
    EXPECT_TRUE(preview->toHtml().contains("Verdana"));

    auto* titles_only = Find<QCheckBox>(dialog, "titlesOnly");
    EXPECT_TRUE(titles_only->isChecked());
    // The box reacts to clicks on its mark and label, not on the empty space beside them.
    QTest::mouseClick(titles_only, Qt::LeftButton, {}, QPoint(8, titles_only->height() / 2));
    EXPECT_TRUE(preview->toPlainText().contains("Starring"));

    QTest::mouseClick(Find<QPushButton>(dialog, "print"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_NE(printed[0].find("<title>Reeldeck - My Videos (2)</title>"), std::string::npos);
    EXPECT_NE(printed[0].find("Casablanca"), std::string::npos);
    EXPECT_EQ(printed[0].find("Brazil"), std::string::npos);
    html::PrintSettings stored;
    ASSERT_TRUE(html::LoadPrintSettings(paths_.print_settings, stored));
    EXPECT_FALSE(stored.titles_only);
    EXPECT_TRUE(prompts_.Texts().empty());
}

TEST_F(PrintOptionsDialogTest, MissingSettingsAreReportedAndCancelWritesThemAndRemovesThePages) {
    wanted_.Add("Dune");
    WriteFileBytes(paths_.print_my_videos, "old page");
    gui::PrintOptionsDialog dialog(Context());
    dialog.print_page = [](const std::string&) { ADD_FAILURE() << "printed on cancel"; };
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Error");
    EXPECT_EQ(prompts_.Messages()[0].text.rfind("Error opening print settings file:\n", 0), 0u);
    // With Wanted Videos chosen there are no images and no selection to print.
    QTest::mouseClick(Find<QRadioButton>(dialog, "listWanted"), Qt::LeftButton);
    EXPECT_FALSE(Find<QCheckBox>(dialog, "includeImages")->isEnabled());
    EXPECT_TRUE(
        Find<QTextBrowser>(dialog, "printPreview")->toPlainText().contains("Wanted Video Title"));

    dialog.reject();
    EXPECT_FALSE(std::filesystem::exists(paths_.print_my_videos));
    EXPECT_NE(ReadFileBytes(paths_.print_settings).find("\nTITLES_ONLY=1\n"), std::string::npos);
    EXPECT_EQ(settings_.list, html::PrintList::kWanted);
}

}  // namespace
