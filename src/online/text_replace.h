#pragma once

#include <string>
#include <vector>

#include "app/session.h"
#include "online/match_report.h"
#include "online/search_history.h"
#include "online/search_panes.h"
#include "platform/prompts.h"

namespace online {

// The place of the current match: a row and a column (ListIndex). Column 0 means no match.
struct SearchPosition {
    int row = 0;
    int column = 0;
    bool operator==(const SearchPosition&) const = default;
};

// The Text Replace pane: steps through the matches of a text one at a time, shows the current
// one, replaces it or every match, and undoes the last replace. Nothing here works for a
// read-only user.
class TextReplace {
  public:
    static constexpr std::size_t kTextMaxLength = 1023;  // of "What" and "With", for typing
    enum class Focus { kNone, kWhatField };

    TextReplace(app::Session& session, SearchPanes& panes, platform::Prompts& prompts);

    // ---- The pane's controls ----
    const std::string& What() const { return what_; }
    // Typing or choosing from the history: the search starts again from the top.
    void SetWhat(std::string text);
    const std::string& With() const { return with_; }
    void SetWith(std::string text);
    const std::vector<std::string>& WhatHistory() const { return what_history_.Entries(); }
    const std::vector<std::string>& WithHistory() const { return with_history_.Entries(); }

    // Refills the "Inside" choices from the open database and chooses "All Columns".
    void RefillInside();
    const std::vector<std::string>& InsideChoices() const { return inside_choices_; }
    const std::string& Inside() const { return inside_; }
    // Choosing a column: the search starts again from the top.
    void SetInside(std::string inside);

    bool MatchCase() const { return match_case_; }
    void SetMatchCase(bool on) { match_case_ = on; }
    bool ColumnValue() const { return column_value_; }
    void SetColumnValue(bool on) { column_value_ = on; }

    const MatchReport& Report() const { return report_; }
    const SearchPosition& Position() const { return position_; }
    // The row of the current match, to be scrolled to and shown in the details pane; -1 none.
    int MatchRow() const { return position_.column > 0 ? position_.row : -1; }
    // Where the focus went after the last operation; the field has its text selected.
    Focus FocusTarget() const { return focus_; }

    // ---- The pane itself ----
    // Shows the pane (taking the docked place from the Search pane); the search starts again.
    void Show();
    void Toggle();
    // The open database was closed: the search starts again.
    void DatabaseClosed() { position_ = {}; }

    // ---- Operations ("Find next", "Replace", "Replace all", "Undo last") ----
    void find_next();
    void substitute_current();
    void substitute_all();
    void undo_last_replace();

  private:
    bool MayRun() const { return !session_.ReadOnly(); }
    SearchPosition FindFrom(SearchPosition position);
    // The current match as the list stands now: rows may have been sorted, added or deleted
    // since it was found. The matched record is followed to its row by its Key; when it is gone
    // or its cell no longer matches, the next match is looked for from the old position.
    SearchPosition CurrentMatch();
    void ShowReport(SearchPosition position);
    void AddToHistories();
    void WriteUndo();
    void FocusWhat() { focus_ = Focus::kWhatField; }

    app::Session& session_;
    SearchPanes& panes_;
    platform::Prompts& prompts_;
    std::string what_;
    std::string with_;
    SearchHistory what_history_;
    SearchHistory with_history_;
    std::vector<std::string> inside_choices_;
    std::string inside_;
    bool match_case_ = false;
    bool column_value_ = false;
    MatchReport report_;
    SearchPosition position_;
    std::string matched_key_;  // the Key of the record of the last match found
    Focus focus_ = Focus::kNone;
};

}  // namespace online
