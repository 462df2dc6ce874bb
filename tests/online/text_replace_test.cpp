#include <gtest/gtest.h>

#include <functional>

#include "app/sort_commands.h"
#include "core/paths.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "recording_progress.h"
#include "search_session.h"

namespace {

using online::SearchPosition;
using Texts = std::vector<std::string>;
using Rows = std::vector<int>;
using Focus = online::TextReplace::Focus;

class TextReplaceTest : public SearchSession {
  protected:
    void SetUp() override {
        AddRow({{"Title", "Alien"}, {"Cast", "Sigourney Weaver"}, {"Writer", "Dan O'Bannon"}});
        AddRow({{"Title", "Brazil"}, {"Director", "Terry Gilliam"}});
        AddRow({{"Title", "Banana Split"}, {"Cast", "banana"}, {"Category", "Comedy"}});
    }
    SearchPosition FindNext() {
        replace_.find_next();
        return replace_.Position();
    }
    void ReplaceAll(std::string what, std::string with) {
        replace_.SetWhat(std::move(what));
        replace_.SetWith(std::move(with));
        replace_.substitute_all();
    }
    static std::string Information(const std::string& text) {
        return Message("Reeldeck", platform::Buttons::kOk, platform::Icon::kInformation, text);
    }
    online::TextReplace replace_{session_, panes_, prompts_};
};

TEST_F(TextReplaceTest, FindNextVisitsColumnsInTableOrderSkippingTheKeyOrOneColumnDownward) {
    replace_.SetWhat("a");
    std::vector<SearchPosition> found;
    for (int i = 0; i < 7; ++i) found.push_back(FindNext());
    EXPECT_EQ(found, (std::vector<SearchPosition>{{0, Column("Title")},
                                                  {0, Column("Cast")},
                                                  {0, Column("Writer")},
                                                  {1, Column("Title")},
                                                  {1, Column("Director")},
                                                  {2, Column("Title")},
                                                  {2, Column("Cast")}}));
    EXPECT_EQ(Selected(), Rows{2});
    EXPECT_EQ(FindNext(), SearchPosition{});  // the end
    EXPECT_EQ(Shown(), Texts{Information("Finished searching for \"a\".")});
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    EXPECT_EQ(FindNext(), (SearchPosition{0, Column("Title")}));  // from the top again

    replace_.SetInside("Cast");
    replace_.SetWhat("an");
    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Cast")}));
    Select({0});  // a selected first row is not skipped when there is no match yet
    replace_.SetWhat("sig");
    EXPECT_EQ(FindNext(), (SearchPosition{0, Column("Cast")}));
    replace_.SetInside("All Columns");
    replace_.SetColumnValue(true);  // whole cells only
    replace_.SetWhat("BANANA");
    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Cast")}));
}

TEST_F(TextReplaceTest, TheMatchReportShowsTheRecordAndColoursTheText) {
    replace_.SetWhat("gilliam");
    FindNext();
    const online::MatchReport& report = replace_.Report();
    EXPECT_EQ(report.text,
              "Record:\tBrazil\nColumn:\tDirector\nRow:\t2\n\nCurrent Value:\nTerry Gilliam");
    const std::size_t match = report.text.find("Gilliam");
    EXPECT_EQ(report.spans,
              (std::vector<online::ColoredSpan>{{0, report.text.size(), online::kReportTextColor},
                                                {match, 7, online::kReportMatchColor},
                                                {0, 7, online::kReportLabelColor},
                                                {15, 7, online::kReportLabelColor},
                                                {32, 4, online::kReportLabelColor},
                                                {40, 14, online::kReportLabelColor}}));

    AddRow({{"Title", "Dr. Strangelove or How I Learned"}, {"Cast", "Peter Sellers"}});
    replace_.SetWhat("sellers");
    FindNext();  // a docked pane shortens long titles
    EXPECT_EQ(replace_.Report().text.substr(0, 25), "Record:\tDr. Strangelov...");
    panes_.ToggleReplaceDocked();
    replace_.SetWhat("sellers");
    FindNext();
    EXPECT_EQ(replace_.Report().text.substr(0, 40), "Record:\tDr. Strangelove or How I Learned");
}

TEST_F(TextReplaceTest, ReplaceChangesTheCurrentMatchAndMovesToTheNext) {
    replace_.SetWhat("ban\nana");  // line breaks are dropped
    replace_.SetWith("Cher\r\nry");
    EXPECT_EQ(replace_.What(), "banana");
    replace_.substitute_current();  // no current match: only the focus moves
    EXPECT_EQ(Cell(2, "Title"), "Banana Split");
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));

    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Title")}));
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Title"), "Cherry Split");
    EXPECT_EQ(replace_.Position(), (SearchPosition{2, Column("Cast")}));
    EXPECT_TRUE(session_.Modified);
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Cast"), "Cherry");
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_EQ(replace_.WhatHistory(), (Texts{"banana", "Cherry"}));
    EXPECT_EQ(replace_.WithHistory(), (Texts{"banana", "Cherry"}));
}

// Rows may be sorted, added or deleted between finding a match and replacing it: the replace
// follows the matched record and never changes the one that took its row.
TEST_F(TextReplaceTest, ReplaceFollowsTheMatchedRecordWhenTheListChanged) {
    AddRow({{"Title", "Bananas"}});
    replace_.SetWhat("banana");
    replace_.SetWith("Cherry");
    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Title")}));
    app::SortVideos(session_, Column("Title"), 1);  // "Bananas" moves into row 2
    replace_.substitute_current();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Cherry Split", "Bananas", "Brazil"}));
    EXPECT_EQ(replace_.Position(), (SearchPosition{1, Column("Cast")}));

    session_.Videos.InsertRow(0, "1");  // a record added above the match
    session_.Videos.SetCell(0, Column("Cast"), "banana bread");
    replace_.substitute_current();
    EXPECT_EQ(ColumnCells("Cast"), (Texts{"banana bread", "Sigourney Weaver", "Cherry", "", ""}));
    EXPECT_EQ(replace_.Position(), (SearchPosition{3, Column("Title")}));
    EXPECT_EQ(Selected(), Rows{3});

    session_.Videos.DeleteRow(3);  // the matched record is gone: the next match is looked for
    replace_.substitute_current();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"", "Alien", "Cherry Split", "Brazil"}));
    EXPECT_EQ(Cell(0, "Cast"), "banana bread");
    EXPECT_EQ(replace_.Position(), SearchPosition{});

    replace_.SetWhat("cherry");
    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Title")}));
    replace_.SetColumnValue(true);  // the title no longer matches whole, the cast does
    replace_.SetWith("Plum");
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Title"), "Cherry Split");
    EXPECT_EQ(Cell(2, "Cast"), "Plum");
}

TEST_F(TextReplaceTest, ChangingTheTextTheColumnOrThePaneStartsTheSearchOver) {
    const std::function<void()> changes[] = {
        [&] { replace_.SetWhat("a"); }, [&] { replace_.SetInside("Title"); },
        [&] { replace_.Show(); }, [&] { replace_.DatabaseClosed(); }};
    replace_.SetWhat("a");
    for (const auto& change : changes) {
        FindNext();
        ASSERT_NE(replace_.Position(), SearchPosition{});
        change();
        EXPECT_EQ(replace_.Position(), SearchPosition{});
    }
}

TEST_F(TextReplaceTest, ReplaceAllChangesEveryMatchOnceAndReportsTheRecords) {
    ReplaceAll("an", "AN");
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "BANANa Split"}));
    EXPECT_EQ(ColumnCells("Cast"), (Texts{"Sigourney Weaver", "", "bANANa"}));
    EXPECT_EQ(Cell(0, "Writer"), "DAN O'BANnon");
    EXPECT_EQ(Selected(), (Rows{0, 2}));
    EXPECT_EQ(replace_.Report().text, "2 records updated.");
    EXPECT_EQ(Shown(),
              Texts{Information("Finished replacing \"an\" with \"AN\".\n\n2 records updated.")});
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_TRUE(session_.Modified);

    replace_.SetInside("Cast");
    ReplaceAll("a", "aa");  // what it inserted is not replaced again
    EXPECT_EQ(Cell(2, "Cast"), "baaNaaNaa");
    EXPECT_EQ(Cell(2, "Title"), "BANANa Split");

    replace_.SetInside("All Columns");
    replace_.SetColumnValue(true);
    ReplaceAll("comedy", "Farce");
    EXPECT_EQ(Cell(2, "Category"), "Farce");
    session_.Videos.SetCell(1, Column("Flag Value"), "lent");  // the flag mark goes with it
    session_.Videos.SetFlagMark(1, true);
    ReplaceAll("lent", "");
    EXPECT_EQ(Cell(1, "Flag Value"), "");
    EXPECT_FALSE(session_.Videos.FlagMark(1));
    session_.Videos.SetCell(0, Column("Synopsis"), std::string(2000, 'q'));  // a long whole cell
    ReplaceAll(std::string(2000, 'Q'), "short");
    EXPECT_EQ(Cell(0, "Synopsis"), "short");
}

TEST_F(TextReplaceTest, NothingHappensForTheSameTextNoTextNoRowsOrAReadOnlyUser) {
    ReplaceAll("banana", "banana");
    EXPECT_FALSE(session_.Modified);
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));
    ReplaceAll("", "x");
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    EXPECT_TRUE(prompts_.Messages().empty());

    ReplaceAll("banana", "x");
    const std::size_t shown = prompts_.Messages().size();
    session_.AccessLevel = app::kReadOnlyAccess;
    replace_.find_next();
    replace_.substitute_current();
    ReplaceAll("x", "y");
    replace_.undo_last_replace();
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_EQ(Cell(2, "Cast"), "x");
    EXPECT_EQ(prompts_.Messages().size(), shown);

    session_.AccessLevel = app::kFullAccess;
    session_.Videos.DeleteAllRows();
    replace_.SetWhat("a");
    replace_.find_next();
    EXPECT_EQ(prompts_.Messages().size(), shown);
}

TEST_F(TextReplaceTest, UndoBringsBackTheListAsItWasBeforeTheLastReplace) {
    ReplaceAll("Alien", "Aliens");
    ReplaceAll("Brazil", "Brasil");
    EXPECT_TRUE(core::FileExists(paths_.replace_undo));
    session_.Modified = false;

    replace_.undo_last_replace();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Aliens", "Brazil", "Banana Split"}));
    EXPECT_EQ(ColumnCells("Cast"), (Texts{"Sigourney Weaver", "", "banana"}));
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));
    EXPECT_TRUE(session_.Modified);
    replace_.undo_last_replace();  // only one step
    EXPECT_EQ(Cell(0, "Title"), "Aliens");
}

TEST_F(TextReplaceTest, AnUndoCopyThatCannotBeWrittenIsToldBeforeTheReplace) {
    WriteFileBytes(core::ParentFolderOf(paths_.replace_undo), "in the way of the undo folder");
    ReplaceAll("Alien", "Aliens");
    EXPECT_EQ(Shown().at(0),
              Message("Error", platform::Buttons::kOk, platform::Icon::kWarning,
                      "Error saving the copy for undoing this replace:\n" + paths_.replace_undo +
                          ".\nNot a directory.\n\nThis replace cannot be undone."));
    EXPECT_EQ(Cell(0, "Title"), "Aliens");
    replace_.undo_last_replace();
    EXPECT_EQ(Cell(0, "Title"), "Aliens");
}

TEST_F(TextReplaceTest, ShowingThePaneTakesTheDockedPlaceOfTheSearchPane) {
    config_.search_window_visible = true;
    replace_.Show();
    EXPECT_TRUE(panes_.ReplaceVisible());
    EXPECT_FALSE(panes_.SearchVisible());
    replace_.Toggle();
    EXPECT_FALSE(panes_.ReplaceVisible());

    panes_.ToggleReplaceDocked();  // floating, it has a place of its own
    panes_.ShowSearch();
    replace_.Show();
    EXPECT_TRUE(panes_.SearchVisible());
    panes_.ToggleReplaceDocked();  // docked again, into the shared place
    EXPECT_FALSE(panes_.SearchVisible());
    EXPECT_TRUE(panes_.ReplaceVisible());
}

// Sorting, searching and replacing a long list show their progress in the session's display
// until they end; a short list's show none, but for the undo copy that every replace writes.
TEST_F(TextReplaceTest, WorkOnALongListShowsItsProgress) {
    RecordingProgress progress;
    session_.progress = &progress;
    online::TextSearch search(session_, panes_);
    search.SetFindText("Film");
    const std::function<void()> work[] = {
        [&] { app::SortVideos(session_, Column("Title"), 1); },
        [&] { search.find_all(); },
        [&] { ReplaceAll("Film", "Movie"); },
    };
    using Shown = std::vector<std::pair<std::string, std::int64_t>>;  // text, range
    const auto run = [&] {
        progress.displays.clear();
        for (const auto& one : work) one();
        Shown shown;
        for (const RecordingProgress::Display& d : progress.displays) {
            EXPECT_TRUE(d.ended && d.steps > d.range / 2 && d.steps <= d.range) << d.text;
            shown.emplace_back(d.text, d.range);
        }
        return shown;
    };
    const std::string undo = "Saving " + session_.paths.replace_undo;
    EXPECT_EQ(run(), (Shown{{undo, 3}}));

    const std::int64_t rows = platform::RowProgress::kShownFrom;
    while (session_.Videos.RowCount() < rows) AddTitles({"Film"});
    EXPECT_EQ(run(), (Shown{{"Sorting by Title", 4 * rows},
                            {"Searching for \"Film\"", rows},
                            {undo, rows},
                            {"Replacing \"Film\"", rows}}));
}

}  // namespace
