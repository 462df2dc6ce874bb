#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/menu_rules.h"
#include "app/sort_commands.h"
#include "fakes/list_session.h"

namespace {

using app::SortArrow;
using Cells = std::vector<std::string>;
using State = core::SortState;

class SortTest : public ListSession {};

// Each kind of cell in ascending order; descending is the reverse.
TEST_F(SortTest, EachKindOfCellAscendingAndTheReverseDescending) {
    const std::tuple<const char*, Cells, Cells> cases[] = {
        {"Year", {"1999", "", "2004", "1985"}, {"", "1985", "1999", "2004"}},
        {"Last Viewed",  // by year, then month, then day
         {"01/01/2000", "12/31/1999", "03/15/1999", "02/01/2000"},
         {"03/15/1999", "12/31/1999", "01/01/2000", "02/01/2000"}},
        {"Duration",
         {"01:05:00", "00:59:59", "10:00:00", "02:00:00"},
         {"00:59:59", "01:05:00", "02:00:00", "10:00:00"}},
        {"Rank", {"10", "9", "100", "1"}, {"1", "9", "10", "100"}},
        {"Rank", {"9a", "10", "9", "10a"}, {"9", "10", "10a", "9a"}},  // letters: as text
        // Case is ignored; bytes above 127 are no letters and sort after them.
        {"Title",
         {"banana", "Apple", "cherry", "\u00C9clair", "apple pie"},
         {"Apple", "apple pie", "banana", "cherry", "\u00C9clair"}},
        {"Title",  // long texts compared whole
         {"The Lord of the Rings 3", "the lord of the rings 10", "The Lord of the Rings 2",
          "The Lord of the Rings"},
         {"The Lord of the Rings", "the lord of the rings 10", "The Lord of the Rings 2",
          "The Lord of the Rings 3"}},
        {"Title", {"z", "5b", "5", "(x)"}, {"(x)", "5", "5b", "z"}},  // a digit among texts
        // One cell of another kind leaves the dates in date order; it follows them.
        {"Last Viewed",
         {"12/25/2001", "3/7/2004", "", "01/15/2002", "unknown", "02/01/2000"},
         {"", "02/01/2000", "12/25/2001", "01/15/2002", "3/7/2004", "unknown"}},
        {"Duration",
         {"01:30:00", "90", "00:45:10", "1:05:00"},
         {"00:45:10", "01:30:00", "1:05:00", "90"}},
        {"Rank",  // dates, then durations, then numbers
         {"5", "12/25/2001", "01:30:00", "30", "01/01/1999"},
         {"01/01/1999", "12/25/2001", "01:30:00", "5", "30"}}};
    for (const auto& [column, cells, ascending] : cases) {
        SCOPED_TRACE(column + (" " + cells[0]));
        session_.Videos.DeleteAllRows();
        for (const std::string& cell : cells) AddRow({{column, cell}});
        app::SortVideos(session_, Column(column), 1);
        EXPECT_EQ(ColumnCells(column), ascending);
        app::SortVideos(session_, Column(column), 0);
        EXPECT_EQ(ColumnCells(column), Cells(ascending.rbegin(), ascending.rend()));
    }
}

TEST_F(SortTest, RowsMoveWholeKeepTheirSelectionAndAreRenumbered) {
    AddRow({{"Title", "Heat"}, {"Synopsis", "about heat"}, {"Flag Value", "lent"}});
    AddTitles({"Alien", "Casablanca", "Brazil"});
    Select({0, 3});
    app::SortVideos(session_, Column("Title"), 1);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Brazil", "Casablanca", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Cells{"1", "2", "3", "4"}));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Cell(3, "Synopsis"), "about heat");
    EXPECT_TRUE(session_.Videos.FlagMark(3));
    EXPECT_EQ(session_.Videos.LoadOrder(3), 0);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(session_.Sort, (State{Column("Title"), 1}));

    app::SortVideos(session_, 99, 0);  // a column that is not in the table
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Brazil", "Casablanca", "Heat"}));
}

TEST_F(SortTest, EqualCellsKeepTheirOrderInBothDirections) {
    AddTitles({"b", "A", "a", "B"});
    const Cells keys = ColumnCells("Key");
    app::SortVideos(session_, Column("Title"), 1);
    EXPECT_EQ(ColumnCells("Key"), (Cells{keys[1], keys[2], keys[0], keys[3]}));
    app::SortVideos(session_, Column("Title"), 0);
    EXPECT_EQ(ColumnCells("Key"), (Cells{keys[0], keys[3], keys[1], keys[2]}));
}

TEST_F(SortTest, MenuItemsSortByTheirColumnAndDirectionOrDoNothing) {
    const int title = Column("Title");
    const State before = session_.Sort;
    EXPECT_FALSE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + title));  // no rows
    EXPECT_EQ(session_.Sort, before);

    AddTitles({"b", "c", "a"});
    EXPECT_FALSE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + Column("Cast")));
    EXPECT_FALSE(app::SortMenuCommand(session_, 6000));
    EXPECT_EQ(session_.Sort, before);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"b", "c", "a"}));

    EXPECT_TRUE(app::SortMenuCommand(session_, app::cmd::kSortDescendingBase + title));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"c", "b", "a"}));
    EXPECT_EQ(session_.Sort, (State{title, 0}));
    EXPECT_TRUE(app::SortMenuCommand(session_, app::cmd::kSortAscendingBase + title));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"a", "b", "c"}));
}

// Header clicks, and the arrows, caption strip and checked menu item that show the sort.
TEST_F(SortTest, HeaderClicksMoveTheSortAndEveryIndicatorFollows) {
    const auto checked = [&](bool ascending) {
        Cells names;
        for (const app::DynamicItem& item :
             app::SortItems(session_.Videos, session_.Sort, ascending))
            if (item.checked) names.push_back(item.label);
        return names;
    };
    app::HeaderClick(session_, Column("Year"));  // also on an empty list
    EXPECT_EQ(session_.Sort, (State{Column("Year"), 1}));
    EXPECT_EQ(app::HeaderArrow(session_, Column("Year")), SortArrow::kUp);
    EXPECT_EQ(app::CaptionStrip(session_), (app::SortCaption{"Year", SortArrow::kUp}));
    EXPECT_EQ(app::CaptionStripMenu(session_), app::SortSubmenu::kAscending);
    EXPECT_EQ(checked(true), Cells{"Year"});
    EXPECT_TRUE(checked(false).empty());

    AddRow({{"Title", "b"}, {"Year", "1990"}});
    AddRow({{"Title", "a"}, {"Year", "2000"}});
    app::HeaderClick(session_, Column("Year"));  // the sort column again: flips
    EXPECT_EQ(ColumnCells("Year"), (Cells{"2000", "1990"}));
    EXPECT_EQ(app::HeaderArrow(session_, Column("Year")), SortArrow::kDown);
    EXPECT_EQ(app::HeaderArrow(session_, Column("Title")), SortArrow::kNone);
    EXPECT_EQ(app::CaptionStripMenu(session_), app::SortSubmenu::kDescending);
    EXPECT_EQ(checked(false), Cells{"Year"});
    EXPECT_TRUE(checked(true).empty());

    app::HeaderClick(session_, Column("Title"));  // another column keeps the direction
    EXPECT_EQ(session_.Sort, (State{Column("Title"), 0}));
    EXPECT_EQ(ColumnCells("Title"), (Cells{"b", "a"}));
    app::HeaderClick(session_, Column("Cast"));  // not sortable
    EXPECT_EQ(session_.Sort, (State{Column("Title"), 0}));

    session_.CurrentDatabasePath.clear();
    EXPECT_EQ(app::CaptionStrip(session_), app::SortCaption{});
    session_.Videos.DeleteAllColumns();
    EXPECT_EQ(app::CaptionStripMenu(session_), std::nullopt);
}

}  // namespace
