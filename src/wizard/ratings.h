#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/session.h"

// Star ratings sent to the online service, from the wizard's results and from My Videos.
namespace wizard {

// "<title>_IS_<year>_SEP_" for a title with a year; empty for a row that does not qualify (no
// title, no year, or too long for the service's value list).
std::string RatingValues(std::string_view title, std::string_view year);

// "*" to "*****".
std::string StarsText(int stars);

// List > Rank Selected: with exactly one record selected, its "Rank" cell (when the table has
// that column) gets the stars and the database is modified. Returns the value list to send, or
// nothing when no request is to be sent (no single selection, no qualifying title and year,
// `VIDEO_LIST_RANK_ONLINE` off, or a read-only user).
std::optional<std::string> RankSelectedRecord(app::Session& session, int stars);

}  // namespace wizard
