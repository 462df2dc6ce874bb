#include "app/marking.h"

#include <string>
#include <vector>

#include "core/text.h"

namespace app {
namespace {

// The rows an operation acts on, or none when it may not act.
std::vector<int> SelectedRowsToChange(const Session& session) {
    if (session.ReadOnly()) return {};
    return session.Videos.SelectedRows();
}

std::vector<int> AllRowsToChange(const Session& session) {
    if (session.ReadOnly()) return {};
    std::vector<int> rows(static_cast<std::size_t>(session.Videos.RowCount()));
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
    return rows;
}

void SetCells(Session& session, const std::vector<int>& rows, std::string_view column,
              std::string_view text) {
    const int index = session.Videos.ColumnIndexOf(column);
    if (rows.empty() || index < 0) return;
    for (int row : rows) session.Videos.SetCell(row, index, text);
    session.Modified = true;
    session.NotifyListsChanged();
}

void SetFlags(Session& session, const std::vector<int>& rows, std::string_view value) {
    if (rows.empty()) return;
    for (int row : rows) session.Videos.SetFlagMark(row, !value.empty());
    SetCells(session, rows, core::column_name::kFlagValue, value);
}

std::string TwoDigits(std::string_view text) {
    std::string digits(text);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return digits;
}

}  // namespace

void FlagSelected(Session& session, std::string_view value) {
    const std::string flag = core::RemoveLineBreaks(std::string(value));
    if (flag.empty()) return;
    SetFlags(session, SelectedRowsToChange(session), flag);
}

void UnflagSelected(Session& session) {
    SetFlags(session, SelectedRowsToChange(session), "");
}

void UnflagAll(Session& session) {
    SetFlags(session, AllRowsToChange(session), "");
}

void MarkViewedToday(Session& session) {
    SetCells(session, SelectedRowsToChange(session), core::column_name::kLastViewed,
             core::TodayDate(session.clock));
}

void MarkNotViewed(Session& session) {
    SetCells(session, SelectedRowsToChange(session), core::column_name::kLastViewed, "");
}

std::string ViewedDateText(std::string_view month, std::string_view day, std::string_view year) {
    return TwoDigits(month) + "/" + TwoDigits(day) + "/" + std::string(year);
}

void MarkViewedOn(Session& session, std::string_view month, std::string_view day,
                  std::string_view year) {
    SetCells(session, SelectedRowsToChange(session), core::column_name::kLastViewed,
             core::RemoveLineBreaks(ViewedDateText(month, day, year)));
}

void SetFieldOfSelected(Session& session, std::string_view column_name, std::string_view value) {
    SetCells(session, SelectedRowsToChange(session), column_name,
             core::RemoveLineBreaks(std::string(value)));
}

}  // namespace app
