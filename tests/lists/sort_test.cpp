#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/database_commands.h"
#include "app/list_sorting.h"
#include "app/menu_rules.h"
#include "app/sort_commands.h"
#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"
#include "platform/progress.h"

namespace {

using app::SortArrow;

class SortTest : public ListSession {
  protected:
    // Rows with these cells in `column`, each titled by its position ("r0", "r1" ...).
    void AddColumn(const std::string& column, std::initializer_list<std::string> cells) {
        int i = 0;
        for (const std::string& cell : cells) {
            AddRow({{"Title", "r" + std::to_string(i++)}, {column, cell}});
        }
    }
    std::vector<std::string> SortedBy(const std::string& column, int direction) {
        app::SortVideos(session_, Column(column), direction);
        return ColumnCells(column);
    }
};

using Cells = std::vector<std::string>;

TEST_F(SortTest, YearsByValueWithEmptyCellsFirstAscendingAndLastDescending) {
    AddColumn("Year", {"1999", "", "2004", "1985"});
    EXPECT_EQ(SortedBy("Year", 1), (Cells{"", "1985", "1999", "2004"}));
    EXPECT_EQ(SortedBy("Year", 0), (Cells{"2004", "1999", "1985", ""}));
}

TEST_F(SortTest, DatesChronologicallyAlthoughWrittenMonthFirst) {
    AddColumn("Last Viewed", {"12/31/1999", "01/01/2000", "03/07/2004", "11/15/1999"});
    EXPECT_EQ(SortedBy("Last Viewed", 1),
              (Cells{"11/15/1999", "12/31/1999", "01/01/2000", "03/07/2004"}));
}

TEST_F(SortTest, DurationsByLength) {
    AddColumn("Duration", {"01:30:00", "00:45:10", "10:00:00", "02:05:59"});
    EXPECT_EQ(SortedBy("Duration", 1), (Cells{"00:45:10", "01:30:00", "02:05:59", "10:00:00"}));
}

TEST_F(SortTest, NumbersWithoutLettersByValueOthersAsTextIgnoringCase) {
    AddColumn("Rank", {"10", "9", "100", "2"});
    EXPECT_EQ(SortedBy("Rank", 1), (Cells{"2", "9", "10", "100"}));

    session_.Videos.DeleteAllRows();
    AddColumn("Rank", {"9a", "10a", "b", "A"});
    EXPECT_EQ(SortedBy("Rank", 1), (Cells{"10a", "9a", "A", "b"}));
}

TEST_F(SortTest, NumbersReadTheirLeadingDigits) {
    // "12/25/2001" is not a date in a column of numbers: it reads as 12.
    AddColumn("Rank", {"12/25/2001", "5", "30"});
    EXPECT_EQ(SortedBy("Rank", 1), (Cells{"5", "12/25/2001", "30"}));
}

TEST_F(SortTest, TextIgnoresCaseAndBytesAbove127AreNoLetters) {
    AddColumn("Title", {"banana", "Apple", "cherry",
                        "\xc3\x89"
                        "clair",
                        "apple pie"});
    EXPECT_EQ(SortedBy("Title", 1), (Cells{"Apple", "apple pie", "banana", "cherry",
                                           "\xc3\x89"
                                           "clair"}));
    EXPECT_EQ(SortedBy("Title", 0), (Cells{"\xc3\x89"
                                           "clair",
                                           "cherry", "banana", "apple pie", "Apple"}));
}

TEST_F(SortTest, LongTextsThatShareTheirBeginningCompareWhole) {
    AddColumn("Title", {"The Lord of the Rings 3", "the lord of the rings 10",
                        "The Lord of the Rings 2", "The Lord of the Rings"});
    EXPECT_EQ(SortedBy("Title", 1), (Cells{"The Lord of the Rings", "the lord of the rings 10",
                                           "The Lord of the Rings 2", "The Lord of the Rings 3"}));
}

TEST_F(SortTest, EqualCellsKeepTheirOrderInBothDirections) {
    AddRow({{"Title", "first"}, {"Year", "1980"}});
    AddRow({{"Title", "second"}, {"Year", "1970"}});
    AddRow({{"Title", "third"}, {"Year", "1980"}});
    AddRow({{"Title", "fourth"}, {"Year", "1970"}});
    SortedBy("Year", 1);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"second", "fourth", "first", "third"}));
    SortedBy("Year", 0);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"first", "third", "second", "fourth"}));
}

TEST_F(SortTest, RenumbersKeepsSelectionAndLoadOrderAndLeavesModified) {
    AddTitles({"Heat", "Alien", "Casablanca"});
    Select({0});
    app::SortVideos(session_, Column("Title"), 1);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Casablanca", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Cells{"1", "2", "3"}));
    EXPECT_EQ(Selected(), std::vector<int>{2});
    EXPECT_EQ(session_.Videos.LoadOrder(2), 0);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Title"), 1}));
}

TEST_F(SortTest, MenuItemsSortByTheirColumnAndDirection) {
    AddTitles({"b", "c", "a"});
    EXPECT_TRUE(app::SortMenuCommand(session_, app::cmd::kSortDescendingBase + Column("Title")));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"c", "b", "a"}));
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Title"), 0}));
    EXPECT_TRUE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + Column("Title")));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"a", "b", "c"}));
}

TEST_F(SortTest, MenuItemsDoNothingOnAnEmptyListOrForColumnsNotSortable) {
    const core::SortState before = session_.Sort;
    EXPECT_FALSE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + Column("Title")));
    EXPECT_EQ(session_.Sort, before);

    AddTitles({"b", "a"});
    EXPECT_FALSE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + Column("Cast")));
    EXPECT_FALSE(app::SortMenuCommand(session_, 6000));
    EXPECT_EQ(session_.Sort, before);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"b", "a"}));
}

TEST_F(SortTest, HeaderClickFlipsTheSortColumnAndKeepsTheDirectionForAnother) {
    AddRow({{"Title", "b"}, {"Year", "2000"}});
    AddRow({{"Title", "a"}, {"Year", "1990"}});
    app::SortVideos(session_, Column("Title"), 1);

    app::HeaderClick(session_, Column("Title"));
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Title"), 0}));
    app::HeaderClick(session_, Column("Title"));
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Title"), 1}));

    app::HeaderClick(session_, Column("Year"));
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Year"), 1}));
    EXPECT_EQ(ColumnCells("Year"), (Cells{"1990", "2000"}));

    app::HeaderClick(session_, Column("Cast"));  // not sortable
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Year"), 1}));
}

TEST_F(SortTest, HeaderClickOnAnEmptyListStillMovesTheIndicators) {
    app::HeaderClick(session_, Column("Year"));
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Year"), 1}));
    EXPECT_EQ(app::HeaderArrow(session_, Column("Year")), SortArrow::kUp);
}

TEST_F(SortTest, IndicatorsShowTheSortColumnAndDirection) {
    AddTitles({"a"});
    app::SortVideos(session_, Column("Title"), 0);
    EXPECT_EQ(app::HeaderArrow(session_, Column("Title")), SortArrow::kDown);
    EXPECT_EQ(app::HeaderArrow(session_, Column("Year")), SortArrow::kNone);
    EXPECT_EQ(app::CaptionStrip(session_), (app::SortCaption{"Title", SortArrow::kDown}));
    EXPECT_EQ(app::CaptionStripMenu(session_), app::SortSubmenu::kDescending);

    app::SortVideos(session_, Column("Year"), 1);
    EXPECT_EQ(app::CaptionStrip(session_), (app::SortCaption{"Year", SortArrow::kUp}));
    EXPECT_EQ(app::CaptionStripMenu(session_), app::SortSubmenu::kAscending);
}

TEST_F(SortTest, TheSortColumnsItemIsCheckedInTheSubmenuOfItsDirection) {
    AddTitles({"a"});
    app::SortVideos(session_, Column("Year"), 0);
    const auto checked = [&](bool ascending) {
        std::vector<std::string> names;
        for (const app::DynamicItem& item :
             app::SortItems(session_.Videos, session_.Sort, ascending)) {
            if (item.checked) names.push_back(item.label);
        }
        return names;
    };
    EXPECT_EQ(checked(false), Cells{"Year"});
    EXPECT_TRUE(checked(true).empty());
    app::HeaderClick(session_, Column("Year"));
    EXPECT_EQ(checked(true), Cells{"Year"});
    EXPECT_TRUE(checked(false).empty());
}

TEST_F(SortTest, NoCaptionWithoutADatabaseAndNoStripMenuWithoutColumns) {
    session_.CurrentDatabasePath.clear();
    EXPECT_EQ(app::CaptionStrip(session_), app::SortCaption{});
    session_.Videos.DeleteAllColumns();
    EXPECT_EQ(app::CaptionStripMenu(session_), std::nullopt);
}

class NoLogin final : public app::LoginPresenter {
  public:
    bool RunLogin(app::LoginWindow&) override { return false; }
};

TEST_F(SortTest, TheSortStateSurvivesSavingAndOpening) {
    AddRow({{"Title", "Heat"}, {"Year", "1995"}});
    AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    AddRow({{"Title", "Brazil"}, {"Year", "1985"}});
    FakePrompts prompts;
    platform::NoProgress progress;
    NoLogin login;
    app::DatabaseServices services{prompts, progress, login};
    ASSERT_EQ(app::SaveDatabase(session_, services, session_.CurrentDatabasePath), 1);
    app::HeaderClick(session_, Column("Year"));
    app::HeaderClick(session_, Column("Year"));  // descending
    ASSERT_EQ(app::SaveDatabase(session_, services, session_.CurrentDatabasePath), 1);

    const std::string path = session_.CurrentDatabasePath;
    app::CloseDatabase(session_);
    session_.Sort = {};
    ASSERT_EQ(app::OpenDatabase(session_, services, path), 1);
    EXPECT_EQ(session_.Sort, (core::SortState{Column("Year"), 0}));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Heat", "Brazil", "Alien"}));
}

}  // namespace
