#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/menu_rules.h"
#include "app/sort_commands.h"
#include "fakes/list_session.h"

namespace {

using app::SortArrow;
using Cells = std::vector<std::string>;
using State = core::SortState;

struct OrderCase {
    const char* column;
    Cells cells;
    Cells ascending;  // descending is the reverse
};

class SortOrderTest : public ListSession, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(SortOrderTest, AscendingAndTheReverseDescending) {
    const OrderCase& c = GetParam();
    for (const std::string& cell : c.cells) AddRow({{c.column, cell}});
    app::SortVideos(session_, Column(c.column), 1);
    EXPECT_EQ(ColumnCells(c.column), c.ascending);
    app::SortVideos(session_, Column(c.column), 0);
    EXPECT_EQ(ColumnCells(c.column), Cells(c.ascending.rbegin(), c.ascending.rend()));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SortOrderTest,
    // Numbers, dates and empty cells are covered by the list's own sorting tests.
    ::testing::Values(// Among numbers a date reads as its leading digits.
                      OrderCase{"Rank", {"12/25/2001", "5", "30"}, {"5", "12/25/2001", "30"}},
                      // Case is ignored; bytes above 127 are no letters and sort after them.
                      OrderCase{"Title",
                                {"banana", "Apple", "cherry",
                                 "\xc3\x89"
                                 "clair",
                                 "apple pie"},
                                {"Apple", "apple pie", "banana", "cherry",
                                 "\xc3\x89"
                                 "clair"}},
                      // Long texts that share their beginning compare whole.
                      OrderCase{"Title",
                                {"The Lord of the Rings 3", "the lord of the rings 10",
                                 "The Lord of the Rings 2", "The Lord of the Rings"},
                                {"The Lord of the Rings", "the lord of the rings 10",
                                 "The Lord of the Rings 2", "The Lord of the Rings 3"}}));

class SortTest : public ListSession {};

TEST_F(SortTest, RenumbersKeepsSelectionAndLoadOrderAndLeavesModified) {
    AddTitles({"Heat", "Alien", "Casablanca"});
    Select({0});
    app::SortVideos(session_, Column("Title"), 1);
    EXPECT_EQ(ColumnCells("Title"), (Cells{"Alien", "Casablanca", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Cells{"1", "2", "3"}));
    EXPECT_EQ(Selected(), std::vector<int>{2});
    EXPECT_EQ(session_.Videos.LoadOrder(2), 0);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(session_.Sort, (State{Column("Title"), 1}));
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
