#include "online/text_search.h"

#include <unordered_set>

#include "core/text.h"
#include "online/inside_choices.h"
#include "online/text_matcher.h"

namespace online {

TextSearch::TextSearch(app::Session& session, SearchPanes& panes)
    : session_(session), panes_(panes) {
    RefillInside();
}

void TextSearch::RefillInside() {
    inside_choices_ = online::InsideChoices(session_.Videos);
    inside_ = kAllColumns;
}

void TextSearch::ChooseHistoryEntry(int index) {
    if (index < 0 || index >= static_cast<int>(FindHistory().size())) return;
    find_text_ = FindHistory()[static_cast<std::size_t>(index)];
    find_all();
}

void TextSearch::find_all() {
    focus_ = Focus::kFindField;
    if (find_text_.empty()) return;
    history_.Add(find_text_);

    // The rows are found beside the window's thread, which then selects them.
    core::VideoList& list = session_.Videos;
    const TextMatcher matcher(find_text_, match_case_, column_value_);
    const std::vector<int> columns = ColumnsInside(list, inside_);
    std::vector<int> rows;
    std::vector<std::string> titles;
    platform::RunReadingWork(
        session_.reading_work, session_.ProgressDisplay(), [&](platform::Progress& display) {
            const int title_column = list.ColumnIndexOf(core::column_name::kTitle);
            std::unordered_set<std::string> listed;  // folded titles
            platform::RowProgress progress(&display, list.RowCount(),
                                           "Searching for \"" + find_text_ + "\"");
            for (int row = 0; row < list.RowCount(); ++row) {
                progress.Row(row);
                const core::VideoRecord& record = list.Row(row);
                for (int column : columns) {
                    if (!matcher.Matches(record.Cell(column))) continue;
                    rows.push_back(row);
                    const std::string_view title = record.Cell(title_column);
                    if (listed.insert(core::ToLowerAscii(std::string(title))).second) {
                        titles.emplace_back(title);
                    }
                    break;
                }
            }
        });
    list.DeselectAll();
    for (int row : rows) list.Select(row, true);
    results_.Assign(std::move(titles));
}

int TextSearch::select_result(int index) {
    if (index < 0 || index >= results_.Count()) return -1;
    core::VideoList& list = session_.Videos;
    list.DeselectAll();
    const int title_column = list.ColumnIndexOf(core::column_name::kTitle);
    const std::string& title = results_.Titles()[static_cast<std::size_t>(index)];
    for (int row = 0; row < list.RowCount(); ++row) {
        if (list.Cell(row, title_column) == title) {
            list.Select(row, true);
            return row;
        }
    }
    return -1;
}

bool TextSearch::edit_result(int index) {
    select_result(index);
    return session_.Videos.SelectedCount() == 1 && session_.CanChange();
}

void TextSearch::SelectByValue(const std::string& column_name, const std::string& value) {
    const bool column_value = column_value_;
    find_text_ = value;
    inside_ = column_name;
    column_value_ = true;
    find_all();
    column_value_ = column_value;
    panes_.ShowSearch();
    focus_ = Focus::kMyVideos;
}

void TextSearch::QuickFind(const std::string& text) {
    const bool match_case = match_case_;
    const bool column_value = column_value_;
    find_text_ = text;
    inside_ = kAllColumns;
    match_case_ = false;
    column_value_ = false;
    find_all();
    match_case_ = match_case;
    column_value_ = column_value;
    // The titles found are only seen in this pane: it takes the Replace pane's place if need be.
    panes_.ShowSearch();
}

void TextSearch::ShowListing(const app::Listing& listing) {
    results_.Assign(listing.titles);
    find_text_.clear();
    panes_.ShowSearch();
    focus_ = Focus::kMyVideos;
}

}  // namespace online
