#include <gtest/gtest.h>

#include <filesystem>

#include "core/header_file.h"
#include "html/column_choice.h"
#include "html/page_setup.h"
#include "html/theme_folder.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

using platform::Answer;

class PageSetupTest : public ::testing::Test {
  protected:
    PageSetupTest() : paths(config::ProgramPaths::ForFolder(folder.path())) {
        std::filesystem::create_directories(paths.theme_folder);
        WriteFileBytes(paths.theme_folder + "/Default.txt", "TITLE=Light\nOUTPUT=/nowhere\n");
        WriteFileBytes(paths.theme_folder + "/Night.txt", "TITLE=Dark\nFSIZE=14\n");
        config.default_html_list_options_database = "default";
    }

    html::PageSetup Window(html::ListKind kind, html::ListCounts counts = {3, 0, 2}) {
        return html::PageSetup(kind, counts, paths, config, prompts, run);
    }

    TempFolder folder;
    config::ProgramPaths paths;
    config::ProgramConfig config;
    ScriptedPrompts prompts;
    html::PageSetupRun run;
};

TEST_F(PageSetupTest, OpensOnTheDefaultThemeAndFailsWithTheMessageWithoutIt) {
    html::PageSetup window = Window(html::ListKind::kMyVideos);
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(window.SelectedName(), "Default");
    EXPECT_EQ(window.Settings().title, "Light");
    EXPECT_EQ(window.Settings().output_folder, folder.path());  // not a folder: the program's
    EXPECT_FALSE(window.SetDefaultEnabled());
    window.SelectTheme(1);
    EXPECT_EQ(window.Settings().font_size, 14);
    EXPECT_TRUE(window.SetDefaultEnabled());

    config.default_html_list_options_database = "Gone";
    EXPECT_FALSE(Window(html::ListKind::kBoth).Open());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "Error loading settings file:\n" + paths.theme_folder +
                                              "/Gone.txt.\nNo such file or directory.");
    EXPECT_EQ(prompts.Messages()[0].title, "Error");
}

TEST_F(PageSetupTest, DeleteSparesTheDefaultAndReloadsItAfterAnother) {
    html::PageSetup window = Window(html::ListKind::kMyVideos);
    ASSERT_TRUE(window.Open());
    EXPECT_TRUE(window.DeleteSelected());
    EXPECT_TRUE(std::filesystem::exists(paths.theme_folder + "/Default.txt"));

    window.SelectTheme(1);
    prompts.QueueAnswer(Answer::kCancel);
    window.DeleteSelected();
    EXPECT_TRUE(std::filesystem::exists(paths.theme_folder + "/Night.txt"));
    prompts.QueueAnswer(Answer::kOk);
    EXPECT_TRUE(window.DeleteSelected());
    EXPECT_FALSE(std::filesystem::exists(paths.theme_folder + "/Night.txt"));
    EXPECT_EQ(window.Themes(), std::vector<std::string>{"Default"});
    EXPECT_EQ(window.Settings().title, "Light");
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"Delete selected theme?", "Delete selected theme?"}));
}

TEST_F(PageSetupTest, SaveRefusesBadNamesAndSelectsTheSavedTheme) {
    html::PageSetup window = Window(html::ListKind::kMyVideos);
    ASSERT_TRUE(window.Open());
    window.Settings().title = "Edited";
    EXPECT_FALSE(window.SaveAs("../evil"));
    EXPECT_EQ(prompts.Messages().size(), 1u);
    ASSERT_TRUE(window.SaveAs("night"));  // the existing theme, as it is spelled
    EXPECT_EQ(window.SelectedName(), "Night");
    window.Reset();
    EXPECT_EQ(window.Settings().title, "Edited");
    window.SetDefault();
    EXPECT_EQ(config.default_html_list_options_database, "Night");
    EXPECT_FALSE(window.SetDefaultEnabled());
}

TEST_F(PageSetupTest, OutputAndButtonRulesFollowTheListsAndTheKind) {
    run.output_selected = true;
    EXPECT_TRUE(Window(html::ListKind::kMyVideos, {3, 1, 0}).OutputSelected());
    EXPECT_FALSE(Window(html::ListKind::kMyVideos, {3, 0, 0}).OutputSelectedEnabled());
    EXPECT_FALSE(Window(html::ListKind::kBoth, {3, 1, 2}).OutputSelected());
    EXPECT_FALSE(Window(html::ListKind::kWanted, {3, 1, 2}).ColumnsEnabled());
    EXPECT_TRUE(Window(html::ListKind::kWanted, {0, 0, 2}).GenerateEnabled());
    const html::PageSetup empty = Window(html::ListKind::kMyVideos, {0, 0, 0});
    EXPECT_FALSE(empty.GenerateEnabled());
    EXPECT_FALSE(empty.ColumnsEnabled());
}

TEST(ColumnChoice, OpensByPagePositionAndRenumbersBothListsOnApply) {
    TempFolder folder;
    core::VideoList videos;
    std::vector<core::VideoColumn> columns;
    // name, shown, available, position
    const std::tuple<const char*, bool, bool, int> table[] = {{"Key", false, false, 0},
                                                              {"Title", true, false, 1},
                                                              {"Year", true, false, 0},
                                                              {"Cast", false, true, 0},
                                                              {"Writer", false, true, 5}};
    for (int index = 0; const auto& [name, shown, available, order] : table) {
        core::VideoColumn column = core::BuiltInColumn(name, *core::BuiltInSlotOf(name), index);
        column.HtmlShown = shown;
        column.HtmlAvailable = available;
        column.HtmlOrder = order;
        columns.push_back(column);
        ++index;
    }
    videos.SetColumns(columns);
    html::ColumnChoice choice = html::CurrentColumnChoice(videos);
    EXPECT_EQ(choice.display, (std::vector<int>{2, 1}));
    EXPECT_EQ(choice.available, (std::vector<int>{3, 4}));

    choice = {{4, 1}, {2, 3}};
    ASSERT_TRUE(html::ApplyColumnChoice(choice, videos, folder / "db.rdkh"));
    core::VideoList reread;
    ASSERT_TRUE(core::ReadHeader(reread, folder / "db.rdkh"));
    const core::VideoColumn* writer = reread.FindColumn("Writer");
    const core::VideoColumn* year = reread.FindColumn("Year");
    ASSERT_TRUE(writer && year);
    EXPECT_EQ(writer->HtmlOrder, 0);
    EXPECT_TRUE(writer->HtmlShown);
    EXPECT_EQ(reread.FindColumn("Title")->HtmlOrder, 1);
    EXPECT_EQ(year->HtmlOrder, 0);
    EXPECT_FALSE(year->HtmlShown);
    EXPECT_TRUE(year->HtmlAvailable);
}

}  // namespace
