#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/list_sorting.h"
#include "core/sort_state_file.h"
#include "core/text.h"
#include "core/video_list.h"

// Sorting a list by one column as the program does, beside its baseline: a stable sort of the
// column's cells as strings of their own, compared ignoring case. Both start every iteration from
// a fresh copy of `rows`, taken outside the timing.
namespace bench {

inline void SortListCase(benchmark::State& state, const core::VideoList& rows,
                         const char* column_name) {
    const int column = rows.ColumnIndexOf(column_name);
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<core::VideoList>(rows);
        core::SortState sort;
        state.ResumeTiming();
        app::SortVideos(*list, sort, column, 1);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}

inline void SortCellsBaselineCase(benchmark::State& state, const core::VideoList& rows,
                                  const char* column_name) {
    const int column = rows.ColumnIndexOf(column_name);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> cells;
        cells.reserve(static_cast<std::size_t>(rows.RowCount()));
        for (int row = 0; row < rows.RowCount(); ++row) cells.emplace_back(rows.Cell(row, column));
        state.ResumeTiming();
        std::stable_sort(cells.begin(), cells.end(),
                         [](const std::string& a, const std::string& b) {
                             return core::CompareNoCase(a, b) < 0;
                         });
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells = {};
        state.ResumeTiming();
    }
}

}  // namespace bench
