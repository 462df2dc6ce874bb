#include <gtest/gtest.h>

#include "app/list_videos.h"
#include "app/row_ranges.h"
#include "fakes/list_session.h"

namespace {

using Rows = std::vector<int>;
using Titles = std::vector<std::string>;

class ListingTest : public ListSession {};

TEST_F(ListingTest, FlaggedSelectsTheRowsWithAFlagValueOnly) {
    AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}});
    AddRow({{"Title", "Brazil"}});
    AddRow({{"Title", "Heat"}, {"Flag Value", "Favorite"}});
    Select({1});
    const app::Listing listing = app::SelectFlagged(session_.Videos);
    EXPECT_EQ(listing.rows, (Rows{0, 2}));
    EXPECT_EQ(listing.titles, (Titles{"Alien", "Heat"}));
    EXPECT_EQ(Selected(), (Rows{0, 2}));
}

TEST_F(ListingTest, ViewedAndNotViewedSplitTheRowsByTheirLastViewedDate) {
    AddRow({{"Title", "Alien"}, {"Last Viewed", "03/07/2004"}});
    AddRow({{"Title", "Brazil"}});
    AddRow({{"Title", "Heat"}, {"Last Viewed", "01/02/2003"}});
    EXPECT_EQ(app::SelectViewed(session_.Videos).titles, (Titles{"Alien", "Heat"}));
    EXPECT_EQ(app::SelectNotViewed(session_.Videos).titles, Titles{"Brazil"});
    EXPECT_EQ(Selected(), Rows{1});
}

TEST_F(ListingTest, NotViewedWhenEveryRowWasViewedSelectsNothing) {
    AddRow({{"Title", "Alien"}, {"Last Viewed", "03/07/2004"}});
    Select({0});
    const app::Listing listing = app::SelectNotViewed(session_.Videos);
    EXPECT_TRUE(listing.rows.empty());
    EXPECT_TRUE(listing.titles.empty());
    EXPECT_TRUE(Selected().empty());
}

TEST_F(ListingTest, DuplicateTitlesSelectEveryTitleAnEarlierRowHasIgnoringCase) {
    AddTitles({"Heat", "heat", "Alien", "HEAT", "", ""});
    const app::Listing listing = app::SelectDuplicateTitles(session_.Videos);
    EXPECT_EQ(listing.rows, (Rows{1, 3}));
    EXPECT_EQ(listing.titles, (Titles{"heat", "HEAT"}));
}

TEST_F(ListingTest, RowRangesMergeAdjacentRows) {
    const Rows rows = {1, 2, 3, 7, 9, 10};
    EXPECT_EQ(app::MergeRows(rows), (std::vector<app::RowRange>{{1, 3}, {7, 7}, {9, 10}}));
    EXPECT_TRUE(app::MergeRows(Rows{}).empty());

    AddTitles({"a", "b", "c", "d", "e"});
    Select({0, 1, 3, 4});
    EXPECT_EQ(app::SelectedRanges(session_.Videos), (std::vector<app::RowRange>{{0, 1}, {3, 4}}));
}

TEST_F(ListingTest, HalfOfALargeListIsAFewRangesWhenTheMatchesAreTogether) {
    for (int i = 0; i < 1000; ++i)
        AddRow({{"Title", "t"}, {"Last Viewed", i < 500 ? "01/01/2001" : ""}});
    app::SelectViewed(session_.Videos);
    EXPECT_EQ(app::SelectedRanges(session_.Videos), (std::vector<app::RowRange>{{0, 499}}));
}

}  // namespace
