// The Database Properties window's statistics of a large database, beside one pass that reads
// every byte of the nine columns they come from, measured in the same run on the same list.
//
//   reeldeck-bench-stats [--smoke] [benchmark options]
//
// --smoke runs only a 1,000-record list, briefly, to check that the benchmark still works.

#include <benchmark/benchmark.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_database.h"
#include "bench/summary_table.h"
#include "core/database_files.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "filmdata/film_list.h"
#include "platform/progress.h"
#include "temp_folder.h"
#include "views/database_statistics.h"

namespace {

constexpr int kTargetRecords = 100000;
constexpr double kStatisticsTarget = 3.0;

const char* const kColumns[] = {"Category", "Year",   "MPAA",     "Cast",       "Director",
                                "Producer", "Writer", "Duration", "Last Viewed"};

struct BenchStatistics {
    core::VideoList videos;
    core::FixedClock clock{0};
    std::string main_path;
};

void StatisticsCase(benchmark::State& state, const BenchStatistics* data) {
    const views::StatisticsSource source{data->videos, 0, data->main_path,
                                         core::DatabaseNamesOf(data->main_path).base, data->clock};
    for (auto _ : state) {
        views::QuietStatistics quiet;
        const std::optional<views::DatabaseStatistics> result =
            views::ComputeStatistics(source, std::stop_token(), quiet);
        if (!result) state.SkipWithError("the statistics stopped");
        benchmark::DoNotOptimize(result->tables.data());
    }
}

// The least the statistics must do: look at every byte of every cell they read, once.
void ReadCellsBaselineCase(benchmark::State& state, const BenchStatistics* data) {
    std::vector<int> columns;
    for (const char* name : kColumns) columns.push_back(data->videos.ColumnIndexOf(name));
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (int row = 0; row < data->videos.RowCount(); ++row) {
            const core::VideoRecord& record = data->videos.Row(row);
            for (int column : columns) {
                for (char c : record.Cell(column)) sum += static_cast<unsigned char>(c);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The cases' repetitions take turns, so that a change in the machine's load between them
    // does not end up in the ratio.
    std::vector<char*> arguments(argv, argv + argc);
    static std::string interleaved = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaved.data());
    const std::optional<bool> smoke_run =
        bench::InitializeBenchmarks(static_cast<int>(arguments.size()), arguments.data());
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;

    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;
    const int records = smoke ? 1000 : kTargetRecords;
    TempFolder folder;
    BenchStatistics data;
    data.main_path = folder / "list.rdk";
    if (core::FileResult r =
            bench::WriteBenchDatabase(films, REELDECK_DEFAULT_HEADER, records, data.main_path);
        !r) {
        std::cerr << "cannot make the database: " << r.Describe() << '\n';
        return 1;
    }
    platform::NoProgress quiet;
    const core::DatabaseNames names = core::DatabaseNamesOf(data.main_path);
    if (!core::ReadHeader(data.videos, names.header) ||
        core::ReadRecords(data.videos, names.main, data.clock, {}, quiet).value != records) {
        std::cerr << "cannot load the database\n";
        return 1;
    }

    const int repetitions = smoke ? 1 : 9;
    const std::string ours = "Statistics/" + std::to_string(records);
    const std::string baseline = "ReadCellsBaseline/" + std::to_string(records);
    using Case = void (*)(benchmark::State&, const BenchStatistics*);
    const std::pair<std::string, Case> cases[] = {{ours, StatisticsCase},
                                                  {baseline, ReadCellsBaselineCase}};
    for (const auto& [name, run] : cases) {
        benchmark::RegisterBenchmark(name.c_str(), run, &data)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    }
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nSummary (real time per run"
              << (repetitions > 1 ? ", median of " + std::to_string(repetitions) + " repetitions"
                                  : std::string())
              << "; the target applies at " << bench::Grouped(kTargetRecords) << " records)\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    const bool met = bench::PrintComparison(
        reporter, "Database statistics", records, ours, baseline,
        records == kTargetRecords ? std::optional<double>(kStatisticsTarget) : std::nullopt);
    std::cout << "Baseline: one pass over the list that reads every byte of the nine columns the\n"
                 "  statistics use (Category, Year, MPAA, Cast, Director, Producer, Writer,\n"
                 "  Duration, Last Viewed). Ours: every figure and the seven value tables, with\n"
                 "  the database's file sizes and times.\n";
    std::cout << (met ? "All targets met.\n" : "Some targets were MISSED.\n");
    return 0;
}
