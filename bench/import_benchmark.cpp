// Importing a large database and a large CSV file into an open database, beside reading the
// same database with ReadRecords; taking the undo copy of a large image folder (a manifest of its
// image files: the files themselves are kept only when something later changes them), beside
// listing that folder. All measured in the same run.
//
//   reeldeck-bench-imports [--smoke] [--image-files N] [benchmark options]
//
// --smoke runs only small cases, briefly, to check that the benchmark still works.
// --image-files sets the size of the image folder (20,000 files unless given: creating 100,000
// files takes minutes on a loaded disk).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/session.h"
#include "bench/bench_database.h"
#include "bench/summary_table.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "imports/csv_file.h"
#include "imports/import_undo.h"
#include "imports/importer.h"
#include "imports/pairing.h"
#include "imports/source_files.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTargetRecords = 100000;
constexpr double kImportTarget = 2.0;
constexpr double kCsvTarget = 3.0;
constexpr double kUndoTarget = 2.0;

struct Sources {
    int records = 0;
    std::string main;  // a database of `records` records
    std::string csv;   // the same records as CSV (all columns)
};

// An open, empty database with the shipped columns, as the import finds it.
struct TargetDatabase {
    explicit TargetDatabase(const std::string& folder)
        : paths(config::ProgramPaths::ForFolder(folder + "/program")),
          session(paths, config, recent, clock) {
        core::ReadHeader(session.Videos, REELDECK_DEFAULT_HEADER);
        session.CurrentDatabasePath = folder + "/target.rdk";
        session.ImageFolder = folder + "/target";
        fs::create_directories(session.ImageFolder);
        session.AccessLevel = app::kFullAccess;
    }
    config::ProgramPaths paths;
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::SystemClock clock;
    app::Session session;
};

std::vector<imports::Pair> DefaultPairs(const core::VideoList& target,
                                        const std::vector<imports::SourceField>& fields) {
    imports::PairingModel pairing;
    pairing.Rebuild(target, fields);
    return pairing.Pairs();
}

void ImportDatabaseCase(benchmark::State& state, const Sources* sources) {
    TempFolder folder;
    TargetDatabase target(folder.path());
    const imports::ImportRequest request{
        imports::SourceKind::kReeldeck,
        sources->main,
        nullptr,
        DefaultPairs(target.session.Videos, imports::ReadDatabaseSource(sources->main).fields),
        {}};
    platform::NoProgress quiet;
    for (auto _ : state) {
        state.PauseTiming();
        target.session.Videos.DeleteAllRows();
        state.ResumeTiming();
        const imports::ImportResult result = imports::RunImport(target.session, request, quiet);
        if (result.imported != sources->records) state.SkipWithError(result.message.c_str());
    }
}

void ImportCsvCase(benchmark::State& state, const Sources* sources) {
    TempFolder folder;
    TargetDatabase target(folder.path());
    platform::NoProgress quiet;
    // The window reads the file's columns when the file is chosen, before "Import"; so does
    // the .rdk case with its header.
    imports::SourceSummary summary;
    if (!imports::ReadCsvSource(sources->csv, &summary)) state.SkipWithError("unreadable");
    const imports::ImportRequest request{imports::SourceKind::kCsv,
                                         sources->csv,
                                         nullptr,
                                         DefaultPairs(target.session.Videos, summary.fields),
                                         {}};
    for (auto _ : state) {
        state.PauseTiming();
        target.session.Videos.DeleteAllRows();
        state.ResumeTiming();
        const imports::ImportResult result = imports::RunImport(target.session, request, quiet);
        if (result.imported != sources->records) state.SkipWithError(result.message.c_str());
    }
}

void ReadRecordsCase(benchmark::State& state, const Sources* sources) {
    core::VideoList columns;
    core::ReadHeader(columns, REELDECK_DEFAULT_HEADER);
    const core::SystemClock clock;
    platform::NoProgress quiet;
    for (auto _ : state) {
        core::VideoList list = columns;
        if (core::ReadRecords(list, sources->main, clock, {}, quiet).value != sources->records)
            state.SkipWithError("the records did not read back");
    }
}

// The image folder of an open database, and the undo copy taken of it.
struct ImageFolderCase {
    int files = 0;
    TempFolder* folder = nullptr;
};

void TakeUndoCopyCase(benchmark::State& state, const ImageFolderCase* images) {
    TargetDatabase target(images->folder->path());
    platform::NoProgress quiet;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code error;
        fs::remove_all(target.paths.import_undo_images, error);  // the last round's copy
        state.ResumeTiming();
        if (!imports::TakeMyVideosUndo(target.session, quiet)) state.SkipWithError("no copy");
    }
    // The copy lists every file of the folder, one line each after the folder's own line.
    std::ifstream manifest(target.paths.import_undo_images + "/manifest.txt");
    const auto lines = std::count(std::istreambuf_iterator<char>(manifest),
                                  std::istreambuf_iterator<char>(), '\n');
    if (lines != images->files + 1) state.SkipWithError("the copy is incomplete");
}

void ListFolderCase(benchmark::State& state, const ImageFolderCase* images) {
    const std::string folder = images->folder->path() + "/target";
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        if (static_cast<int>(names.size()) != images->files) state.SkipWithError("short listing");
    }
}

std::string CaseName(const char* what, int count) {
    return std::string(what) + "/" + std::to_string(count);
}

}  // namespace

int main(int argc, char** argv) {
    int image_files = 20000;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--image-files") == 0 && i + 1 < argc) {
            image_files = std::atoi(argv[++i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int rest_count = static_cast<int>(rest.size());
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(rest_count, rest.data());
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;
    if (smoke) image_files = 500;
    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;

    TempFolder folder;
    std::vector<Sources> sources;
    for (int records : smoke ? std::vector<int>{1000} : std::vector<int>{10000, kTargetRecords}) {
        Sources made{records, folder / ("source-" + std::to_string(records) + ".rdk"),
                     folder / ("source-" + std::to_string(records) + ".csv")};
        if (core::FileResult r =
                bench::WriteBenchDatabase(films, REELDECK_DEFAULT_HEADER, records, made.main);
            !r) {
            std::cerr << "cannot make the database: " << r.Describe() << '\n';
            return 1;
        }
        core::VideoList list;
        core::ReadHeader(list, REELDECK_DEFAULT_HEADER);
        platform::NoProgress quiet;
        core::ReadRecords(list, made.main, core::SystemClock(), {}, quiet);
        if (!imports::ExportCsv(list, {false, true}, made.csv)) return 1;
        sources.push_back(made);
    }
    TempFolder image_root;
    fs::create_directories(image_root / "target");
    for (int i = 0; i < image_files; ++i) {
        std::ofstream(image_root / ("target/" + std::to_string(1000000000 + i) + ".jpg"));
    }
    const ImageFolderCase images{image_files, &image_root};

    const int repetitions = smoke ? 1 : 3;
    for (const Sources& each : sources) {
        using Case = void (*)(benchmark::State&, const Sources*);
        for (auto [name, run] : {std::pair<const char*, Case>{"ImportDatabase", ImportDatabaseCase},
                                 std::pair<const char*, Case>{"ImportCsv", ImportCsvCase},
                                 std::pair<const char*, Case>{"ReadRecords", ReadRecordsCase}}) {
            benchmark::RegisterBenchmark(CaseName(name, each.records).c_str(), run, &each)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Repetitions(repetitions)
                ->DisplayAggregatesOnly(repetitions > 1);
        }
    }
    using FolderCase = void (*)(benchmark::State&, const ImageFolderCase*);
    for (auto [name, run] : {std::pair<const char*, FolderCase>{"TakeUndoCopy", TakeUndoCopyCase},
                             std::pair<const char*, FolderCase>{"ListFolder", ListFolderCase}}) {
        benchmark::RegisterBenchmark(CaseName(name, image_files).c_str(), run, &images)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(smoke ? 1 : 3)
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    }
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nSummary (real time per run; the import targets apply at "
              << bench::Grouped(kTargetRecords) << " records)\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    for (const Sources& each : sources) {
        const bool target = each.records == kTargetRecords;
        bench::PrintComparison(reporter, "Import .rdk", each.records,
                               CaseName("ImportDatabase", each.records),
                               CaseName("ReadRecords", each.records),
                               target ? std::optional(kImportTarget) : std::nullopt);
        bench::PrintComparison(reporter, "Import CSV", each.records,
                               CaseName("ImportCsv", each.records),
                               CaseName("ReadRecords", each.records),
                               target ? std::optional(kCsvTarget) : std::nullopt);
    }
    bench::PrintComparison(reporter, "Undo copy", image_files,
                           CaseName("TakeUndoCopy", image_files),
                           CaseName("ListFolder", image_files), std::optional(kUndoTarget));
    std::cout << "Baseline of the imports: ReadRecords of the same database into an empty list.\n"
                 "Baseline of the undo copy: listing the image folder's names ("
              << bench::Grouped(image_files) << " empty .jpg files).\n";
    return 0;
}
