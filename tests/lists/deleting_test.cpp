#include <gtest/gtest.h>

#include "app/deleting.h"
#include "app/my_videos_buttons.h"
#include "core/paths.h"
#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"

namespace {

using platform::Answer;
using Cells = std::vector<std::string>;
using Opens = app::MyVideosButtons::Opens;

class DeletingTest : public ListSession {
  protected:
    void SetUp() override {
        AddTitles({"Alien", "Brazil", "Casablanca", "Dune", "Heat"});
        for (int row = 0; row < 5; ++row) {
            for (const char* extension : {"jpg", "gif", "bmp"})
                WriteFileBytes(ImagePath(row, extension), "x");
        }
        config_.prompt_before_delete = false;
    }
    FakePrompts prompts_;
};

TEST_F(DeletingTest, DeletesTheSelectedRowsAndRenumbers) {
    Select({1, 2, 3});
    EXPECT_TRUE(app::DeleteSelected(session_, prompts_));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Cells{"1", "2"}));
    EXPECT_EQ(session_.Videos.SelectedCount(), 0);
    EXPECT_TRUE(session_.Modified);
}

TEST_F(DeletingTest, ImagesStayUnlessTheSettingsDeleteThem) {
    const std::string kept = ImagePath(0, "jpg");
    Select({0});
    app::DeleteSelected(session_, prompts_);
    EXPECT_TRUE(core::FileExists(kept));

    config_.auto_delete_images = true;
    const std::vector<std::string> gone = {ImagePath(0, "jpg"), ImagePath(0, "gif"),
                                           ImagePath(0, "bmp")};
    const std::string other = ImagePath(1, "jpg");
    Select({0});
    app::DeleteSelected(session_, prompts_);
    for (const std::string& path : gone) EXPECT_FALSE(core::FileExists(path)) << path;
    EXPECT_TRUE(core::FileExists(other));
}

TEST_F(DeletingTest, DeleteAllRemovesEveryRowAndWithTheSettingEveryImage) {
    config_.auto_delete_images = true;
    EXPECT_TRUE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(core::CountFilesWithExtension(session_.ImageFolder, "jpg"), 0);
    EXPECT_FALSE(app::DeleteAll(session_, prompts_));  // nothing left
}

TEST_F(DeletingTest, AsksFirstWhenDeletionsAreConfirmed) {
    config_.prompt_before_delete = true;
    Select({0});
    prompts_.Answer(Answer::kCancel);
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 5);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "Delete selected records in the My Videos list?");
    EXPECT_EQ(prompts_.Messages()[0].title, "Confirm");
    EXPECT_EQ(prompts_.Messages()[0].buttons, platform::Buttons::kOkCancel);
    EXPECT_EQ(prompts_.Messages()[0].icon, platform::Icon::kQuestion);

    prompts_.Answer(Answer::kOk);
    EXPECT_TRUE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(prompts_.Texts().back(), "Delete all records in the My Videos list?");
    EXPECT_EQ(session_.Videos.RowCount(), 0);
}

TEST_F(DeletingTest, NothingWithoutASelectionOrForAReadOnlyUser) {
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));
    Select({0});
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(app::DeleteSelected(session_, prompts_));
    EXPECT_FALSE(app::DeleteAll(session_, prompts_));
    EXPECT_EQ(session_.Videos.RowCount(), 5);
    EXPECT_TRUE(prompts_.Messages().empty());
}

// The small buttons above the list ask what the menu items do not.
class PaneButtonsTest : public ListSession {
  protected:
    void SetUp() override {
        AddRow({{"Title", "Alien"}, {"Flag Value", "x"}, {"Last Viewed", "01/01/2001"}});
        AddRow({{"Title", "Brazil"}, {"Flag Value", "y"}, {"Last Viewed", "01/01/2001"}});
    }
    FakePrompts prompts_;
    app::MyVideosButtons buttons_{session_, prompts_};
};

TEST_F(PaneButtonsTest, UnflaggingAndMarkingNotViewedAskFirst) {
    Select({0});
    prompts_.Answer(Answer::kCancel);
    buttons_.UnflagSelected();
    EXPECT_EQ(Cell(0, "Flag Value"), "x");
    prompts_.Answer(Answer::kOk);
    buttons_.UnflagSelected();
    EXPECT_EQ(Cell(0, "Flag Value"), "");

    prompts_.Answer(Answer::kOk);
    buttons_.UnflagAll();
    EXPECT_EQ(Cell(1, "Flag Value"), "");

    prompts_.Answer(Answer::kOk);
    buttons_.MarkNotViewed();
    EXPECT_EQ(Cell(0, "Last Viewed"), "");
    EXPECT_EQ(prompts_.Texts(),
              (Cells{"Remove flags from selected records in the My Videos list?",
                     "Remove flags from selected records in the My Videos list?",
                     "Remove all flags in the My Videos list?",
                     "Mark selected records in the My Videos list as not viewed?"}));
    for (const FakePrompts::Shown& shown : prompts_.Messages()) {
        EXPECT_EQ(shown.title, "Confirm");
        EXPECT_EQ(shown.buttons, platform::Buttons::kOkCancel);
    }
}

TEST_F(PaneButtonsTest, WithoutConfirmationsTheButtonsActAtOnce) {
    config_.prompt_before_delete = false;
    Select({1});
    buttons_.UnflagSelected();
    buttons_.MarkNotViewed();
    buttons_.MarkViewed();
    EXPECT_EQ(Cell(1, "Flag Value"), "");
    EXPECT_EQ(Cell(1, "Last Viewed"), "03/07/2004");
    EXPECT_TRUE(prompts_.Messages().empty());
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
}

TEST_F(PaneButtonsTest, AReadOnlyUserGetsNothing) {
    session_.AccessLevel = app::kReadOnlyAccess;
    Select({0});
    EXPECT_EQ(buttons_.AddVideo(), Opens::kNothing);
    EXPECT_EQ(buttons_.EditVideo(), Opens::kNothing);
    EXPECT_EQ(buttons_.FlagSelected(), Opens::kNothing);
    buttons_.UnflagAll();
    buttons_.DeleteAll();
    buttons_.MarkViewed();
    EXPECT_EQ(Cell(0, "Flag Value"), "x");
    EXPECT_EQ(session_.Videos.RowCount(), 2);
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(PaneButtonsTest, AddWithoutADatabaseShowsTheHint) {
    session_.CurrentDatabasePath.clear();
    EXPECT_EQ(buttons_.AddVideo(), Opens::kNothing);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_EQ(prompts_.Messages()[0].icon, platform::Icon::kInformation);
    EXPECT_EQ(prompts_.Messages()[0].text,
              "You must first create or open a video\ndatabase before adding records.\n\nTo open "
              "an existing database:\n\n   Click the open button on the toolbar\n   or select open "
              "in the file menu.\n\nTo create a new database:\n\n   Click the new button on the "
              "toolbar\n   or select new in the file menu.");
}

}  // namespace
