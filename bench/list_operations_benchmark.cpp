// Sorting, searching and replacing in a large My Videos list, each beside a plain baseline
// measured in the same run on the same data.
//
//   reeldeck-bench-lists [--smoke] [benchmark options]
//
// --smoke runs only a 1,000-record list, briefly, to check that the benchmark still works.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/list_sorting.h"
#include "app/session.h"
#include "bench/baselines.h"
#include "bench/bench_database.h"
#include "bench/silent_prompts.h"
#include "bench/sort_cases.h"
#include "bench/summary_table.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/database_files.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "core/text.h"
#include "filmdata/film_list.h"
#include "online/search_panes.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "temp_folder.h"

namespace {

constexpr int kTargetRecords = 100000;
constexpr double kSortTarget = 1.5;
constexpr double kFindTarget = 3.0;
constexpr double kReplaceTarget = 5.0;

const char* const kSortColumns[] = {"Title", "Year", "Date Added", "Duration"};
// A name in about one cast in ten, a title a few records have, and a text no record has.
const char* const kFindTexts[] = {"tanaka", "casablanca", "zqxjv"};
struct Replacement {
    const char* what;
    const char* with;
};
const Replacement kReplacements[] = {{"Tanaka", "Tanaka-Quinn"}, {"Casablanca", "Casa Blanca"}};

// A loaded database and a session over a copy of it, with the program folder in a temporary
// folder (the replace writes its undo copy there).
struct BenchList {
    explicit BenchList(const std::string& folder)
        : paths(config::ProgramPaths::ForFolder(folder)), session(paths, settings, recent, clock) {}

    int records = 0;
    core::VideoList loaded;
    bench::FileBytes main_file;
    config::ProgramPaths paths;
    config::ProgramConfig settings;
    config::RecentDatabases recent;
    core::SystemClock clock;
    app::Session session;
    online::SearchPanes panes{settings};
    bench::SilentPrompts prompts;
};

void SortCase(benchmark::State& state, BenchList* data, const char* column_name) {
    bench::SortListCase(state, data->loaded, column_name);
}

void SortBaselineCase(benchmark::State& state, BenchList* data, const char* column_name) {
    bench::SortCellsBaselineCase(state, data->loaded, column_name);
}

void FindAllCase(benchmark::State& state, BenchList* data, const char* text) {
    data->session.Videos = data->loaded;
    online::TextSearch search(data->session, data->panes);
    search.SetFindText(text);
    for (auto _ : state) {
        search.find_all();
        benchmark::DoNotOptimize(search.Results().data());
    }
    state.counters["found"] = static_cast<double>(data->session.Videos.SelectedCount());
}

// Occurrences of the text in the bytes, comparing byte by byte with ASCII letters folded.
std::int64_t CountNoCase(std::string_view bytes, std::string_view text) {
    const std::string folded = core::ToLowerAscii(std::string(text));
    std::int64_t count = 0;
    for (std::size_t i = 0; i + folded.size() <= bytes.size(); ++i) {
        std::size_t j = 0;
        while (j < folded.size() && core::FoldAscii(bytes[i + j]) == folded[j]) ++j;
        if (j == folded.size()) ++count;
    }
    return count;
}

void ScanBaselineCase(benchmark::State& state, BenchList* data, const char* text) {
    std::int64_t count = 0;
    for (auto _ : state) {
        count = CountNoCase(data->main_file.View(), text);
        benchmark::DoNotOptimize(count);
    }
    state.counters["found"] = static_cast<double>(count);
}

void SubstituteAllCase(benchmark::State& state, BenchList* data, const Replacement* replacement) {
    online::TextReplace replace(data->session, data->panes, data->prompts);
    replace.SetWhat(replacement->what);
    replace.SetWith(replacement->with);
    for (auto _ : state) {
        state.PauseTiming();
        data->session.Videos = data->loaded;
        state.ResumeTiming();
        replace.substitute_all();
    }
    state.counters["updated"] = static_cast<double>(data->session.Videos.SelectedCount());
}

std::string Name(const std::string& what, const std::string& detail, int records) {
    return what + "/" + detail + "/" + std::to_string(records);
}

bool Load(BenchList& data, const std::string& main_path) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    platform::NoProgress quiet;
    if (!core::ReadHeader(data.loaded, names.header)) return false;
    if (core::ReadRecords(data.loaded, names.main, data.clock, {}, quiet).value != data.records) {
        return false;
    }
    data.main_file = bench::ReadWholeFile(names.main);
    data.session.Videos = data.loaded;
    return data.main_file.size > 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;

    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;
    const int records = smoke ? 1000 : kTargetRecords;
    TempFolder folder;
    const std::string main_path = folder / "list.rdk";
    if (core::FileResult r =
            bench::WriteBenchDatabase(films, REELDECK_DEFAULT_HEADER, records, main_path);
        !r) {
        std::cerr << "cannot make the database: " << r.Describe() << '\n';
        return 1;
    }
    BenchList data(folder / "program");
    data.records = records;
    if (!Load(data, main_path)) {
        std::cerr << "cannot load the database\n";
        return 1;
    }

    const int repetitions = smoke ? 1 : 5;
    const auto add = [&](const std::string& name, auto run, auto argument) {
        benchmark::RegisterBenchmark(name.c_str(), run, &data, argument)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    };
    for (const char* column : kSortColumns) {
        add(Name("Sort", column, records), SortCase, column);
        add(Name("SortBaseline", column, records), SortBaselineCase, column);
    }
    for (const char* text : kFindTexts) {
        add(Name("FindAll", text, records), FindAllCase, text);
        add(Name("ScanBaseline", text, records), ScanBaselineCase, text);
    }
    for (const Replacement& replacement : kReplacements) {
        add(Name("SubstituteAll", replacement.what, records), SubstituteAllCase, &replacement);
        add(Name("ScanBaseline", replacement.what, records), ScanBaselineCase, replacement.what);
    }
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto target = [&](double value) {
        return records == kTargetRecords ? std::optional<double>(value) : std::nullopt;
    };
    std::cout << "\nSummary (real time per run"
              << (repetitions > 1 ? ", median of " + std::to_string(repetitions) + " repetitions"
                                  : std::string())
              << "; targets apply at " << bench::Grouped(kTargetRecords) << " records, "
              << bench::Megabytes(static_cast<std::int64_t>(data.main_file.size))
              << " main file)\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    bool met = true;
    for (const char* column : kSortColumns) {
        met &= bench::PrintComparison(reporter, std::string("Sort by ") + column, records,
                                      Name("Sort", column, records),
                                      Name("SortBaseline", column, records), target(kSortTarget));
    }
    for (const char* text : kFindTexts) {
        met &= bench::PrintComparison(reporter, std::string("find_all \"") + text + "\"", records,
                                      Name("FindAll", text, records),
                                      Name("ScanBaseline", text, records), target(kFindTarget));
    }
    for (const Replacement& replacement : kReplacements) {
        met &= bench::PrintComparison(
            reporter, std::string("substitute_all \"") + replacement.what + "\"", records,
            Name("SubstituteAll", replacement.what, records),
            Name("ScanBaseline", replacement.what, records), target(kReplaceTarget));
    }
    std::cout << "Sort baseline: std::stable_sort of the column's cells as std::strings, compared\n"
                 "  ignoring ASCII case. Ours: SortVideos on the list (keys, reorder, renumber).\n"
                 "Scan baseline: count the text's occurrences in the main file's bytes, byte by\n"
                 "  byte, ASCII letters folded. find_all: every searchable column of every record\n"
                 "  (All Columns), selecting the records and listing their titles.\n"
                 "  substitute_all: the same columns, replacing, with the undo copy written.\n";
    std::cout << (met ? "All targets met.\n" : "Some targets were MISSED.\n");
    return 0;
}
