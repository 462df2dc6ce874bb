#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// The summary that benchmark programs print after the runs: each case's time beside its
// baseline's, the ratio and the target.
namespace bench {

// Shows the runs as usual and keeps each case's time: the median of the repetitions, or the
// single run's time.
class CollectingReporter final : public benchmark::ConsoleReporter {
  public:
    CollectingReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    std::optional<double> SecondsOf(const std::string& name) const;
    // The processor time of the same run: on a machine others share, it shows what waiting for
    // the processor hid, though not what waiting for the disk costs.
    std::optional<double> CpuSecondsOf(const std::string& name) const;

  private:
    std::map<std::string, double> times_;
    std::map<std::string, double> cpu_times_;
};

std::string Grouped(std::int64_t value);    // 100000 -> "100,000"
std::string Megabytes(std::int64_t bytes);  // "64.9 MB"
std::string Milliseconds(double seconds);   // "12.34 ms"

// One line of the table: measure, records, ours, baseline, ratio, target (written to std::cout,
// where the benchmark library writes too, to keep the order).
void PrintSummaryLine(const std::string& measure, const std::string& records,
                      const std::string& ours, const std::string& baseline,
                      const std::string& ratio, const std::string& target);

// The row of one case against its baseline; the verdict "met" or "MISSED" when a target applies.
// Returns false when the target was missed.
bool PrintComparison(const CollectingReporter& reporter, const std::string& measure, int records,
                     const std::string& ours_case, const std::string& baseline_case,
                     std::optional<double> target);

// Takes the program's own "--smoke" option out of the command line (a short run of the smallest
// cases) and hands the rest to the benchmark library. Returns whether it was a smoke run, or
// nothing when an argument was not understood (the program then ends with status 2). With
// `records`, "--records N" (N > 0) is understood too and sets it.
std::optional<bool> InitializeBenchmarks(int argc, char** argv, int* records = nullptr);

}  // namespace bench
