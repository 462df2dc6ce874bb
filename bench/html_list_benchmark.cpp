// Reading a large My Videos page back into a list, beside reading the same file and splitting
// it into lines, measured in the same run.
//
//   reeldeck-bench-html-list [--smoke] [benchmark options]
//
// --smoke runs only the 1,000-record case, briefly, to check that the benchmark still works.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/baselines.h"
#include "bench/bench_database.h"
#include "bench/summary_table.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/paths.h"
#include "html/html_list_reader.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

constexpr int kTargetRecords = 100000;
constexpr double kReadTarget = 3.0;

struct BenchPage {
    int records = 0;
    std::string path;
};

// Writes `videos` as the page generator lays out a My Videos page: the list marker, the header
// row between its markers, then one marked row per record with one cell per line. Title and
// Category cells are links; the head and footer are left out, as the reader skips them anyway.
bool WritePage(const core::VideoList& videos, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string search = "http://vdb.example/rd/1.0/action/list.pl?";
    std::vector<int> shown;
    for (const core::VideoColumn& column : videos.Columns()) {
        if (column.HtmlShown && column.Name != "#" && column.Name != "Key") {
            shown.push_back(column.ListIndex);
        }
    }
    out << "<!-- RDMVL -->\n<html>\n\n<head>\n\n<title>Reeldeck - Films</title>\n</head>\n"
        << "<table border=\"0\" cellpadding=\"0\" cellspacing=\"6\" width=\"100%\">\n"
        << "<tr>\n<!-- RDLH -->\n<td><span class=\"text-heading\">#</span></td>\n";
    for (int index : shown) {
        out << "<td valign=\"bottom\" nowrap><span class=\"text-heading\">"
            << videos.Column(index).Name << "</span></td>\n";
    }
    out << "<!-- /RDLH -->\n</tr>\n";
    for (int row = 0; row < videos.RowCount(); ++row) {
        out << "<tr>\n<!-- RDLR -->\n<td valign=\"top\"><span class=\"text-text\">" << row + 1
            << ".</span></td>\n";
        for (int index : shown) {
            const std::string_view name = videos.Column(index).Name;
            const std::string_view cell = videos.Cell(row, index);
            if (name == "Title") {
                out << "<td valign=\"top\"><a href=\"" << search << "t=" << cell
                    << "\" class=\"text-link\" title=\"Click for more information about " << cell
                    << "\">" << cell << "</a></td>\n";
            } else if (name == "Category") {
                out << "<td valign=\"top\"><a href=\"" << search << "c=" << cell
                    << "\" class=\"text-link\" title=\"Click for more " << cell << " videos\">"
                    << cell << "</a></td>\n";
            } else {
                out << "<td valign=\"top\"><span class=\"text-text\">" << cell << "</span></td>\n";
            }
        }
        out << "<!-- /RDLR -->\n</tr>\n";
    }
    out << "</table>\n\n</body>\n\n</html>";
    return static_cast<bool>(out.flush());
}

void ReadPageCase(benchmark::State& state, const BenchPage* page) {
    const core::SystemClock clock;
    platform::NoProgress quiet;
    for (auto _ : state) {
        core::VideoList videos;
        html::HtmlListRead read;
        const core::FileResult result =
            html::ReadHtmlListFile(page->path, videos, clock, quiet, read);
        if (result.value != page->records) state.SkipWithError("the page did not read back");
    }
}

void SplitLinesCase(benchmark::State& state, const BenchPage* page) {
    for (auto _ : state) {
        bench::FileBytes bytes = bench::ReadWholeFile(page->path);
        std::string_view rest = bytes.View();
        std::size_t lines = 0;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            benchmark::DoNotOptimize(line);
            ++lines;
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        }
        benchmark::DoNotOptimize(lines);
    }
}

std::string CaseName(const char* what, int records) {
    return std::string(what) + "/" + std::to_string(records);
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;
    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;

    TempFolder folder;
    std::vector<BenchPage> pages;
    for (int records : smoke ? std::vector<int>{1000} : std::vector<int>{1000, kTargetRecords}) {
        core::VideoList videos;
        if (!core::ReadHeader(videos, REELDECK_DEFAULT_HEADER)) {
            std::cerr << "cannot read the default header\n";
            return 1;
        }
        bench::AddBenchRecords(films, records, 1, videos);
        BenchPage page{records, folder / ("myvideos-" + std::to_string(records) + ".html")};
        if (!WritePage(videos, page.path)) {
            std::cerr << "cannot write " << page.path << '\n';
            return 1;
        }
        pages.push_back(page);
    }

    const int repetitions = smoke ? 1 : 5;
    for (const BenchPage& page : pages) {
        using Case = void (*)(benchmark::State&, const BenchPage*);
        for (auto [name, run] : {std::pair<const char*, Case>{"ReadHtmlList", ReadPageCase},
                                 std::pair<const char*, Case>{"SplitLines", SplitLinesCase}}) {
            benchmark::RegisterBenchmark(CaseName(name, page.records).c_str(), run, &page)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Repetitions(repetitions)
                ->DisplayAggregatesOnly(repetitions > 1);
        }
    }
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nSummary (real time per run; the target applies at "
              << bench::Grouped(kTargetRecords) << " records)\n";
    bench::PrintSummaryLine("Measure", "Records", "Ours", "Baseline", "Ratio", "Target");
    for (const BenchPage& page : pages) {
        bench::PrintComparison(
            reporter, "Read page", page.records, CaseName("ReadHtmlList", page.records),
            CaseName("SplitLines", page.records),
            page.records == kTargetRecords ? std::optional(kReadTarget) : std::nullopt);
    }
    std::cout << "Baseline: read the page into a new buffer and split it into lines.\n";
    return 0;
}
