#include "wizard/import_wizard.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/menu_rules.h"
#include "app/record_storing.h"
#include "config/recent_databases.h"
#include "core/dates.h"
#include "core/paths.h"
#include "core/text.h"
#include "wizard/ratings.h"

namespace wizard {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr ResultField kColumnFields[] = {kId,   kImageFolder, kYear,    kTitle,
                                         kMpaa, kDuration,    kCategory};

bool Contains(const std::vector<std::string>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string Part(std::string_view text, std::size_t from, std::size_t count) {
    return from < text.size() ? std::string(text.substr(from, count)) : std::string();
}

}  // namespace

ImportWizard::ImportWizard(app::Session& session, const config::ServiceConfig& service,
                           platform::Prompts& prompts)
    : session_(session), service_(service), prompts_(prompts) {
    const std::string& history = session.paths.wizard_search;
    std::error_code error;
    std::filesystem::create_directories(core::ParentFolderOf(history), error);
    if (!core::FileExists(history)) std::ofstream(history, std::ios::binary);
    config::LoadHistory(history_, history);
    LoadChoices();
    LoadOptions();
    const config::ProgramConfig& config = session.config;
    form_.look_in = Contains(look_in_choices_, config.vidwiz_column_value)
                        ? config.vidwiz_column_value
                        : look_in_choices_.front();
    form_.sort_by = Contains(sort_choices_, config.vidwiz_sortby_value) || sort_choices_.empty()
                        ? config.vidwiz_sortby_value
                        : sort_choices_.front();
    form_.match_case = config.vidwiz_search_match_case;
    form_.list_count = ClampListCount(config.vidwiz_results_list_count);
}

void ImportWizard::LoadChoices() {
    const std::string folder = core::JoinPath(session_.paths.folder, "vidwiz");
    look_in_choices_ = {"All"};
    config::LoadHistory(look_in_choices_, core::JoinPath(folder, "tcolumns.txt"));
    config::LoadHistory(sort_choices_, core::JoinPath(folder, "scolumns.txt"));
}

void ImportWizard::LoadOptions() {
    const core::VideoList& list = session_.Videos;
    const std::vector<int> custom = app::CustomColumns(list);
    for (int i = 0; i < kOptionCount; ++i) {
        if (i < static_cast<int>(custom.size())) {
            option_labels_.push_back(list.Column(custom[static_cast<std::size_t>(i)]).Name);
            option_choices_.push_back(
                app::DistinctValues(list, custom[static_cast<std::size_t>(i)]));
        } else {
            option_labels_.push_back("Option " + std::to_string(i + 1));
            option_choices_.emplace_back();
        }
    }
    options_.assign(kOptionCount, {});
}

void ImportWizard::SetFind(std::string find) {
    if (find.size() > kFindLength) find.resize(kFindLength);
    form_.find = std::move(find);
}

void ImportWizard::SetLookIn(std::string look_in) {
    form_.look_in = std::move(look_in);
    session_.config.vidwiz_column_value = form_.look_in;
}

void ImportWizard::SetSortBy(std::string sort_by) {
    form_.sort_by = std::move(sort_by);
    session_.config.vidwiz_sortby_value = form_.sort_by;
}

void ImportWizard::SetMatchCase(bool match_case) {
    form_.match_case = match_case;
    session_.config.vidwiz_search_match_case = match_case;
}

std::optional<int> ImportWizard::TypeListCount(std::string_view typed) {
    const std::optional<int> count = ListCountOfTyped(typed);
    if (count) {
        form_.list_count = *count;
        session_.config.vidwiz_results_list_count = *count;
    }
    return count;
}

const std::string& ImportWizard::ResultsPath() const {
    return session_.paths.wizard_results;
}

std::optional<std::string> ImportWizard::RunQuery() {
    if (busy_ || form_.find.empty()) return std::nullopt;
    if (!Contains(history_, form_.find)) history_.push_back(form_.find);
    const Address address = QueryAddress(service_.base_url, form_, start_);
    if (!address.ok()) {
        prompts_.Message(address.error, kWindowTitle, Buttons::kOk, Icon::kInformation);
        return std::nullopt;
    }
    busy_ = true;
    return address.text;
}

std::optional<std::string> ImportWizard::Search() {
    if (busy_) return std::nullopt;
    start_ = 0;
    return RunQuery();
}

std::optional<std::string> ImportWizard::PagePrevious() {
    if (busy_) return std::nullopt;
    start_ = PreviousStart(start_, form_.list_count);
    return RunQuery();
}

std::optional<std::string> ImportWizard::PageNext() {
    if (busy_) return std::nullopt;
    start_ = NextStart(start_, form_.list_count, rows_.empty());
    return RunQuery();
}

void ImportWizard::WorkerNotStarted() {
    busy_ = false;
    prompts_.Message(
        "An unknown error has occurred while attempting to process your\nrequest. Please restart "
        "Reeldeck and try again.",
        "Unknown Error", Buttons::kOk, Icon::kError);
}

void ImportWizard::Connecting() {
    title_ = std::string(kWindowTitle) + " - Connecting...";
    rows_.clear();
}

ImportWizard::Shown ImportWizard::ApplyOutcome(QueryOutcome outcome) {
    Shown shown;
    rows_.clear();
    switch (outcome.kind) {
        case QueryOutcome::Kind::kConnectionError:
            title_ = std::string(kWindowTitle) + " - Connection Error";
            shown.connection_error = true;
            prompts_.Message(
                "An error occurred while attempting to connect to the Reeldeck Video "
                "Database.\nPlease check your Internet connection and try again.",
                "Connection Error", Buttons::kOk, Icon::kError);
            return shown;
        case QueryOutcome::Kind::kNoResults:
            title_ = kWindowTitle;
            total_ = 0;
            shown.no_results = true;
            return shown;
        case QueryOutcome::Kind::kResults:
            break;
    }
    rows_ = std::move(outcome.reply.rows);
    const auto shown_count = static_cast<std::int64_t>(rows_.size());
    // A total below what the page holds is a damaged reply; the title never reads "1-20 of 5".
    total_ = std::max(outcome.reply.total, start_ + shown_count);
    sort_column_ = -1;
    const std::vector<std::string>& headers = ColumnHeaders();
    const auto header = std::find(headers.begin(), headers.end(), form_.sort_by);
    if (!form_.sort_by.empty() && header != headers.end()) {
        SortByColumn(static_cast<int>(header - headers.begin()));
    }
    title_ = ResultsTitle(start_, shown_count, total_);
    if (shown_count == 1) shown.preview_row = 0;
    return shown;
}

void ImportWizard::QueryIdle() {
    busy_ = false;
}

PageButtons ImportWizard::Buttons() const {
    if (busy_) return ButtonsWhileBusy();
    return ButtonsWhenIdle(start_, form_.list_count, total_, SwitchManualEnabled());
}

bool ImportWizard::AddEnabled(int selected_count) const {
    return selected_count > 0 && session_.IsOpen() && !session_.ReadOnly();
}

bool ImportWizard::SwitchManualEnabled() const {
    return session_.IsOpen() && session_.AccessLevel == app::kFullAccess;
}

const std::vector<std::string>& ImportWizard::ColumnHeaders() {
    static const std::vector<std::string> headers = {
        "", "", "Year", "Title", "MPAA Rating", "Duration", "Category"};
    return headers;
}

ResultField ImportWizard::FieldOfColumn(int column) {
    if (column < 0 || column >= static_cast<int>(std::size(kColumnFields))) return kTitle;
    return kColumnFields[column];
}

void ImportWizard::SortByColumn(int column) {
    if (column < 0 || column >= static_cast<int>(ColumnHeaders().size())) return;
    const ResultField field = FieldOfColumn(column);
    std::stable_sort(rows_.begin(), rows_.end(), [field](const ResultRow& a, const ResultRow& b) {
        return core::CompareNoCase(a[field], b[field]) < 0;
    });
    sort_column_ = column;
    const std::string& name = ColumnHeaders()[static_cast<std::size_t>(column)];
    if (Contains(sort_choices_, name)) SetSortBy(name);
}

void ImportWizard::SortByChoice(const std::string& choice) {
    const std::vector<std::string>& headers = ColumnHeaders();
    const auto header = std::find(headers.begin(), headers.end(), choice);
    if (!choice.empty() && header != headers.end()) {
        SortByColumn(static_cast<int>(header - headers.begin()));
    }
}

std::vector<ResultRow> ImportWizard::RowsAt(std::span<const int> rows) const {
    std::vector<ResultRow> picked;
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(rows_.size())) {
            picked.push_back(rows_[static_cast<std::size_t>(row)]);
        }
    }
    return picked;
}

std::string ImportWizard::IdlePage() const {
    return ServiceAddress(service_.base_url, kIdlePage);
}

std::string ImportWizard::InProgressPage() const {
    return ServiceAddress(service_.base_url, kInProgressPage);
}

std::string ImportWizard::PreviewPage(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return IdlePage();
    return PreviewAddress(service_.base_url, rows_[static_cast<std::size_t>(row)][kId],
                          session_.clock.Now());
}

std::string ImportWizard::NoResultsSearchText() const {
    return form_.look_in + ": \"" + form_.find + "\"";
}

std::optional<std::string> ImportWizard::AdviseRequest() const {
    const Address address = AdviseAddress(service_.base_url, form_.find, form_.look_in);
    if (!address.ok()) return std::nullopt;
    return address.text;
}

std::optional<std::string> ImportWizard::RatingRequest(int row, int stars) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || stars < 1 || stars > 5) {
        return std::nullopt;
    }
    const ResultRow& result = rows_[static_cast<std::size_t>(row)];
    const std::string values = RatingValues(result[kTitle], result[kYear]);
    if (values.empty()) return std::nullopt;
    const Address address = RatingAddress(service_.base_url, values, stars);
    if (!address.ok()) return std::nullopt;
    return address.text;
}

void ImportWizard::SetOption(int index, std::string value) {
    if (index >= 0 && index < kOptionCount) options_[static_cast<std::size_t>(index)] = value;
}

void ImportWizard::SetViewed(bool viewed) {
    viewed_ = viewed;
    if (viewed && month_.empty()) {
        const core::CivilDate today = core::LocalDateOf(session_.clock.Now(), session_.clock);
        const std::string date = core::FormatDate(today);
        SetDate(Part(date, 0, 2), Part(date, 3, 2), Part(date, 6, 4));
    }
}

void ImportWizard::SetDate(std::string month, std::string day, std::string year) {
    month_ = std::move(month);
    day_ = std::move(day);
    viewed_year_ = std::move(year);
}

AddChoices ImportWizard::Choices() const {
    // Only the fields that stand for a custom column are stored.
    const std::size_t custom = app::CustomColumns(session_.Videos).size();
    AddChoices choices{
        {options_.begin(), options_.begin() + static_cast<long>(std::min(custom, options_.size()))},
        viewed_,
        month_,
        day_,
        viewed_year_};
    return choices;
}

AddOutcome ImportWizard::AddMyVideos(DuplicateQuestion& question, platform::Progress& progress,
                                     std::span<const int> rows) {
    const std::vector<ResultRow> picked = RowsAt(rows);
    return AddToMyVideos(session_, prompts_, question, progress, picked, Choices(),
                         service_.image_base_url);
}

int ImportWizard::AddWanted(platform::Progress& progress, std::span<const int> rows) {
    const std::vector<ResultRow> picked = RowsAt(rows);
    return AddToWanted(session_, prompts_, progress, picked);
}

void ImportWizard::FillFromRecord(int row) {
    const core::VideoList& list = session_.Videos;
    if (row < 0 || row >= list.RowCount()) return;
    options_.assign(kOptionCount, {});
    const std::vector<int> custom = app::CustomColumns(list);
    for (std::size_t i = 0; i < custom.size() && i < options_.size(); ++i) {
        options_[i] = list.GetCell(row, custom[i]);
    }
    const std::string viewed = list.GetCell(row, list.ColumnIndexOf("Last Viewed"));
    if (!viewed.empty() && viewed.front() >= '0' && viewed.front() <= '9') {
        viewed_ = true;
        SetDate(Part(viewed, 0, 2), Part(viewed, 3, 2), Part(viewed, 6, 4));
    } else {
        viewed_ = false;
    }
    PrepareTitleSearch(list.GetCell(row, list.ColumnIndexOf("Title")));
}

void ImportWizard::PrepareTitleSearch(std::string title) {
    SetFind(std::move(title));
    if (Contains(look_in_choices_, "Title")) SetLookIn("Title");
}

app::WizardPick ImportWizard::PickOf(int row) const {
    app::WizardPick pick;
    if (row < 0 || row >= static_cast<int>(rows_.size())) return pick;
    const ResultRow& r = rows_[static_cast<std::size_t>(row)];
    pick.title = r[kTitle];
    pick.year = r[kYear];
    pick.duration = r[kDuration];
    pick.mpaa = r[kMpaa];
    pick.cast = r[kCast];
    pick.director = r[kDirector];
    pick.producer = r[kProducer];
    pick.writer = r[kWriter];
    pick.category = r[kCategory];
    pick.synopsis = r[kSynopsis];
    if (HasCover(r)) {
        pick.image_address = CoverAddress(service_.image_base_url, r[kImageFolder], r[kImageFile]);
    }
    pick.options = Choices().options;
    pick.viewed = viewed_;
    pick.month = month_;
    pick.day = day_;
    pick.viewed_year = viewed_year_;
    return pick;
}

void ImportWizard::Close() {
    config::SaveHistory(history_, session_.paths.wizard_search);
    busy_ = false;
}

}  // namespace wizard
