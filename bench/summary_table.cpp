#include "bench/summary_table.h"

#include <cstring>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace bench {

// Colours only on a terminal, so that logs stay plain text.
CollectingReporter::CollectingReporter()
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void CollectingReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) continue;
        if (median || !times_.count(run.run_name.function_name)) {
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            times_[run.run_name.function_name] = run.GetAdjustedRealTime() / unit;
            cpu_times_[run.run_name.function_name] = run.GetAdjustedCPUTime() / unit;
        }
    }
}

std::optional<double> CollectingReporter::SecondsOf(const std::string& name) const {
    auto found = times_.find(name);
    if (found == times_.end()) return std::nullopt;
    return found->second;
}

std::optional<double> CollectingReporter::CpuSecondsOf(const std::string& name) const {
    auto found = cpu_times_.find(name);
    if (found == cpu_times_.end()) return std::nullopt;
    return found->second;
}

std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string Megabytes(std::int64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

std::string Milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    return text;
}

void PrintSummaryLine(const std::string& measure, const std::string& records,
                      const std::string& ours, const std::string& baseline,
                      const std::string& ratio, const std::string& target) {
    char line[256];
    std::snprintf(line, sizeof line, "%-30s %9s %12s %12s %8s   %s", measure.c_str(),
                  records.c_str(), ours.c_str(), baseline.c_str(), ratio.c_str(), target.c_str());
    std::cout << line << '\n';
}

bool PrintComparison(const CollectingReporter& reporter, const std::string& measure, int records,
                     const std::string& ours_case, const std::string& baseline_case,
                     std::optional<double> target) {
    const std::optional<double> ours = reporter.SecondsOf(ours_case);
    const std::optional<double> base = reporter.SecondsOf(baseline_case);
    std::optional<double> ratio;
    if (ours && base && *base > 0) ratio = *ours / *base;
    char ratio_text[32] = "-";
    if (ratio) std::snprintf(ratio_text, sizeof ratio_text, "%.2fx", *ratio);
    std::string target_text;
    bool met = true;
    if (target) {
        char text[32];
        std::snprintf(text, sizeof text, "<= %.1fx", *target);
        target_text = text;
        met = ratio && *ratio <= *target;
        if (ratio) target_text += met ? "  met" : "  MISSED";
    }
    PrintSummaryLine(measure, Grouped(records), ours ? Milliseconds(*ours) : "-",
                     base ? Milliseconds(*base) : "-", ratio_text, target_text);
    return met;
}

std::optional<bool> InitializeBenchmarks(int argc, char** argv, int* records) {
    bool smoke = false;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            smoke = true;
        } else if (records && std::strcmp(argv[i], "--records") == 0) {
            const char* count = i + 1 < argc ? argv[++i] : "";
            char* end = nullptr;
            const long value = std::strtol(count, &end, 10);
            if (*count == '\0' || *end != '\0' || value <= 0 || value > 100000000) {
                std::cerr << "--records needs a number of records, not \"" << count << "\"\n";
                return std::nullopt;
            }
            *records = static_cast<int>(value);
        } else {
            arguments.push_back(argv[i]);
        }
    }
    static std::string brief_run = "--benchmark_min_time=0.01";
    if (smoke) arguments.insert(arguments.begin() + 1, brief_run.data());
    int benchmark_argc = static_cast<int>(arguments.size());
    benchmark::Initialize(&benchmark_argc, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(benchmark_argc, arguments.data()))
        return std::nullopt;
    return smoke;
}

}  // namespace bench
