#pragma once

#include <string_view>

#include "app/session.h"

// Marking rows of My Videos: flags, the viewed date and the value of a field. Each operation on
// the selected rows does nothing without a selection, each one on all rows nothing on an empty
// list, and none does anything for a read-only user. A change sets Modified.
namespace app {

// Flags the selected rows with `value` (a row already flagged takes the new value).
void FlagSelected(Session& session, std::string_view value);
void UnflagSelected(Session& session);
void UnflagAll(Session& session);

// Last Viewed of the selected rows becomes today, or empty.
void MarkViewedToday(Session& session);
void MarkNotViewed(Session& session);
// Last Viewed of the selected rows becomes "month/day/year" as typed, a one-digit month or day
// with a leading 0 (2, 5, 2003 gives 02/05/2003). The date is not checked further.
void MarkViewedOn(Session& session, std::string_view month, std::string_view day,
                  std::string_view year);
// "mm/dd/yyyy" of the three texts, as MarkViewedOn stores it.
std::string ViewedDateText(std::string_view month, std::string_view day, std::string_view year);

// Sets a field (found by column name) of the selected rows to `value`.
void SetFieldOfSelected(Session& session, std::string_view column_name, std::string_view value);

}  // namespace app
