#include "online/text_replace.h"

#include <optional>

#include "core/text.h"
#include "online/inside_choices.h"
#include "online/replace_undo.h"
#include "online/substitute.h"
#include "online/text_matcher.h"

namespace online {
namespace {

using platform::Buttons;
using platform::Icon;

bool IsFlagValue(const core::VideoList& list, int column) {
    return list.Column(column).Name == core::column_name::kFlagValue;
}

// Sets a cell; a row's flag mark follows its flag value.
void SetCell(core::VideoList& list, int row, int column, std::string_view text) {
    list.SetCell(row, column, text);
    if (IsFlagValue(list, column)) list.SetFlagMark(row, !text.empty());
}

// A row that a replace changes, as it becomes.
struct ChangedRow {
    int row;
    core::VideoRecord record;
};

// Replace All: every occurrence of the text in the chosen columns, or every cell that is the
// text when whole cells are replaced, becomes the new text.
struct ReplaceEverywhere {
    TextMatcher cells;        // the cells to change
    TextMatcher occurrences;  // the occurrences within a cell
    std::string with;
    bool whole_cell;
    std::vector<int> columns;

    // The rows of `list` that change, as they become; the list is only read.
    std::vector<ChangedRow> ChangedRowsOf(const core::VideoList& list, platform::Progress& display,
                                          std::string_view text) const {
        std::vector<ChangedRow> changes;
        platform::RowProgress progress(&display, list.RowCount(), text);
        for (int row = 0; row < list.RowCount(); ++row) {
            progress.Row(row);
            std::optional<core::VideoRecord> changed;
            for (int column : columns) {
                const std::string_view cell = list.Cell(row, column);
                if (!cells.Matches(cell)) continue;
                std::string replaced =
                    whole_cell ? with : SubstituteInText(cell, occurrences, with);
                if (replaced == cell) continue;
                if (!changed) changed = list.Row(row);
                changed->SetCell(column, replaced);
                if (IsFlagValue(list, column)) changed->Flagged = !replaced.empty();
            }
            if (changed) changes.push_back({row, std::move(*changed)});
        }
        return changes;
    }
};

// A row's Key; empty for a row that is not in the list or a table without Keys.
std::string KeyOf(const core::VideoList& list, int row) {
    const int key = list.ColumnIndexOf(core::column_name::kKey);
    if (key < 0 || row < 0 || row >= list.RowCount()) return {};
    return std::string(list.Cell(row, key));
}

}  // namespace

TextReplace::TextReplace(app::Session& session, SearchPanes& panes, platform::Prompts& prompts)
    : session_(session), panes_(panes), prompts_(prompts) {
    RefillInside();
}

void TextReplace::SetWhat(std::string text) {
    what_ = core::RemoveLineBreaks(std::move(text));
    position_ = {};
}

void TextReplace::SetWith(std::string text) {
    with_ = core::RemoveLineBreaks(std::move(text));
}

void TextReplace::RefillInside() {
    inside_choices_ = online::InsideChoices(session_.Videos);
    inside_ = kAllColumns;
    position_ = {};
}

void TextReplace::SetInside(std::string inside) {
    inside_ = std::move(inside);
    position_ = {};
}

void TextReplace::Show() {
    position_ = {};
    panes_.ShowReplace();
}

void TextReplace::Toggle() {
    if (panes_.ReplaceVisible()) {
        panes_.HideReplace();
    } else {
        Show();
    }
}

void TextReplace::ShowReport(SearchPosition position) {
    const core::VideoList& list = session_.Videos;
    if (position.row < 0 || position.row >= list.RowCount() || position.column <= 0 ||
        position.column >= list.ColumnCount()) {
        return;
    }
    report_ = BuildMatchReport({
        .title = list.Cell(position.row, list.ColumnIndexOf(core::column_name::kTitle)),
        .column = list.Column(position.column).Name,
        .row = position.row + 1,
        .cell = list.Cell(position.row, position.column),
        .what = what_,
        .match_case = match_case_,
        .docked = panes_.ReplaceDocked(),
    });
}

SearchPosition TextReplace::FindFrom(SearchPosition from) {
    core::VideoList& list = session_.Videos;
    if (list.RowCount() == 0) {
        FocusWhat();
        return {};
    }
    what_history_.Add(what_);

    const TextMatcher matcher(what_, match_case_, column_value_);
    const std::vector<int> columns = ColumnsInside(list, inside_);
    std::optional<SearchPosition> found;
    if (inside_ != kAllColumns) {
        // One column: the row after the current match, or the first row without one.
        const int column = columns.empty() ? 0 : columns.front();
        for (int row = from.column > 0 ? from.row + 1 : 0; column > 0 && row < list.RowCount();
             ++row) {
            if (matcher.Matches(list.Cell(row, column))) {
                found = SearchPosition{row, column};
                break;
            }
        }
    } else {
        // Every searchable column after the current one, then the next rows from their start.
        for (int row = std::max(from.row, 0), after = from.column; row < list.RowCount() && !found;
             ++row, after = 0) {
            for (int column : columns) {
                if (column > after && matcher.Matches(list.Cell(row, column))) {
                    found = SearchPosition{row, column};
                    break;
                }
            }
        }
    }
    if (found) {
        matched_key_ = KeyOf(list, found->row);
        list.DeselectAll();
        list.Select(found->row, true);
        ShowReport(*found);
        return *found;
    }
    if (from.column > 0) ShowReport(from);
    FocusWhat();
    prompts_.Message(core::FormatText("Finished searching for \"%s\".", {what_}), "Reeldeck",
                     Buttons::kOk, Icon::kInformation);
    return {};
}

SearchPosition TextReplace::CurrentMatch() {
    core::VideoList& list = session_.Videos;
    SearchPosition at = position_;
    if (!matched_key_.empty() && KeyOf(list, at.row) != matched_key_) {
        at.row = list.FindRow(list.ColumnIndexOf(core::column_name::kKey), matched_key_);
    }
    const TextMatcher matcher(what_, match_case_, column_value_);
    if (at.row < 0 || at.row >= list.RowCount() || at.column >= list.ColumnCount() ||
        !matcher.Matches(list.Cell(at.row, at.column))) {
        return FindFrom(position_);
    }
    if (at.row != position_.row) {
        list.DeselectAll();
        list.Select(at.row, true);
    }
    return at;
}

void TextReplace::find_next() {
    if (!MayRun()) return;
    focus_ = Focus::kNone;
    position_ = FindFrom(position_);
}

void TextReplace::AddToHistories() {
    for (SearchHistory* history : {&what_history_, &with_history_}) {
        history->Add(what_);
        history->Add(with_);
    }
}

void TextReplace::WriteUndo() {
    // The copy is a whole main file: written beside the window's thread, which it only reads.
    core::FileResult written;
    platform::RunReadingWork(
        session_.reading_work, session_.ProgressDisplay(), [&](platform::Progress& progress) {
            written = WriteReplaceUndo(session_.Videos, session_.paths.replace_undo, progress);
        });
    if (written) return;
    // The replace goes ahead; the user learns first that it will be final.
    prompts_.Message(core::FormatText("Error saving the copy for undoing this replace:\n%s.\n%s."
                                      "\n\nThis replace cannot be undone.",
                                      {written.path, written.reason}),
                     "Error", Buttons::kOk, Icon::kWarning);
}

void TextReplace::substitute_current() {
    if (!MayRun()) return;
    core::VideoList& list = session_.Videos;
    if (position_.column <= 0 || what_.empty()) {
        FocusWhat();
        return;
    }
    position_ = CurrentMatch();
    if (position_.column <= 0) return;
    WriteUndo();
    AddToHistories();
    const std::string_view cell = list.Cell(position_.row, position_.column);
    const std::string replaced =
        column_value_ ? with_
                      : SubstituteInText(cell, TextMatcher(what_, match_case_, false), with_);
    SetCell(list, position_.row, position_.column, replaced);
    session_.Modified = true;
    session_.NotifyListsChanged();
    FocusWhat();
    position_ = FindFrom(position_);
}

void TextReplace::substitute_all() {
    if (!MayRun()) return;
    core::VideoList& list = session_.Videos;
    if (list.RowCount() == 0 || what_.empty()) {
        FocusWhat();
        return;
    }
    if (what_ == with_) return;
    WriteUndo();
    AddToHistories();
    // The changed records are made beside the window's thread, which then puts them in place.
    const ReplaceEverywhere replace{TextMatcher(what_, match_case_, column_value_),
                                    TextMatcher(what_, match_case_, false), with_, column_value_,
                                    ColumnsInside(list, inside_)};
    std::vector<ChangedRow> changes;
    platform::RunReadingWork(
        session_.reading_work, session_.ProgressDisplay(), [&](platform::Progress& progress) {
            changes = replace.ChangedRowsOf(list, progress, "Replacing \"" + what_ + "\"");
        });
    list.DeselectAll();
    for (ChangedRow& changed : changes) {
        list.ReplaceRow(changed.row, std::move(changed.record));
        list.Select(changed.row, true);
    }
    const int updated = list.SelectedCount();
    if (updated > 0) {
        session_.Modified = true;
        session_.NotifyListsChanged();
    }
    position_ = {};
    const std::string count = std::to_string(updated);
    report_ = PlainReport(core::FormatText("%d records updated.", {count}));
    prompts_.Message(
        core::FormatText("Finished replacing \"%s\" with \"%s\".\n\n%d records updated.",
                         {what_, with_, count}),
        "Reeldeck", Buttons::kOk, Icon::kInformation);
    FocusWhat();
}

void TextReplace::undo_last_replace() {
    if (!MayRun()) return;
    if (!RestoreReplaceUndo(session_.Videos, session_.paths.replace_undo, session_.clock,
                            session_.ProgressDisplay())) {
        return;
    }
    // The list now differs from the saved file even when it was saved after the replace.
    session_.Modified = true;
    position_ = {};
    session_.NotifyListsChanged();
}

}  // namespace online
