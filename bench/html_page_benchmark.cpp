// Generating the My Videos page of a large list, beside writing the same bytes in one write,
// and the memory generation takes above the loaded list.
//
//   reeldeck-bench-html [--smoke] [benchmark options]
//
// --smoke runs only a 1,000-record list, briefly, to check that the benchmark still works.

#include <benchmark/benchmark.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/baselines.h"
#include "bench/bench_database.h"
#include "bench/peak_memory.h"
#include "bench/summary_table.h"
#include "core/header_file.h"
#include "core/paths.h"
#include "filmdata/film_list.h"
#include "html/page_generation.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

constexpr int kTargetRecords = 100000;
constexpr double kGenerateTarget = 1.5;
constexpr std::int64_t kMemoryTarget = 2 * 1024 * 1024;

class NoShell final : public platform::Shell {
  public:
    void Open(const std::string&) override {}
};

struct BenchPage {
    core::VideoList videos;
    html::PageRequest request;
    html::PageAddresses addresses;
    std::string baseline_path;
};

int Generate(const BenchPage& page) {
    platform::NoProgress progress;
    NoShell shell;
    html::GenerationServices services{progress, true, shell, page.addresses};
    return html::GenerateMyVideosPage(page.request, page.videos, services, false);
}

void GenerateCase(benchmark::State& state, const BenchPage* page) {
    for (auto _ : state) {
        if (Generate(*page) != 1) state.SkipWithError("the page could not be written");
    }
}

void WriteBaselineCase(benchmark::State& state, const BenchPage* page) {
    const bench::FileBytes bytes = bench::ReadWholeFile(page->request.folder + "/myvideos.html");
    for (auto _ : state) {
        if (!bench::WriteSyncRename(bytes.View(), page->baseline_path)) {
            state.SkipWithError("the copy could not be written");
        }
    }
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
    BenchPage page;
    if (core::FileResult r = core::ReadHeader(page.videos, REELDECK_DEFAULT_HEADER); !r) {
        std::cerr << "cannot read the header: " << r.Describe() << '\n';
        return 1;
    }
    bench::AddBenchRecords(films, records, 1, page.videos);
    page.request.folder = folder.path();
    page.request.settings.title = "My Videos";
    page.addresses = html::PageAddresses::FromService(
        {"http://127.0.0.1:8630/", "", "https://reeldeck.org/", "reeldeck.org"});
    page.baseline_path = folder / "baseline.html";

    // Memory first, in a child, while this process has run nothing else; the page it writes is
    // the baseline's bytes.
    const std::optional<bench::MemoryGrowth> memory =
        bench::MeasureInChild([&] { return Generate(page) == 1; });
    if (Generate(page) != 1) {
        std::cerr << "cannot write the page\n";
        return 1;
    }
    const std::int64_t page_bytes = core::FileSize(folder / "myvideos.html");

    const int repetitions = smoke ? 1 : 5;
    const auto add = [&](const std::string& name,
                         void (*run)(benchmark::State&, const BenchPage*)) {
        benchmark::RegisterBenchmark(name.c_str(), run, &page)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    };
    const std::string suffix = "/" + std::to_string(records);
    add("GenerateMyVideos" + suffix, GenerateCase);
    add("WriteBaseline" + suffix, WriteBaselineCase);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const bool at_target = records == kTargetRecords;
    std::cout << "\nSummary (real time per run"
              << (repetitions > 1 ? ", median of " + std::to_string(repetitions) + " repetitions"
                                  : std::string())
              << "; targets apply at " << bench::Grouped(kTargetRecords) << " records, "
              << bench::Megabytes(page_bytes) << " page)\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    bool met =
        bench::PrintComparison(reporter, "Generate My Videos page", records,
                               "GenerateMyVideos" + suffix, "WriteBaseline" + suffix,
                               at_target ? std::optional<double>(kGenerateTarget) : std::nullopt);
    std::string memory_verdict;
    if (at_target && memory) {
        const bool memory_met = memory->Growth() <= kMemoryTarget;
        memory_verdict = memory_met ? "<= 2.0 MB  met" : "<= 2.0 MB  MISSED";
        met &= memory_met;
    }
    bench::PrintSummaryLine("Peak memory", bench::Grouped(records),
                            memory ? bench::Megabytes(memory->Growth()) : "-",
                            bench::Megabytes(page_bytes) + " (page)", "-", memory_verdict);
    std::cout
        << "Write baseline: write the page's bytes to a new file in one write, fsync, rename.\n"
           "Peak memory: resident memory gained by generating the page over the loaded list\n"
           "  (a forked child).\n";
    std::cout << (met ? "All targets met.\n" : "Some targets were MISSED.\n");
    return memory ? 0 : 1;
}
