#include <gtest/gtest.h>

#include "app/flag_window.h"
#include "app/mark_selected_window.h"
#include "app/marking.h"
#include "fakes/list_session.h"

namespace {

using Cells = std::vector<std::string>;
using Field = app::MarkSelectedWindow::Field;

class MarkingTest : public ListSession {
  protected:
    void SetUp() override { AddTitles({"Alien", "Brazil", "Casablanca"}); }
    std::vector<bool> FlagMarks() const {
        std::vector<bool> marks;
        for (int row = 0; row < 3; ++row) marks.push_back(session_.Videos.FlagMark(row));
        return marks;
    }
};

TEST_F(MarkingTest, FlagsSetAndClearTheValueAndTheMarkOfTheRows) {
    Select({0, 2});
    app::FlagSelected(session_, "Lent to Ann");
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"Lent to Ann", "", "Lent to Ann"}));
    EXPECT_EQ(FlagMarks(), (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(session_.Modified);
    Select({0});
    app::FlagSelected(session_, "two\r\nlines");  // replaces the flag, without line breaks
    Select({2});
    app::UnflagSelected(session_);
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"twolines", "", ""}));
    EXPECT_EQ(FlagMarks(), (std::vector<bool>{true, false, false}));
    session_.Videos.DeselectAll();
    app::UnflagAll(session_);
    EXPECT_EQ(ColumnCells("Flag Value"), (Cells{"", "", ""}));
    EXPECT_EQ(FlagMarks(), (std::vector<bool>{false, false, false}));
}

TEST_F(MarkingTest, ViewedDatesAndFieldsOfTheSelectedRows) {
    Select({0, 1});
    app::MarkViewedToday(session_);
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"03/07/2004", "03/07/2004", ""}));
    Select({1});
    app::MarkNotViewed(session_);
    Select({2});
    app::MarkViewedOn(session_, "2", "5", "2003");
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"03/07/2004", "", "02/05/2003"}));
    Select({1, 2});
    app::SetFieldOfSelected(session_, "Category", "Drama");
    EXPECT_EQ(ColumnCells("Category"), (Cells{"", "Drama", "Drama"}));
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
    app::SetFieldOfSelected(session_, "Category", "Drama");
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(Cell(0, "Flag Value"), "");
    EXPECT_EQ(Cell(0, "Category"), "");
}

// The Flag Selected Videos window.
TEST_F(MarkingTest, TheFlagWindowOffersTheValuesInUseAndFlagsOnOk) {
    session_.Videos.DeleteAllRows();
    AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}});
    AddRow({{"Title", "Brazil"}, {"Flag Value", "favorite"}});
    AddRow({{"Title", "Casablanca"}, {"Flag Value", "Favorite"}});
    AddRow({{"Title", "Dune"}});
    EXPECT_EQ(app::FlagWindow(session_).Choices(), (Cells{"favorite", "Lent"}));
    Select({0, 1});  // several rows: no choice
    EXPECT_EQ(app::FlagWindow(session_).Reason(), "");
    Select({2});  // the value that begins with its flag, ignoring case
    EXPECT_EQ(app::FlagWindow(session_).Reason(), "favorite");

    Select({3});  // not flagged: the first value
    app::FlagWindow window(session_);
    EXPECT_EQ(window.Reason(), "favorite");
    window.SetReason("");
    EXPECT_FALSE(window.Ok());  // stays open
    EXPECT_FALSE(session_.Modified);
    window.SetReason("To\nwatch");
    EXPECT_TRUE(window.Ok());
    EXPECT_EQ(Cell(3, "Flag Value"), "Towatch");
    EXPECT_TRUE(session_.Videos.FlagMark(3));
}

// The Mark Selected window.
TEST_F(MarkingTest, TheMarkSelectedWindowStartsFromTheOneRowsDateOrTodayAndStoresTwoDigits) {
    session_.Videos.SetCell(0, Column("Last Viewed"), "11/02/1999");
    const auto fields = [](const app::MarkSelectedWindow& window) {
        return Cells{window.Text(Field::kMonth), window.Text(Field::kDay),
                     window.Text(Field::kYear)};
    };
    Select({0});
    EXPECT_EQ(fields(app::MarkSelectedWindow(session_)), (Cells{"11", "2", "1999"}));
    Select({1, 2});
    app::MarkSelectedWindow window(session_);
    EXPECT_EQ(fields(window), (Cells{"3", "7", "2004"}));
    window.SetText(Field::kDay, "");
    window.SetText(Field::kYear, "");
    EXPECT_FALSE(window.Ok());  // an empty field takes the focus
    EXPECT_EQ(window.FocusedField(), Field::kDay);
    EXPECT_EQ(Cell(1, "Last Viewed"), "");

    window.SetText(Field::kMonth, "2");
    window.SetText(Field::kDay, "31");  // not checked against the month
    window.SetText(Field::kYear, "2003");
    EXPECT_TRUE(window.Ok());
    EXPECT_EQ(ColumnCells("Last Viewed"), (Cells{"11/02/1999", "02/31/2003", "02/31/2003"}));
}

}  // namespace
