#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace bench {

struct MemoryGrowth {
    std::int64_t resident_before = 0;  // bytes resident before the work
    std::int64_t peak_resident = 0;    // the most bytes resident at any moment during it
    std::int64_t Growth() const { return peak_resident - resident_before; }
};

// Runs `work` in a forked child and reports how far its resident memory rose above where it
// started. The child starts from a copy of this process with its free heap memory handed back to
// the system and its peak reset, so nothing that ran here before (other benchmarks) shows in the
// result. Nothing when the child fails or `work` returns false.
std::optional<MemoryGrowth> MeasureInChild(const std::function<bool()>& work);

}  // namespace bench
