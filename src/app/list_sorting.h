#pragma once

#include <string_view>

#include "core/sort_state_file.h"
#include "core/video_list.h"

namespace app {

// How two cells of the sorted column compare: years, month/day/year dates and hh:mm:ss
// durations by their value, texts of digits by their leading number, anything else as text
// ignoring case. Empty cells come first when ascending and last when descending.
//
// The rules are meant for two cells at a time, and across a column that mixes kinds of text
// they could contradict each other (9 < 10 as numbers, "10" < "5a" < "9" as texts). The sort
// therefore orders by a key per cell that follows the rules wherever a column is consistent:
// the column's numeric cells all compare by date when they are all dates, by duration when
// they are all durations, and otherwise by their leading number; they sit among the texts where
// a digit sorts, before texts that begin with a digit.
//
// Equal cells keep their order (the sort is stable).
void SortRows(core::VideoList& list, int list_index, bool ascending);

// Sorts by a column, renumbers "#" and records the state. A column that is not in the table
// leaves the rows as they are. The same rows stay selected.
void SortVideos(core::VideoList& list, core::SortState& state, int list_index, int direction);

// Sets every row's "#" cell to its position + 1.
void RenumberRows(core::VideoList& list);

}  // namespace app
