#include <gtest/gtest.h>

#include "app/list_videos.h"
#include "app/row_ranges.h"
#include "fakes/list_session.h"

namespace {

using Rows = std::vector<int>;
using Titles = std::vector<std::string>;
using Ranges = std::vector<app::RowRange>;

class ListingTest : public ListSession {};

TEST_F(ListingTest, EachListingSelectsItsRowsOnlyAndGivesTheirTitles) {
    AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}, {"Last Viewed", "03/07/2004"}});
    AddRow({{"Title", "Brazil"}});
    AddRow({{"Title", "Heat"}, {"Flag Value", "Favorite"}, {"Last Viewed", "01/02/2003"}});
    Select({1});
    const app::Listing flagged = app::SelectFlagged(session_.Videos);
    EXPECT_EQ(flagged.rows, (Rows{0, 2}));
    EXPECT_EQ(flagged.titles, (Titles{"Alien", "Heat"}));
    EXPECT_EQ(Selected(), (Rows{0, 2}));
    EXPECT_EQ(app::SelectViewed(session_.Videos).titles, (Titles{"Alien", "Heat"}));
    EXPECT_EQ(app::SelectNotViewed(session_.Videos).titles, Titles{"Brazil"});
    EXPECT_EQ(Selected(), Rows{1});

    session_.Videos.SetCell(1, Column("Last Viewed"), "01/01/2001");
    EXPECT_TRUE(app::SelectNotViewed(session_.Videos).rows.empty());
    EXPECT_TRUE(Selected().empty());
}

TEST_F(ListingTest, DuplicateTitlesSelectEveryTitleAnEarlierRowHasIgnoringCase) {
    AddTitles({"Heat", "heat", "Alien", "HEAT", "", ""});
    const app::Listing listing = app::SelectDuplicateTitles(session_.Videos);
    EXPECT_EQ(listing.rows, (Rows{1, 3}));
    EXPECT_EQ(listing.titles, (Titles{"heat", "HEAT"}));

    // By title and year a remake is not a duplicate; the same title and year still is.
    session_.Videos.SetCell(1, Column("Year"), "1995");
    EXPECT_EQ(app::SelectDuplicateTitles(session_.Videos, app::DuplicateKey::kTitleAndYear).rows,
              (Rows{3}));
}

TEST_F(ListingTest, SelectedRowsAreHandedOnAsRunsOfAdjacentRows) {
    EXPECT_EQ(app::MergeRows(Rows{1, 2, 3, 7, 9, 10}), (Ranges{{1, 3}, {7, 7}, {9, 10}}));
    EXPECT_TRUE(app::MergeRows(Rows{}).empty());
    for (int i = 0; i < 1000; ++i) AddRow({{"Last Viewed", i < 500 ? "01/01/2001" : ""}});
    app::SelectViewed(session_.Videos);
    EXPECT_EQ(app::SelectedRanges(session_.Videos), (Ranges{{0, 499}}));
}

}  // namespace
