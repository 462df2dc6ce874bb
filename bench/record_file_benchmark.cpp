// Reading and writing the main file of large databases, each beside its baseline measured in the
// same run on the same file, and the memory a loaded database takes.
//
//   reeldeck-bench-records [--smoke] [benchmark options]
//
// --smoke runs only the 1,000-record cases, briefly, to check that the benchmark still works.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/baselines.h"
#include "bench/bench_database.h"
#include "bench/peak_memory.h"
#include "bench/summary_table.h"
#include "core/database_files.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "filmdata/film_list.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

struct BenchFile {
    int records = 0;
    core::DatabaseNames names;
    std::string output_path;
    std::int64_t bytes = 0;
};

// Targets at 100,000 records, as ratios to the baselines.
constexpr int kTargetRecords = 100000;
constexpr double kReadTarget = 3.0;
constexpr double kWriteTarget = 2.0;
constexpr double kMemoryTarget = 2.5;

// Page faults of this process so far. A first touch of a page costs about as much as parsing the
// bytes on it, so the loaders report how many they take.
std::int64_t MinorFaults() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void ReportFaults(benchmark::State& state, std::int64_t faults) {
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}

core::VideoList ColumnsOf(const BenchFile& file) {
    core::VideoList list;
    core::ReadHeader(list, file.names.header);
    return list;
}

// Loading a database: from an empty list with its columns to the last row.
void ReadRecordsCase(benchmark::State& state, const BenchFile* file) {
    const core::VideoList columns = ColumnsOf(*file);
    const core::SystemClock clock;
    platform::NoProgress quiet;
    std::int64_t faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<core::VideoList>(columns);
        const std::int64_t faults_before = MinorFaults();
        state.ResumeTiming();
        const core::FileResult read = core::ReadRecords(*list, file->names.main, clock, {}, quiet);
        state.PauseTiming();
        faults += MinorFaults() - faults_before;
        if (read.value != file->records) state.SkipWithError("the records did not read back");
        // A real load starts on memory never touched before; freed memory handed back to the
        // system makes the next round fault its pages in again, as the baseline does.
        list.reset();
        ::malloc_trim(0);
        state.ResumeTiming();
    }
    ReportFaults(state, faults);
}

void ReadBaselineCase(benchmark::State& state, const BenchFile* file) {
    std::int64_t faults = 0;
    for (auto _ : state) {
        const std::int64_t faults_before = MinorFaults();
        bench::FileBytes bytes = bench::ReadWholeFile(file->names.main);
        benchmark::DoNotOptimize(bench::CountLineFeeds(bytes.View()));
        state.PauseTiming();
        faults += MinorFaults() - faults_before;
        if (static_cast<std::int64_t>(bytes.size) != file->bytes) state.SkipWithError("short read");
        // Without this a buffer below the allocator's mapping threshold would reuse pages that are
        // already resident, and the baseline would skip the page faults every load pays.
        bytes.data.reset();
        ::malloc_trim(0);
        state.ResumeTiming();
    }
    ReportFaults(state, faults);
}

void WriteRecordsCase(benchmark::State& state, const BenchFile* file) {
    core::VideoList list = ColumnsOf(*file);
    const core::SystemClock clock;
    platform::NoProgress quiet;
    core::ReadRecords(list, file->names.main, clock, {}, quiet);
    for (auto _ : state) {
        if (!core::WriteRecords(list, file->output_path, quiet)) {
            state.SkipWithError("the records could not be written");
        }
    }
}

void WriteBaselineCase(benchmark::State& state, const BenchFile* file) {
    const bench::FileBytes bytes = bench::ReadWholeFile(file->names.main);
    for (auto _ : state) {
        if (!bench::WriteSyncRename(bytes.View(), file->output_path)) {
            state.SkipWithError("the copy could not be written");
        }
    }
}

std::string CaseName(const char* what, int records) {
    return std::string(what) + "/" + std::to_string(records);
}

// One line of the summary table. The benchmark library writes to std::cout, so the table does
// too, to keep the order.
void PrintLine(const std::string& measure, const std::string& records, const std::string& file,
               const std::string& ours, const std::string& baseline, const std::string& ratio,
               const std::string& target) {
    char line[256];
    std::snprintf(line, sizeof line, "%-13s %9s %10s %12s %12s %8s   %s", measure.c_str(),
                  records.c_str(), file.c_str(), ours.c_str(), baseline.c_str(), ratio.c_str(),
                  target.c_str());
    std::cout << line << '\n';
}

void PrintRow(const std::string& measure, int records, std::int64_t file_bytes,
              const std::string& ours, const std::string& baseline, std::optional<double> ratio,
              std::optional<double> target) {
    char ratio_text[32] = "-";
    if (ratio) std::snprintf(ratio_text, sizeof ratio_text, "%.2fx", *ratio);
    std::string target_text;
    if (target) {
        char text[32];
        std::snprintf(text, sizeof text, "<= %.1fx", *target);
        target_text = text;
        if (ratio) target_text += *ratio <= *target ? "  met" : "  MISSED";
    }
    PrintLine(measure, bench::Grouped(records), bench::Megabytes(file_bytes), ours, baseline,
              ratio_text, target_text);
}

void PrintTimeRows(const bench::CollectingReporter& reporter, const std::vector<BenchFile>& files,
                   const char* ours_name, const char* baseline_name, double target) {
    for (const BenchFile& file : files) {
        const std::optional<double> ours = reporter.SecondsOf(CaseName(ours_name, file.records));
        const std::optional<double> base =
            reporter.SecondsOf(CaseName(baseline_name, file.records));
        std::optional<double> ratio;
        if (ours && base && *base > 0) ratio = *ours / *base;
        PrintRow(ours_name, file.records, file.bytes, ours ? bench::Milliseconds(*ours) : "-",
                 base ? bench::Milliseconds(*base) : "-", ratio,
                 file.records == kTargetRecords ? std::optional<double>(target) : std::nullopt);
    }
}

std::optional<bench::MemoryGrowth> MeasureLoadedMemory(const BenchFile& file) {
    return bench::MeasureInChild([&] {
        core::VideoList list;
        if (!core::ReadHeader(list, file.names.header)) return false;
        platform::NoProgress quiet;
        const core::SystemClock clock;
        return core::ReadRecords(list, file.names.main, clock, {}, quiet).value == file.records;
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;

    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;
    const std::vector<int> sizes =
        smoke ? std::vector<int>{1000} : std::vector<int>{1000, 10000, 100000};

    // The databases are made before anything is measured, in a folder removed at the end.
    TempFolder folder;
    std::vector<BenchFile> files;
    for (int records : sizes) {
        BenchFile file;
        file.records = records;
        file.names =
            core::DatabaseNamesOf(folder / ("records-" + std::to_string(records) + ".rdk"));
        file.output_path = folder / ("written-" + std::to_string(records) + ".rdk");
        if (core::FileResult r =
                bench::WriteBenchDatabase(films, REELDECK_DEFAULT_HEADER, records, file.names.main);
            !r) {
            std::cerr << "cannot make the database: " << r.Describe() << '\n';
            return 1;
        }
        file.bytes = core::FileSize(file.names.main);
        files.push_back(std::move(file));
    }

    // Memory first, in a child, while this process has run nothing else.
    const BenchFile& largest = files.back();
    const std::optional<bench::MemoryGrowth> memory = MeasureLoadedMemory(largest);

    const int repetitions = smoke ? 1 : 5;
    for (const BenchFile& file : files) {
        const auto add = [&](const char* name, void (*run)(benchmark::State&, const BenchFile*)) {
            benchmark::RegisterBenchmark(CaseName(name, file.records).c_str(), run, &file)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Repetitions(repetitions)
                ->DisplayAggregatesOnly(repetitions > 1);
        };
        add("ReadRecords", ReadRecordsCase);
        add("ReadBaseline", ReadBaselineCase);
        add("WriteRecords", WriteRecordsCase);
        add("WriteBaseline", WriteBaselineCase);
    }
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nSummary (real time per run"
              << (repetitions > 1 ? ", median of " + std::to_string(repetitions) + " repetitions"
                                  : std::string())
              << "; targets apply at " << bench::Grouped(kTargetRecords) << " records)\n";
    PrintLine("Measure", "Records", "File", "Ours", "Baseline", "Ratio", "Target");
    PrintTimeRows(reporter, files, "ReadRecords", "ReadBaseline", kReadTarget);
    PrintTimeRows(reporter, files, "WriteRecords", "WriteBaseline", kWriteTarget);
    std::optional<double> memory_ratio;
    if (memory && largest.bytes > 0) {
        memory_ratio = static_cast<double>(memory->Growth()) / static_cast<double>(largest.bytes);
    }
    PrintRow(
        "Peak memory", largest.records, largest.bytes,
        memory ? bench::Megabytes(memory->Growth()) : "-",
        bench::Megabytes(largest.bytes) + " (file)", memory_ratio,
        largest.records == kTargetRecords ? std::optional<double>(kMemoryTarget) : std::nullopt);
    std::cout << "Read baseline: read the file into a new buffer and count its line feeds.\n"
                 "Write baseline: write the same bytes to a new file in one write, fsync, rename.\n"
                 "Peak memory: resident memory gained by loading the database (a forked child).\n";
    return memory ? 0 : 1;
}
