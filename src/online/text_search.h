#pragma once

#include <string>
#include <vector>

#include "app/list_videos.h"
#include "app/session.h"
#include "online/search_history.h"
#include "online/search_panes.h"
#include "online/search_results.h"

namespace online {

// The Text Search pane: finds the records with a cell that holds a text (or is the text),
// selects them in My Videos and lists their titles. The List Videos commands show their
// results here too.
class TextSearch {
  public:
    static constexpr std::size_t kFindMaxLength = 1023;  // of the "Find" field, for typing
    enum class Focus { kFindField, kMyVideos };

    TextSearch(app::Session& session, SearchPanes& panes);

    // ---- The pane's controls ----
    const std::string& FindText() const { return find_text_; }
    void SetFindText(std::string text) { find_text_ = std::move(text); }
    const std::vector<std::string>& FindHistory() const { return history_.Entries(); }
    // Choosing a history entry copies it into the field and searches.
    void ChooseHistoryEntry(int index);

    // Refills the "Inside" choices from the open database (after opening one) and chooses
    // "All Columns".
    void RefillInside();
    const std::vector<std::string>& InsideChoices() const { return inside_choices_; }
    const std::string& Inside() const { return inside_; }
    void SetInside(std::string inside) { inside_ = std::move(inside); }

    bool MatchCase() const { return match_case_; }
    void SetMatchCase(bool on) { match_case_ = on; }
    bool ColumnValue() const { return column_value_; }
    void SetColumnValue(bool on) { column_value_ = on; }

    // The titles found, and "Search - N" for the pane's title.
    const std::vector<std::string>& Results() const { return results_.Titles(); }
    std::string Caption() const { return results_.Caption(); }
    // Where the focus goes after the last operation; the find field has its text selected.
    Focus FocusTarget() const { return focus_; }

    // ---- Operations ----
    // "Find": selects every record with a matching cell in the chosen columns and lists each
    // title once (ignoring case). An empty text searches nothing.
    void find_all();
    // Choosing a title: selects the first record with exactly that title; returns its row (to
    // be scrolled to and shown in the details pane), or -1.
    int select_result(int index);
    // A double click on a title: selects it; true when the record editor should open on it
    // (exactly one record selected, and the user may change records).
    bool edit_result(int index);

    // List Videos > a value: the records whose column holds exactly the value (ignoring case
    // unless "Match case" is on). The pane is shown and the focus returns to My Videos.
    void SelectByValue(const std::string& column_name, const std::string& value);
    // A QuickFind link of the details pane: the text in all columns, both options off for the
    // run (and restored after). The pane is shown.
    void QuickFind(const std::string& text);
    // The fixed List Videos commands: their titles become the results, the find text is
    // emptied and the pane is shown.
    void ShowListing(const app::Listing& listing);

  private:
    app::Session& session_;
    SearchPanes& panes_;
    std::string find_text_;
    SearchHistory history_;
    std::vector<std::string> inside_choices_;
    std::string inside_;
    bool match_case_ = false;
    bool column_value_ = false;
    SearchResults results_;
    Focus focus_ = Focus::kFindField;
};

}  // namespace online
