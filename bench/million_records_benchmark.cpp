// A database of a million records opened, saved, sorted, searched and replaced, each beside a
// baseline measured in the same run on the same data, and the memory the open database takes
// beside the size of its main file.
//
//   reeldeck-bench-million [--records N] [--smoke] [benchmark options]
//
// N is 1,000,000 unless given. --smoke runs 1,000 records once, to check that the benchmark still
// works.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/database_commands.h"
#include "app/list_sorting.h"
#include "bench/baselines.h"
#include "bench/bench_database.h"
#include "bench/open_session.h"
#include "bench/peak_memory.h"
#include "bench/sort_cases.h"
#include "bench/summary_table.h"
#include "core/database_files.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/text.h"
#include "online/search_panes.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

constexpr int kDefaultRecords = 1000000;
constexpr double kMemoryTarget = 1.5;

const char* const kSortColumns[] = {"Title", "Year"};
const char* const kFindText = "tanaka";  // a name in about one cast in ten
const char* const kReplaceWhat = "Tanaka";
const char* const kReplaceWith = "Tanaka-Quinn";

// The database, open, with all its records.
bool OpenAll(bench::OpenSession& open, const std::string& database, int records) {
    return open.Open(database) && open.session.Videos.RowCount() == records;
}

struct Fixture {
    int records = 0;
    std::string program_folder;
    std::string database;
    std::string saved;  // where the save cases write
    std::int64_t file_bytes = 0;
    bench::FileBytes main_file;
    std::unique_ptr<bench::OpenSession> open;  // the database, open
    core::VideoList pristine;                  // its rows as read, to undo a replace with
};

// Freed memory handed back to the system, so that the next round faults its pages in afresh
// as a program that just started does.
void ForgetFreedMemory(benchmark::State& state) {
    state.PauseTiming();
    ::malloc_trim(0);
    state.ResumeTiming();
}

void OpenCase(benchmark::State& state, Fixture* fixture) {
    for (auto _ : state) {
        auto open = std::make_unique<bench::OpenSession>(fixture->program_folder);
        if (!OpenAll(*open, fixture->database, fixture->records))
            state.SkipWithError("open failed");
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
        ForgetFreedMemory(state);
    }
}

void ReadBaselineCase(benchmark::State& state, Fixture* fixture) {
    for (auto _ : state) {
        bench::FileBytes bytes = bench::ReadWholeFile(fixture->database);
        benchmark::DoNotOptimize(bench::CountLineFeeds(bytes.View()));
        if (static_cast<std::int64_t>(bytes.size) != fixture->file_bytes)
            state.SkipWithError("short read");
        state.PauseTiming();
        bytes.data.reset();
        state.ResumeTiming();
        ForgetFreedMemory(state);
    }
}

void SaveCase(benchmark::State& state, Fixture* fixture) {
    platform::NoProgress quiet;
    for (auto _ : state) {
        if (!core::WriteRecords(fixture->open->session.Videos, fixture->saved, quiet))
            state.SkipWithError("save failed");
    }
}

void WriteBaselineCase(benchmark::State& state, Fixture* fixture) {
    for (auto _ : state) {
        if (!bench::WriteSyncRename(fixture->main_file.View(), fixture->saved))
            state.SkipWithError("write failed");
    }
}

void SortCase(benchmark::State& state, Fixture* data, const char* column_name) {
    bench::SortListCase(state, data->pristine, column_name);
}

void SortBaselineCase(benchmark::State& state, Fixture* data, const char* column_name) {
    bench::SortCellsBaselineCase(state, data->pristine, column_name);
}

void FindAllCase(benchmark::State& state, Fixture* fixture) {
    app::Session& session = fixture->open->session;
    online::SearchPanes panes(session.config);
    online::TextSearch search(session, panes);
    search.SetFindText(kFindText);
    for (auto _ : state) {
        search.find_all();
        benchmark::DoNotOptimize(search.Results().data());
    }
    state.counters["found"] = static_cast<double>(session.Videos.SelectedCount());
    session.Videos.DeselectAll();
}

void SubstituteAllCase(benchmark::State& state, Fixture* fixture) {
    app::Session& session = fixture->open->session;
    online::SearchPanes panes(session.config);
    online::TextReplace replace(session, panes, fixture->open->prompts);
    replace.SetWhat(kReplaceWhat);
    replace.SetWith(kReplaceWith);
    for (auto _ : state) {
        replace.substitute_all();
        state.PauseTiming();
        state.counters["updated"] = static_cast<double>(session.Videos.SelectedCount());
        session.Videos = fixture->pristine;
        state.ResumeTiming();
    }
}

// Occurrences of the text in the bytes, comparing byte by byte with ASCII letters folded.
void ScanBaselineCase(benchmark::State& state, Fixture* fixture, const char* text) {
    const std::string folded = core::ToLowerAscii(std::string(text));
    const std::string_view bytes = fixture->main_file.View();
    std::int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        for (std::size_t i = 0; i + folded.size() <= bytes.size(); ++i) {
            std::size_t j = 0;
            while (j < folded.size() && core::FoldAscii(bytes[i + j]) == folded[j]) ++j;
            if (j == folded.size()) ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["found"] = static_cast<double>(count);
}

bool MakeFixture(Fixture& fixture, const TempFolder& folder) {
    fixture.program_folder = folder / "program";
    std::filesystem::create_directories(fixture.program_folder + "/cfg");
    std::filesystem::copy_file(REELDECK_DATA_FOLDER "/cfg/mlh.txt",
                               fixture.program_folder + "/cfg/mlh.txt");
    fixture.database = folder / "films.rdk";
    fixture.saved = folder / "saved.rdk";
    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return false;
    if (core::FileResult r = bench::WriteBenchDatabase(films, REELDECK_DATA_FOLDER "/cfg/mlh.txt",
                                                       fixture.records, fixture.database);
        !r) {
        std::cerr << "cannot make the database: " << r.Describe() << '\n';
        return false;
    }
    fixture.file_bytes = core::FileSize(fixture.database);
    return fixture.file_bytes > 0;
}

// The open database and the file's bytes, for the cases that work on them.
bool LoadFixture(Fixture& fixture) {
    fixture.open = std::make_unique<bench::OpenSession>(fixture.program_folder);
    if (!OpenAll(*fixture.open, fixture.database, fixture.records)) return false;
    fixture.pristine = fixture.open->session.Videos;
    fixture.main_file = bench::ReadWholeFile(fixture.database);
    return static_cast<std::int64_t>(fixture.main_file.size) == fixture.file_bytes;
}

}  // namespace

int main(int argc, char** argv) {
    int records = kDefaultRecords;
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv, &records);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;
    if (smoke) records = 1000;

    TempFolder folder;
    Fixture fixture;
    fixture.records = records;
    if (!MakeFixture(fixture, folder)) return 1;

    // Memory first, in a child, while this process holds nothing large.
    const std::optional<bench::MemoryGrowth> memory = bench::MeasureInChild([&] {
        bench::OpenSession open(fixture.program_folder);
        return OpenAll(open, fixture.database, fixture.records);
    });
    if (!LoadFixture(fixture)) {
        std::cerr << "cannot open the database\n";
        return 1;
    }

    const int repetitions = smoke ? 1 : 3;
    const auto add = [&](const std::string& name, auto run, auto... argument) {
        benchmark::RegisterBenchmark(name.c_str(), run, &fixture, argument...)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    };
    add("Open", OpenCase);
    add("ReadBaseline", ReadBaselineCase);
    add("Save", SaveCase);
    add("WriteBaseline", WriteBaselineCase);
    for (const char* column : kSortColumns) {
        add(std::string("Sort/") + column, SortCase, column);
        add(std::string("SortBaseline/") + column, SortBaselineCase, column);
    }
    add("FindAll", FindAllCase);
    add("SubstituteAll", SubstituteAllCase);
    add("ScanBaseline", ScanBaselineCase, kFindText);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nSummary (real time per run"
              << (repetitions > 1 ? ", median of " + std::to_string(repetitions) : std::string())
              << "; main file " << bench::Megabytes(fixture.file_bytes) << ")\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    // Each row twice: real time, then processor time.
    const auto row = [&](const std::string& measure, const std::string& ours,
                         const std::string& baseline) {
        bench::PrintComparison(reporter, measure, records, ours, baseline, std::nullopt);
        const std::optional<double> ours_cpu = reporter.CpuSecondsOf(ours);
        const std::optional<double> base_cpu = reporter.CpuSecondsOf(baseline);
        char ratio[32] = "-";
        if (ours_cpu && base_cpu && *base_cpu > 0)
            std::snprintf(ratio, sizeof ratio, "%.2fx", *ours_cpu / *base_cpu);
        bench::PrintSummaryLine("  processor time", "",
                                ours_cpu ? bench::Milliseconds(*ours_cpu) : "-",
                                base_cpu ? bench::Milliseconds(*base_cpu) : "-", ratio, "");
    };
    row("open (OpenDatabase)", "Open", "ReadBaseline");
    row("save (WriteRecords)", "Save", "WriteBaseline");
    for (const char* column : kSortColumns) {
        row(std::string("sort by ") + column, std::string("Sort/") + column,
            std::string("SortBaseline/") + column);
    }
    row(std::string("find_all \"") + kFindText + "\"", "FindAll", "ScanBaseline");
    row(std::string("substitute_all \"") + kReplaceWhat + "\"", "SubstituteAll", "ScanBaseline");

    bool met = false;
    if (memory) {
        const double ratio =
            static_cast<double>(memory->Growth()) / static_cast<double>(fixture.file_bytes);
        met = ratio <= kMemoryTarget;
        char ratio_text[32];
        std::snprintf(ratio_text, sizeof ratio_text, "%.2fx", ratio);
        char target_text[32];
        std::snprintf(target_text, sizeof target_text, "<= %.1fx  %s", kMemoryTarget,
                      met ? "met" : "MISSED");
        bench::PrintSummaryLine("peak memory of open", bench::Grouped(records),
                                bench::Megabytes(memory->Growth()),
                                bench::Megabytes(fixture.file_bytes), ratio_text, target_text);
    }
    std::cout << "Read baseline: read the main file into a new buffer and count its line feeds.\n"
                 "Write baseline: write the same bytes to a new file in one write, fsync, rename.\n"
                 "Sort baseline: std::stable_sort of the column's cells as std::strings, ignoring\n"
                 "  ASCII case.\n"
                 "Scan baseline: count the text in the main file's bytes, ASCII letters folded.\n"
                 "  find_all and substitute_all: every searchable column of every record; the\n"
                 "  replace also writes its undo copy.\n"
                 "Peak memory: resident memory gained by opening the database (a forked child),\n"
                 "  beside the main file's size.\n";
    return memory ? 0 : 1;
}
