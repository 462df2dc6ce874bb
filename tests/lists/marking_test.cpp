#include <gtest/gtest.h>

#include "app/flag_window.h"
#include "app/mark_selected_window.h"
#include "app/marking.h"
#include "fakes/list_session.h"

namespace {

using Cells = std::vector<std::string>;

class MarkingTest : public ListSession {
  protected:
    void SetUp() override { AddTitles({"Alien", "Brazil", "Casablanca"}); }
};

TEST_F(MarkingTest, FlaggingSetsTheValueAndTheMarkOfTheSelectedRows) {
    Select({0, 2});
    app::FlagSelected(session_, "Lent to Ann");
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"Lent to Ann", "", "Lent to Ann"}));
    EXPECT_TRUE(session_.Videos.FlagMark(0));
    EXPECT_FALSE(session_.Videos.FlagMark(1));
    EXPECT_TRUE(session_.Modified);

    Select({0});
    app::FlagSelected(session_, "Favorite");  // replaces the earlier flag
    EXPECT_EQ(Cell(0, "Flag Value"), "Favorite");
}

TEST_F(MarkingTest, UnflaggingClearsValueAndMark) {
    Select({0, 1, 2});
    app::FlagSelected(session_, "x");
    Select({1});
    app::UnflagSelected(session_);
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"x", "", "x"}));
    EXPECT_FALSE(session_.Videos.FlagMark(1));
    session_.Videos.DeselectAll();
    app::UnflagAll(session_);
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"", "", ""}));
    EXPECT_FALSE(session_.Videos.FlagMark(0));
}

TEST_F(MarkingTest, ViewedDates) {
    Select({0, 1});
    app::MarkViewedToday(session_);
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"03/07/2004", "03/07/2004", ""}));
    Select({1});
    app::MarkNotViewed(session_);
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"03/07/2004", "", ""}));
    Select({2});
    app::MarkViewedOn(session_, "2", "5", "2003");
    EXPECT_EQ(Cell(2, "Last Viewed"), "02/05/2003");
}

TEST_F(MarkingTest, SettingAFieldOfTheSelectedRows) {
    Select({1, 2});
    app::SetFieldOfSelected(session_, "Category", "Drama");
    app::SetFieldOfSelected(session_, "Location", "Shelf 2");
    EXPECT_EQ(ColumnCells("Category"), (Cells{"", "Drama", "Drama"}));
    EXPECT_EQ(ColumnCells("Location"), (Cells{"", "Shelf 2", "Shelf 2"}));
}

TEST_F(MarkingTest, NothingHappensWithoutASelectionOrForAReadOnlyUser) {
    app::FlagSelected(session_, "x");
    app::MarkViewedToday(session_);
    app::SetFieldOfSelected(session_, "Category", "Drama");
    EXPECT_FALSE(session_.Modified);

    Select({0});
    session_.AccessLevel = app::kReadOnlyAccess;
    app::FlagSelected(session_, "x");
    app::UnflagAll(session_);
    app::MarkViewedOn(session_, "1", "1", "2001");
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(Cell(0, "Flag Value"), "");
}

TEST_F(MarkingTest, FlagValuesHoldNoLineBreaks) {
    Select({0});
    app::FlagSelected(session_, "two\r\nlines");
    EXPECT_EQ(Cell(0, "Flag Value"), "twolines");
}

// The Flag Selected Videos window.
class FlagWindowTest : public ListSession {
  protected:
    void SetUp() override {
        AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}});
        AddRow({{"Title", "Brazil"}, {"Flag Value", "favorite"}});
        AddRow({{"Title", "Casablanca"}, {"Flag Value", "Favorite"}});
        AddRow({{"Title", "Dune"}});
    }
};

TEST_F(FlagWindowTest, OffersTheDistinctFlagValuesIgnoringCase) {
    app::FlagWindow window(session_);
    EXPECT_EQ(window.Choices(), (Cells{"favorite", "Lent"}));
}

TEST_F(FlagWindowTest, OneSelectedRowChoosesTheValueThatBeginsWithItsFlag) {
    Select({2});
    EXPECT_EQ(app::FlagWindow(session_).Reason(), "favorite");
    Select({3});  // not flagged: the first value
    EXPECT_EQ(app::FlagWindow(session_).Reason(), "favorite");
    Select({0, 1});
    EXPECT_EQ(app::FlagWindow(session_).Reason(), "");
}

TEST_F(FlagWindowTest, OkFlagsTheSelectedRowsAndAnEmptyReasonKeepsTheWindowOpen) {
    Select({3});
    app::FlagWindow window(session_);
    window.SetReason("");
    EXPECT_FALSE(window.Ok());
    EXPECT_FALSE(session_.Modified);
    window.SetReason("To\nwatch");
    EXPECT_TRUE(window.Ok());
    EXPECT_EQ(Cell(3, "Flag Value"), "Towatch");
    EXPECT_TRUE(session_.Videos.FlagMark(3));
}

// The Mark Selected window.
class MarkSelectedWindowTest : public ListSession {
  protected:
    using Field = app::MarkSelectedWindow::Field;
    void SetUp() override {
        AddRow({{"Title", "Alien"}, {"Last Viewed", "11/02/1999"}});
        AddRow({{"Title", "Brazil"}});
    }
};

TEST_F(MarkSelectedWindowTest, StartsFromTheOneRowsDateOrToday) {
    Select({0});
    app::MarkSelectedWindow viewed(session_);
    EXPECT_EQ(viewed.Text(Field::kMonth), "11");
    EXPECT_EQ(viewed.Text(Field::kDay), "2");
    EXPECT_EQ(viewed.Text(Field::kYear), "1999");

    Select({0, 1});
    app::MarkSelectedWindow today(session_);
    EXPECT_EQ(today.Text(Field::kMonth), "3");
    EXPECT_EQ(today.Text(Field::kDay), "7");
    EXPECT_EQ(today.Text(Field::kYear), "2004");
}

TEST_F(MarkSelectedWindowTest, OkStoresTheDateWithTwoDigitMonthAndDay) {
    Select({0, 1});
    app::MarkSelectedWindow window(session_);
    window.SetText(Field::kMonth, "2");
    window.SetText(Field::kDay, "31");  // not checked against the month
    window.SetText(Field::kYear, "2003");
    EXPECT_TRUE(window.Ok());
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"02/31/2003", "02/31/2003"}));
}

TEST_F(MarkSelectedWindowTest, AnEmptyFieldTakesTheFocusAndNothingIsStored) {
    Select({1});
    app::MarkSelectedWindow window(session_);
    window.SetText(Field::kDay, "");
    window.SetText(Field::kYear, "");
    EXPECT_FALSE(window.Ok());
    EXPECT_EQ(window.FocusedField(), Field::kDay);
    EXPECT_EQ(Cell(1, "Last Viewed"), "");
}

}  // namespace
