#pragma once

#include <string_view>

#include "core/sort_state_file.h"
#include "core/video_list.h"
#include "platform/progress.h"
#include "platform/reading_work.h"

namespace app {

// How the cells of the sorted column order: years, month/day/year dates and hh:mm:ss durations
// by their value, texts of digits by their leading number, anything else as text ignoring case.
//
// Comparing two cells at a time would contradict itself across a column that mixes kinds of text
// (9 < 10 as numbers, "10" < "5a" < "9" as texts), and would let one odd cell make every date
// compare by its month. The sort therefore orders by a key per cell:
//   ascending:  empty cells, dates (by date), durations (by duration), then every other cell in
//               text order, with numbers (by their leading number, a year being one) placed where
//               a digit sorts: before the texts that begin with a digit.
//   descending: exactly the reverse: the other cells first, then durations and dates (latest
//               first), empty cells last.
// Equal cells keep their order in both directions (the sort is stable).
// A large list shows "Sorting by <column>" progress in `progress`.
void SortRows(core::VideoList& list, int list_index, bool ascending,
              platform::Progress* progress = nullptr);

// Sorts by a column, renumbers "#" and records the state. A column that is not in the table
// leaves the rows as they are. The same rows stay selected. With a `runner`, the new order is
// found through it (beside the window's thread) and the rows are moved here.
void SortVideos(core::VideoList& list, core::SortState& state, int list_index, int direction,
                platform::Progress* progress = nullptr, platform::ReadingWork* runner = nullptr);

// Sets every row's "#" cell to its position + 1.
void RenumberRows(core::VideoList& list);

}  // namespace app
