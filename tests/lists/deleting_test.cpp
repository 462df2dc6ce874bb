#include <gtest/gtest.h>

#include "app/deleting.h"
#include "app/my_videos_buttons.h"
#include "core/images.h"
#include "core/paths.h"
#include "prompted_session.h"

namespace {

using platform::Answer;
using Cells = std::vector<std::string>;
using Opens = app::MyVideosButtons::Opens;

class DeletingTest : public PromptedSession {
  protected:
    void SetUp() override {
        AddTitles({"Alien", "Brazil", "Casablanca", "Dune"});
        for (int row = 0; row < 4; ++row) {
            for (const char* extension : {"jpg", "JPG", "Gif", "BMP", "txt"})
                WriteFileBytes(ImagePath(row, extension), "x");
        }
        config_.prompt_before_delete = false;
    }
};

TEST_F(DeletingTest, DeletesTheRowsAndTheirImagesOnlyWhenTheSettingsSaySo) {
    const auto images = [&] { return core::CountImageFiles(session_.ImageFolder); };
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));  // nothing selected
    Select({1, 2});
    EXPECT_TRUE(app::DeleteSelected(session_, prompts_));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Dune"}));
    EXPECT_EQ(ColumnCells("#"), (Cells{"1", "2"}));
    EXPECT_EQ(session_.Videos.SelectedCount(), 0);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(images(), 16);  // the settings keep them

    // With the setting, every image file of a row goes, whatever the case of its extension.
    config_.auto_delete_images = true;
    const std::string dune = ImagePath(1, "JPG");
    Select({0});
    EXPECT_TRUE(app::DeleteSelected(session_, prompts_));
    EXPECT_EQ(images(), 12);
    EXPECT_TRUE(core::FileExists(dune));
    EXPECT_TRUE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(images(), 8);
    EXPECT_EQ(core::CountFilesWithExtension(session_.ImageFolder, "txt"), 4);
    EXPECT_FALSE(app::DeleteAll(session_, prompts_));  // nothing left
}

TEST_F(DeletingTest, AsksFirstWhenDeletionsAreConfirmedAndNeverForAReadOnlyUser) {
    config_.prompt_before_delete = true;
    Select({0});
    prompts_.QueueAnswer(Answer::kCancel);
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 4);
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));
    EXPECT_FALSE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 4);
    session_.AccessLevel = app::kFullAccess;
    prompts_.QueueAnswer(Answer::kOk);
    EXPECT_TRUE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(Shown(), (Cells{Confirmation("Delete selected records in the My Videos list?"),
                              Confirmation("Delete all records in the My Videos list?")}));
}

// The small buttons above the list ask what the menu items do not.
class PaneButtonsTest : public PromptedSession {
  protected:
    void SetUp() override {
        AddRow({{"Title", "Alien"}, {"Flag Value", "x"}, {"Last Viewed", "01/01/2001"}});
        AddRow({{"Title", "Brazil"}, {"Flag Value", "y"}, {"Last Viewed", "01/01/2001"}});
    }
    app::MyVideosButtons buttons_{session_, prompts_};
};

TEST_F(PaneButtonsTest, UnflaggingAndMarkingNotViewedAskFirstWhenDeletionsAreConfirmed) {
    Select({0});
    prompts_.QueueAnswer(Answer::kCancel);
    buttons_.UnflagSelected();
    EXPECT_EQ(Cell(0, "Flag Value"), "x");
    for (int i = 0; i < 3; ++i) prompts_.QueueAnswer(Answer::kOk);
    buttons_.UnflagSelected();
    buttons_.UnflagAll();
    buttons_.MarkNotViewed();
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"", ""}));
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"", "01/01/2001"}));
    const std::string unflag = "Remove flags from selected records in the My Videos list?";
    EXPECT_EQ(Shown(), (Cells{Confirmation(unflag), Confirmation(unflag),
                              Confirmation("Remove all flags in the My Videos list?"),
                              Confirmation("Mark selected records in the My Videos list as not "
                                           "viewed?")}));

    config_.prompt_before_delete = false;  // without confirmations they act at once
    Select({1});
    buttons_.MarkNotViewed();
    buttons_.MarkViewed();
    EXPECT_EQ(Cell(1, "Last Viewed"), "03/07/2004");
    EXPECT_EQ(prompts_.Messages().size(), 4u);
}

TEST_F(PaneButtonsTest, WindowsOpenOnlyWithTheirConditions) {
    EXPECT_EQ(buttons_.AddVideo(), Opens::kAddVideo);
    EXPECT_EQ(buttons_.EditVideo(), Opens::kNothing);
    EXPECT_EQ(buttons_.FlagSelected(), Opens::kNothing);
    EXPECT_EQ(buttons_.MarkCustom(), Opens::kNothing);
    Select({0});
    EXPECT_EQ(buttons_.EditVideo(), Opens::kEditVideo);
    EXPECT_EQ(buttons_.FlagSelected(), Opens::kFlagWindow);
    EXPECT_EQ(buttons_.MarkCustom(), Opens::kMarkSelectedWindow);
    Select({0, 1});
    EXPECT_EQ(buttons_.EditVideo(), Opens::kNothing);

    session_.AccessLevel = app::kReadOnlyAccess;  // nothing, and nothing asked
    EXPECT_EQ(buttons_.AddVideo(), Opens::kNothing);
    EXPECT_EQ(buttons_.FlagSelected(), Opens::kNothing);
    buttons_.UnflagAll();
    buttons_.DeleteAll();
    buttons_.MarkViewed();
    EXPECT_EQ(Cell(0, "Flag Value"), "x");
    EXPECT_EQ(session_.Videos.RowCount(), 2);
    EXPECT_TRUE(prompts_.Messages().empty());

    session_.CurrentDatabasePath.clear();
    EXPECT_EQ(buttons_.AddVideo(), Opens::kNothing);
    EXPECT_EQ(Shown(),
              Cells{Tip("You must first create or open a video\ndatabase before adding records.\n\n"
                        "To open an existing database:\n\n   Click the open button on the toolbar\n"
                        "   or select open in the file menu.\n\nTo create a new database:\n\n"
                        "   Click the new button on the toolbar\n   or select new in the file "
                        "menu.")});
}

}  // namespace
