#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "app/wizard_pick.h"
#include "config/service_config.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "wizard/adding.h"
#include "wizard/paging.h"
#include "wizard/query_worker.h"
#include "wizard/results_reply.h"
#include "wizard/service_addresses.h"

namespace wizard {

// The Video Import Wizard's window as logic: the search form with its history and choices, the
// paging state and busy flag, the results and their order, the preview addresses, the no-results
// dialog, ratings, the "Options" and "Viewed Status" groups, and adding. The window shows it and
// forwards input; the network work runs on a QueryWorker the window owns.
class ImportWizard {
  public:
    static constexpr std::string_view kWindowTitle = "Video Import Wizard";
    static constexpr int kOptionCount = 7;
    static constexpr std::size_t kFindLength = 1023;

    // Opens the wizard: creates the vidwiz folder, reads the "Find" history (an empty file is
    // created when missing) and the "Look In" and "Sort by" choices, and sets the form from the
    // configuration.
    ImportWizard(app::Session& session, const config::ServiceConfig& service,
                 platform::Prompts& prompts);

    // ---- Form ----
    const std::string& Find() const { return form_.find; }
    void SetFind(std::string find);
    const std::vector<std::string>& History() const { return history_; }
    // "All" and the lines of vidwiz/tcolumns.txt.
    const std::vector<std::string>& LookInChoices() const { return look_in_choices_; }
    // The lines of vidwiz/scolumns.txt.
    const std::vector<std::string>& SortChoices() const { return sort_choices_; }
    const std::string& LookIn() const { return form_.look_in; }
    void SetLookIn(std::string look_in);
    const std::string& SortBy() const { return form_.sort_by; }
    void SetSortBy(std::string sort_by);
    bool MatchCase() const { return form_.match_case; }
    void SetMatchCase(bool match_case);
    int ListCount() const { return form_.list_count; }
    // "List" as typed; the value the field shows afterwards, or nothing to leave it as typed.
    std::optional<int> TypeListCount(std::string_view typed);

    // ---- Queries ----
    // Each gives the address to fetch and sets the busy flag, or nothing: while a query runs,
    // for an empty "Find" (the focus goes back to it) or for an address that is too long (after
    // a message). Search starts at the first result, the paging buttons one page away.
    std::optional<std::string> RunQuery();
    std::optional<std::string> Search();
    std::optional<std::string> PagePrevious();
    std::optional<std::string> PageNext();
    bool Busy() const { return busy_; }
    std::int64_t StartIndex() const { return start_; }
    std::int64_t Total() const { return total_; }
    // The file the replies are stored in.
    const std::string& ResultsPath() const;

    // No worker thread could be started: "Unknown Error", and the form is usable again.
    void WorkerNotStarted();
    // The worker's steps, on the window's thread.
    void Connecting();
    struct Shown {
        bool connection_error = false;
        bool no_results = false;
        int preview_row = -1;  // the single result, selected and previewed
    };
    // Shows the outcome: the connection error message, or the results and the title; the
    // no-results dialog is the window's to show when `no_results`.
    Shown ApplyOutcome(QueryOutcome outcome);
    void QueryIdle();

    const std::string& WindowTitle() const { return title_; }
    PageButtons Buttons() const;
    // "Add My Videos" and "Add Wanted": a selection and a user who may change the lists.
    bool AddEnabled(int selected_count) const;

    // ---- Results ----
    const std::vector<ResultRow>& Rows() const { return rows_; }
    // The list's columns: the identifier (width 0), the cover marker, "Year", "Title",
    // "MPAA Rating", "Duration", "Category".
    static const std::vector<std::string>& ColumnHeaders();
    static ResultField FieldOfColumn(int column);
    // Sorts by a column's text ignoring case; a column named as a "Sort by" choice becomes the
    // choice.
    void SortByColumn(int column);
    // The "Sort List" submenu: the column of that name, if the list has one.
    void SortByChoice(const std::string& choice);
    int SortColumn() const { return sort_column_; }
    std::vector<ResultRow> RowsAt(std::span<const int> rows) const;

    // ---- Preview ----
    std::string IdlePage() const;
    std::string InProgressPage() const;
    std::string PreviewPage(int row) const;

    // ---- No results ----
    // The "Look In" text, a colon, a blank and the "Find" text in double quotation marks.
    std::string NoResultsSearchText() const;
    bool AdviseEnabled() const { return form_.look_in == "Title"; }
    // The report of the title not found, or nothing to send.
    std::optional<std::string> AdviseRequest() const;
    static constexpr std::string_view kAdviseThanks =
        "A notification has been sent to the Reeldeck Video Database\nadministration "
        "department. Contained in the notification is\nthe video title you searched for. If "
        "Reeldeck is able to\nlocate information about the video then the title will be\nadded "
        "to the database and made available online.\n\nThank you for your feedback.";

    // ---- Ratings ----
    // The rating request for one result, or nothing when it does not qualify.
    std::optional<std::string> RatingRequest(int row, int stars) const;

    // ---- Options and Viewed Status ----
    // Seven labels: the custom columns' names, then placeholders.
    const std::vector<std::string>& OptionLabels() const { return option_labels_; }
    const std::vector<std::vector<std::string>>& OptionChoices() const { return option_choices_; }
    const std::vector<std::string>& Options() const { return options_; }
    void SetOption(int index, std::string value);
    bool Viewed() const { return viewed_; }
    // "Yes" with an empty month fills the date fields with today.
    void SetViewed(bool viewed);
    const std::string& Month() const { return month_; }
    const std::string& Day() const { return day_; }
    const std::string& ViewedYear() const { return viewed_year_; }
    void SetDate(std::string month, std::string day, std::string year);
    AddChoices Choices() const;

    // ---- Adding ----
    AddOutcome AddMyVideos(DuplicateQuestion& question, platform::Progress& progress,
                           std::span<const int> rows);
    int AddWanted(platform::Progress& progress, std::span<const int> rows);
    bool SwitchManualEnabled() const;

    // ---- Opened by other commands ----
    // Update Selected: the record's title as a "Title" search, its custom values and viewed
    // date in the groups.
    void FillFromRecord(int row);
    // The Wanted Videos pane and the details pane: a "Title" search for `title`.
    void PrepareTitleSearch(std::string title);
    // What the record editor's "Wizard" button takes from result `row`.
    app::WizardPick PickOf(int row) const;

    // close_wizard: writes the history back and keeps the form's choices in the configuration.
    void Close();

  private:
    void LoadChoices();
    void LoadOptions();

    app::Session& session_;
    const config::ServiceConfig& service_;
    platform::Prompts& prompts_;
    QueryForm form_;
    std::vector<std::string> history_;
    std::vector<std::string> look_in_choices_;
    std::vector<std::string> sort_choices_;
    std::int64_t start_ = 0;
    std::int64_t total_ = 0;
    bool busy_ = false;
    std::string title_{kWindowTitle};
    std::vector<ResultRow> rows_;
    int sort_column_ = -1;
    std::vector<std::string> option_labels_;
    std::vector<std::vector<std::string>> option_choices_;
    std::vector<std::string> options_;
    bool viewed_ = false;
    std::string month_;
    std::string day_;
    std::string viewed_year_;
};

}  // namespace wizard
