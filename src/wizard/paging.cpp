#include "wizard/paging.h"

#include <algorithm>

#include "core/text.h"

namespace wizard {

std::string ResultsTitle(std::int64_t start, std::int64_t shown, std::int64_t total) {
    return "Video Import Wizard - Results: " + std::to_string(start + 1) + "-" +
           std::to_string(start + shown) + " of " + std::to_string(total);
}

int ClampListCount(long long count) {
    return static_cast<int>(std::clamp<long long>(count, kMinListCount, kMaxListCount));
}

std::optional<int> ListCountOfTyped(std::string_view typed) {
    if (typed.empty()) return kMinListCount;
    if (typed.front() < '0' || typed.front() > '9') return std::nullopt;
    return ClampListCount(core::ParseLeadingLong(typed));
}

std::int64_t PreviousStart(std::int64_t start, int list_count) {
    return std::max<std::int64_t>(0, start - list_count);
}

std::int64_t NextStart(std::int64_t start, int list_count, bool results_empty) {
    return results_empty ? start : start + list_count;
}

PageButtons ButtonsWhileBusy() {
    return {false, false, false, false};
}

PageButtons ButtonsWhenIdle(std::int64_t start, int list_count, std::int64_t total,
                            bool full_access) {
    return {true, start >= 1, start + list_count < total, full_access};
}

}  // namespace wizard
