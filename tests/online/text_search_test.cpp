#include <gtest/gtest.h>

#include "app/list_videos.h"
#include "online/inside_choices.h"
#include "online/text_search.h"
#include "search_session.h"

namespace {

using Titles = std::vector<std::string>;
using Rows = std::vector<int>;
using Focus = online::TextSearch::Focus;

class TextSearchTest : public SearchSession {
  protected:
    void SetUp() override {
        AddRow(
            {{"Title", "The Matrix"}, {"Category", "Science Fiction"}, {"Cast", "Keanu Reeves"}});
        AddRow({{"Title", "Alien"}, {"Category", "comedy"}, {"Synopsis", "In space"}});
        AddRow({{"Title", "alien"}, {"Category", "Comedy"}, {"Flag Value", "the"}});
        AddRow({{"Title", "Brazil"}, {"Category", "Comedy Drama"}, {"Director", "Terry Gilliam"}});
        AddRow({{"Title", "Heat"}, {"Category", "Crime"}, {"Writer", "THE writer"}});
    }
    void Find(const std::string& text) {
        search_.SetFindText(text);
        search_.find_all();
    }
    online::TextSearch search_{session_, panes_};
};

TEST_F(TextSearchTest, FindsEveryRecordWithACellHoldingTheText) {
    Find("the");
    EXPECT_EQ(Selected(), (Rows{0, 2, 4}));
    EXPECT_EQ(search_.Results(), (Titles{"alien", "Heat", "The Matrix"}));
    EXPECT_EQ(search_.Caption(), "Search - 3");
    EXPECT_EQ(search_.FocusTarget(), Focus::kFindField);
}

TEST_F(TextSearchTest, ColumnValueFindsOnlyCellsThatAreTheText) {
    search_.SetColumnValue(true);
    Find("the");
    EXPECT_EQ(Selected(), Rows{2});
    EXPECT_EQ(search_.Results(), Titles{"alien"});
}

TEST_F(TextSearchTest, MatchCaseComparesLettersAsTheyAre) {
    search_.SetMatchCase(true);
    Find("Comedy");
    EXPECT_EQ(Selected(), (Rows{2, 3}));
}

TEST_F(TextSearchTest, TitlesEqualIgnoringCaseAreListedOnce) {
    Find("comedy");
    EXPECT_EQ(Selected(), (Rows{1, 2, 3}));
    EXPECT_EQ(search_.Results(), (Titles{"Alien", "Brazil"}));
}

TEST_F(TextSearchTest, AChosenColumnIsTheOnlyOneSearched) {
    EXPECT_EQ(search_.InsideChoices().front(), "All Columns");
    EXPECT_EQ(search_.InsideChoices().size(), 21u);  // every searchable column
    search_.SetInside("Title");
    Find("the");
    EXPECT_EQ(search_.Results(), Titles{"The Matrix"});
}

TEST_F(TextSearchTest, NoMatchLeavesAnEmptyList) {
    Find("the");
    Find("zzz");
    EXPECT_TRUE(search_.Results().empty());
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(search_.Caption(), "Search - 0");
}

TEST_F(TextSearchTest, AnEmptyTextSearchesNothing) {
    Find("alien");
    Find("");
    EXPECT_EQ(search_.Results(), (Titles{"Alien"}));
    EXPECT_EQ(search_.FocusTarget(), Focus::kFindField);
}

TEST_F(TextSearchTest, TheHistoryKeepsEachTextOnceAndAnEntrySearchesAgain) {
    Find("alien");
    Find("heat");
    Find("alien");
    EXPECT_EQ(search_.FindHistory(), (Titles{"alien", "heat"}));
    search_.ChooseHistoryEntry(1);
    EXPECT_EQ(search_.FindText(), "heat");
    EXPECT_EQ(Selected(), Rows{4});
}

TEST_F(TextSearchTest, ChoosingAResultSelectsTheFirstRecordWithExactlyThatTitle) {
    Find("alien");
    ASSERT_EQ(search_.Results(), Titles{"Alien"});
    EXPECT_EQ(search_.select_result(0), 1);
    EXPECT_EQ(Selected(), Rows{1});
    EXPECT_EQ(search_.select_result(5), -1);
}

TEST_F(TextSearchTest, ADoubleClickEditsTheOneSelectedRecord) {
    Find("heat");
    EXPECT_TRUE(search_.edit_result(0));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(search_.edit_result(0));
}

TEST_F(TextSearchTest, SelectByValueFindsWholeValuesInItsColumnAndShowsThePane) {
    search_.SetColumnValue(false);
    search_.SetMatchCase(false);
    search_.SelectByValue("Category", "Comedy");
    EXPECT_EQ(Selected(), (Rows{1, 2}));
    EXPECT_EQ(search_.FindText(), "Comedy");
    EXPECT_EQ(search_.Inside(), "Category");
    EXPECT_FALSE(search_.ColumnValue());  // back as it was
    EXPECT_TRUE(panes_.SearchVisible());
    EXPECT_EQ(search_.FocusTarget(), Focus::kMyVideos);

    search_.SetMatchCase(true);
    search_.SelectByValue("Category", "Comedy");
    EXPECT_EQ(Selected(), Rows{2});
    EXPECT_TRUE(search_.MatchCase());
}

TEST_F(TextSearchTest, SelectByValueReachesColumnsNotOfferedForSearching) {
    session_.Videos.MutableColumn(Column("Flag Value")).Searchable = false;
    search_.SelectByValue("Flag Value", "THE");
    EXPECT_EQ(Selected(), Rows{2});
}

TEST_F(TextSearchTest, QuickFindSearchesEverywhereWithBothOptionsOffForTheRun) {
    search_.SetInside("Title");
    search_.SetMatchCase(true);
    search_.SetColumnValue(true);
    search_.QuickFind("Terry");
    EXPECT_EQ(Selected(), Rows{3});
    EXPECT_EQ(search_.Inside(), "All Columns");
    EXPECT_TRUE(search_.MatchCase());
    EXPECT_TRUE(search_.ColumnValue());
}

TEST_F(TextSearchTest, ListingsBecomeTheResultsAndShowThePaneInTheReplacePanesPlace) {
    config_.replace_window_visible = true;
    search_.SetFindText("old text");
    search_.ShowListing(app::SelectDuplicateTitles(session_.Videos));
    EXPECT_EQ(search_.Results(), Titles{"alien"});
    EXPECT_EQ(search_.Caption(), "Search - 1");
    EXPECT_EQ(search_.FindText(), "");
    EXPECT_TRUE(panes_.SearchVisible());
    EXPECT_FALSE(panes_.ReplaceVisible());
    EXPECT_EQ(search_.FocusTarget(), Focus::kMyVideos);
}

TEST_F(TextSearchTest, ListingsKeepEveryTitleInAlphabeticalOrder) {
    AddTitles({"heat", "HEAT"});
    search_.ShowListing(app::SelectDuplicateTitles(session_.Videos));
    EXPECT_EQ(search_.Results(), (Titles{"alien", "heat", "HEAT"}));
}

TEST_F(TextSearchTest, RefillingOffersTheOpenDatabasesColumns) {
    search_.SetInside("Title");
    session_.Videos.MutableColumn(Column("Title")).Searchable = false;
    search_.RefillInside();
    EXPECT_EQ(search_.Inside(), "All Columns");
    EXPECT_EQ(online::InsideChoices(session_.Videos).size(), 20u);
    EXPECT_EQ(std::count(search_.InsideChoices().begin(), search_.InsideChoices().end(), "Title"),
              0);
}

TEST(SearchPanesTest, DockedPanesShareOnePlaceAndFloatingOnesDoNot) {
    config::ProgramConfig config;
    online::SearchPanes panes(config);
    config.replace_window_visible = true;
    config.search_window_visible = false;
    panes.ShowSearch();
    EXPECT_TRUE(panes.SearchVisible());
    EXPECT_FALSE(panes.ReplaceVisible());

    panes.ToggleReplaceDocked();  // floats
    panes.ShowReplace();
    EXPECT_TRUE(panes.SearchVisible());
    EXPECT_TRUE(panes.ReplaceVisible());

    panes.ToggleReplaceDocked();  // docks into the shared place
    EXPECT_FALSE(panes.SearchVisible());
    EXPECT_TRUE(panes.ReplaceVisible());
}

}  // namespace
