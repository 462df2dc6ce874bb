#include <gtest/gtest.h>

#include "core/paths.h"
#include "online/text_replace.h"
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
    std::string Finished(const std::string& what) const {
        return "Finished searching for \"" + what + "\".";
    }
    online::TextReplace replace_{session_, panes_, prompts_};
};

TEST_F(TextReplaceTest, FindNextVisitsColumnsInTableOrderSkippingTheKey) {
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
    EXPECT_EQ(prompts_.Texts(), Texts{Finished("a")});
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck");
    EXPECT_EQ(prompts_.Messages()[0].icon, platform::Icon::kInformation);
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    EXPECT_EQ(FindNext(), (SearchPosition{0, Column("Title")}));  // from the top again
}

TEST_F(TextReplaceTest, AChosenColumnIsSearchedDownward) {
    replace_.SetInside("Cast");
    replace_.SetWhat("an");
    EXPECT_EQ(FindNext(), (SearchPosition{2, Column("Cast")}));
    EXPECT_EQ(FindNext(), SearchPosition{});
    Select({0});  // a selected first row is not skipped when there is no match yet
    replace_.SetWhat("sig");
    EXPECT_EQ(FindNext(), (SearchPosition{0, Column("Cast")}));
}

TEST_F(TextReplaceTest, ColumnValueMatchesWholeCellsOnly) {
    replace_.SetColumnValue(true);
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
}

TEST_F(TextReplaceTest, ADockedPaneShortensLongTitles) {
    AddRow({{"Title", "Dr. Strangelove or How I Learned"}, {"Cast", "Peter Sellers"}});
    replace_.SetWhat("sellers");
    FindNext();
    EXPECT_EQ(replace_.Report().text.substr(0, 25), "Record:\tDr. Strangelov...");
    panes_.ToggleReplaceDocked();
    replace_.SetWhat("sellers");
    FindNext();
    EXPECT_EQ(replace_.Report().text.substr(0, 40), "Record:\tDr. Strangelove or How I Learned");
}

TEST_F(TextReplaceTest, ReplaceChangesTheCurrentMatchAndMovesToTheNext) {
    replace_.SetWhat("banana");
    replace_.SetWith("Cherry");
    FindNext();
    EXPECT_EQ(replace_.Position(), (SearchPosition{2, Column("Title")}));
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Title"), "Cherry Split");
    EXPECT_EQ(replace_.Position(), (SearchPosition{2, Column("Cast")}));
    EXPECT_TRUE(session_.Modified);
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Cast"), "Cherry");
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_EQ(prompts_.Texts(), Texts{Finished("banana")});
    EXPECT_EQ(replace_.WhatHistory(), (Texts{"banana", "Cherry"}));
    EXPECT_EQ(replace_.WithHistory(), (Texts{"banana", "Cherry"}));
}

TEST_F(TextReplaceTest, ReplaceWithoutACurrentMatchOnlyFocusesTheField) {
    replace_.SetWhat("banana");
    replace_.substitute_current();
    EXPECT_EQ(Cell(2, "Cast"), "banana");
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));
}

TEST_F(TextReplaceTest, ChangingTheTextOrTheColumnStartsTheSearchOver) {
    replace_.SetWhat("a");
    FindNext();
    FindNext();
    replace_.SetWhat("a");
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    FindNext();
    replace_.SetInside("Title");
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    FindNext();
    replace_.Show();
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    FindNext();
    replace_.DatabaseClosed();
    EXPECT_EQ(replace_.Position(), SearchPosition{});
}

TEST_F(TextReplaceTest, ReplaceAllChangesEveryMatchAndReportsTheRecords) {
    replace_.SetWhat("an");
    replace_.SetWith("AN");
    replace_.substitute_all();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "BANANa Split"}));
    EXPECT_EQ(ColumnCells("Cast"), (Texts{"Sigourney Weaver", "", "bANANa"}));
    EXPECT_EQ(Cell(0, "Writer"), "DAN O'BANnon");
    EXPECT_EQ(Selected(), (Rows{0, 2}));
    EXPECT_EQ(replace_.Report().text, "2 records updated.");
    EXPECT_EQ(prompts_.Texts(),
              Texts{"Finished replacing \"an\" with \"AN\".\n\n2 records updated."});
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck");
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_TRUE(session_.Modified);
}

TEST_F(TextReplaceTest, ReplaceAllInsertsWithoutReplacingWhatItInserted) {
    session_.Videos.SetCell(2, Column("Cast"), "banana");
    replace_.SetInside("Cast");
    replace_.SetWhat("a");
    replace_.SetWith("aa");
    replace_.substitute_all();
    EXPECT_EQ(Cell(2, "Cast"), "baanaanaa");
    EXPECT_EQ(Cell(2, "Title"), "Banana Split");
}

TEST_F(TextReplaceTest, ReplaceAllOfWholeValues) {
    replace_.SetColumnValue(true);
    replace_.SetWhat("comedy");
    replace_.SetWith("Farce");
    replace_.substitute_all();
    EXPECT_EQ(Cell(2, "Category"), "Farce");
}

TEST_F(TextReplaceTest, ReplaceAllOfATextByItselfDoesNothing) {
    replace_.SetWhat("banana");
    replace_.SetWith("banana");
    replace_.substitute_all();
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_FALSE(session_.Modified);
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));
}

TEST_F(TextReplaceTest, ReplacingAFlagValueMovesTheFlagMarkWithIt) {
    session_.Videos.SetCell(1, Column("Flag Value"), "lent");
    session_.Videos.SetFlagMark(1, true);
    replace_.SetColumnValue(true);
    replace_.SetWhat("lent");
    replace_.SetWith("");
    replace_.substitute_all();
    EXPECT_EQ(Cell(1, "Flag Value"), "");
    EXPECT_FALSE(session_.Videos.FlagMark(1));
}

TEST_F(TextReplaceTest, UndoBringsBackTheListAsItWasBeforeTheLastReplace) {
    replace_.SetWhat("Alien");
    replace_.SetWith("Aliens");
    replace_.substitute_all();
    replace_.SetWhat("Brazil");
    replace_.SetWith("Brasil");
    replace_.substitute_all();
    EXPECT_TRUE(core::FileExists(paths_.replace_undo));

    replace_.undo_last_replace();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Aliens", "Brazil", "Banana Split"}));
    EXPECT_EQ(ColumnCells("Cast"), (Texts{"Sigourney Weaver", "", "banana"}));
    EXPECT_FALSE(core::FileExists(paths_.replace_undo));
    EXPECT_TRUE(session_.Modified);

    replace_.undo_last_replace();  // only one step
    EXPECT_EQ(Cell(0, "Title"), "Aliens");
}

TEST_F(TextReplaceTest, AReadOnlyUserCannotFindReplaceOrUndo) {
    replace_.SetWhat("banana");
    replace_.SetWith("x");
    replace_.substitute_all();
    session_.AccessLevel = app::kReadOnlyAccess;
    prompts_.Forget();
    replace_.find_next();
    replace_.substitute_current();
    replace_.substitute_all();
    replace_.undo_last_replace();
    EXPECT_EQ(replace_.Position(), SearchPosition{});
    EXPECT_EQ(Cell(2, "Cast"), "x");
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(TextReplaceTest, AnEmptyListOrTextOnlyFocusesTheField) {
    replace_.SetWhat("");
    replace_.substitute_all();
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
    session_.Videos.DeleteAllRows();
    replace_.SetWhat("a");
    replace_.find_next();
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_EQ(replace_.FocusTarget(), Focus::kWhatField);
}

TEST_F(TextReplaceTest, LongCellsAreReplacedWholeAndNothingIsLost) {
    const std::string tail(30000, 'z');
    session_.Videos.SetCell(1, Column("Synopsis"),
                            std::string(12000, 'y') + "Smith" + tail + "smith");
    replace_.SetWhat("smith");
    replace_.SetWith("John Smith");
    replace_.substitute_all();
    EXPECT_EQ(Cell(1, "Synopsis"), std::string(12000, 'y') + "John Smith" + tail + "John Smith");

    session_.Videos.SetCell(0, Column("Synopsis"), std::string(2000, 'q'));
    replace_.SetColumnValue(true);
    replace_.SetWhat(std::string(2000, 'Q'));
    replace_.SetWith("short");
    replace_.substitute_all();
    EXPECT_EQ(Cell(0, "Synopsis"), "short");
}

TEST_F(TextReplaceTest, SearchTextsHoldNoLineBreaks) {
    replace_.SetWhat("ban\nana");
    replace_.SetWith("x\r\ny");
    EXPECT_EQ(replace_.What(), "banana");
    EXPECT_EQ(replace_.With(), "xy");
}

TEST_F(TextReplaceTest, ShowingThePaneTakesTheDockedPlace) {
    config_.search_window_visible = true;
    replace_.Show();
    EXPECT_TRUE(panes_.ReplaceVisible());
    EXPECT_FALSE(panes_.SearchVisible());
    replace_.Toggle();
    EXPECT_FALSE(panes_.ReplaceVisible());
}

}  // namespace
