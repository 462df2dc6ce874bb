#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/progress.h"
#include "views/value_tally.h"

// The value tables of the Database Properties window: each distinct value of a field with the
// number of records that have it.
namespace views {

struct ValueRow {
    std::string value;
    std::string count;    // "%d"
    std::string percent;  // "%.2f" of count ÷ My Videos rows × 100
    bool operator==(const ValueRow&) const = default;
};

struct ValueTable {
    std::string field;  // the column heading the values come from ("Category")
    std::vector<ValueRow> rows;

    // "%s - %d" of the field and the number of distinct values: "Category - 12".
    std::string Heading() const;
};

// The placeholder row of a table not yet filled: "Loading Category Information...".
std::string LoadingText(std::string_view field);

// The table of a field from its tally, over a list of `all_rows` rows (the percentages' whole).
// Rows are in value order, ignoring case. Reports "Compiling <field> Information..." while the
// values are put in order and "Loading <field> Information..." per value. Nothing when `stop`
// was requested on the way.
std::optional<ValueTable> BuildValueTable(std::string_view field, ValueTally tally, int all_rows,
                                          std::stop_token stop, platform::Progress& progress);

// The order of a table by one of its columns (0 value, 1 count, 2 percent), as a click on the
// heading sorts it: empty cells first; then cells without letters that start with a number,
// by that number; then the others as text ignoring case. Equal cells keep their order.
// Returns where each row came from: the old index of each new position.
int CompareValueCells(std::string_view a, std::string_view b);
std::vector<std::size_t> SortValueRows(std::vector<ValueRow>& rows, int column, bool ascending);

}  // namespace views
