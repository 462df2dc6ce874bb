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

TEST_F(TextSearchTest, FindSelectsTheMatchingRecordsAndListsTheirTitlesOnce) {
    const std::tuple<const char*, bool, bool, const char*, Rows, Titles> cases[] = {
        // inside, whole value, match case, text, rows, titles (each once, ignoring case)
        {"All Columns", false, false, "the", {0, 2, 4}, {"alien", "Heat", "The Matrix"}},
        {"All Columns", true, false, "the", {2}, {"alien"}},
        {"All Columns", false, true, "Comedy", {2, 3}, {"alien", "Brazil"}},
        {"All Columns", false, false, "comedy", {1, 2, 3}, {"Alien", "Brazil"}},
        {"Title", false, false, "the", {0}, {"The Matrix"}},
        {"All Columns", false, false, "zzz", {}, {}}};
    for (const auto& [inside, column_value, match_case, text, rows, results] : cases) {
        SCOPED_TRACE(std::string(text) + " in " + inside);
        Find("Brazil");  // the results of an earlier search go
        search_.SetInside(inside);
        search_.SetColumnValue(column_value);
        search_.SetMatchCase(match_case);
        Find(text);
        EXPECT_EQ(Selected(), rows);
        EXPECT_EQ(search_.Results(), results);
        EXPECT_EQ(search_.Caption(), "Search - " + std::to_string(results.size()));
        EXPECT_EQ(search_.FocusTarget(), Focus::kFindField);
    }
}

TEST_F(TextSearchTest, AnEmptyTextSearchesNothingAndTheHistoryKeepsEachTextOnce) {
    Find("alien");
    Find("");
    EXPECT_EQ(search_.Results(), (Titles{"Alien"}));
    Find("heat");
    Find("alien");
    EXPECT_EQ(search_.FindHistory(), (Titles{"alien", "heat"}));
    search_.ChooseHistoryEntry(1);
    EXPECT_EQ(search_.FindText(), "heat");
    EXPECT_EQ(Selected(), Rows{4});

    // A chosen result selects the first record with that title and may be edited.
    Find("alien");
    EXPECT_EQ(search_.select_result(0), 1);
    EXPECT_EQ(Selected(), Rows{1});
    EXPECT_EQ(search_.select_result(5), -1);
    EXPECT_TRUE(search_.edit_result(0));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(search_.edit_result(0));
}

TEST_F(TextSearchTest, SelectByValueAndQuickFindSearchForTheRunWithTheirOwnOptions) {
    session_.Videos.MutableColumn(Column("Flag Value")).Searchable = false;
    // Whole values, also where searching is not offered.
    search_.SelectByValue("Flag Value", "THE");
    EXPECT_EQ(Selected(), Rows{2});
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

    // QuickFind searches everywhere with both options off, and leaves them as they were. Its
    // titles are shown, also where the Replace pane had the place.
    search_.SetInside("Title");
    search_.SetColumnValue(true);
    panes_.ShowReplace();
    search_.QuickFind("terry");
    EXPECT_EQ(Selected(), Rows{3});
    EXPECT_EQ(search_.Inside(), "All Columns");
    EXPECT_TRUE(search_.MatchCase());
    EXPECT_TRUE(search_.ColumnValue());
    EXPECT_TRUE(panes_.SearchVisible());
    EXPECT_FALSE(panes_.ReplaceVisible());
}

TEST_F(TextSearchTest, ListingsShowEveryTitleInThePaneInTheReplacePanesPlace) {
    config_.replace_window_visible = true;
    AddTitles({"heat", "HEAT"});
    search_.SetFindText("old text");
    search_.ShowListing(app::SelectDuplicateTitles(session_.Videos));
    EXPECT_EQ(search_.Results(), (Titles{"alien", "heat", "HEAT"}));
    EXPECT_EQ(search_.Caption(), "Search - 3");
    EXPECT_EQ(search_.FindText(), "");
    EXPECT_TRUE(panes_.SearchVisible());
    EXPECT_FALSE(panes_.ReplaceVisible());
    EXPECT_EQ(search_.FocusTarget(), Focus::kMyVideos);
}

TEST_F(TextSearchTest, TheColumnChoicesAreTheOpenDatabasesSearchableColumns) {
    EXPECT_EQ(search_.InsideChoices().front(), "All Columns");
    EXPECT_EQ(search_.InsideChoices().size(), 21u);
    search_.SetInside("Title");
    session_.Videos.MutableColumn(Column("Title")).Searchable = false;
    search_.RefillInside();
    EXPECT_EQ(search_.Inside(), "All Columns");
    EXPECT_EQ(online::InsideChoices(session_.Videos).size(), 20u);
    EXPECT_EQ(std::count(search_.InsideChoices().begin(), search_.InsideChoices().end(), "Title"),
              0);
}

}  // namespace
