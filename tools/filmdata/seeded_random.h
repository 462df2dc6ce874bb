#pragma once

#include <cstdint>
#include <random>

namespace filmdata {

// Random choices for generated data that come out the same on every system and library version:
// std::mt19937's output sequence is fixed by the standard, and the arithmetic that turns it into
// ranges is ours (the standard distributions may differ between libraries).
class SeededRandom {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

    // A number in [0, count); 0 when count is 0. The slight bias of the remainder does not
    // matter for made-up data.
    std::uint64_t Below(std::uint64_t count) {
        if (count == 0) return 0;
        const std::uint64_t high = engine_();
        const std::uint64_t low = engine_();
        return ((high << 32) | low) % count;
    }

    // A number in [low, high]; low when high < low.
    std::int64_t Between(std::int64_t low, std::int64_t high) {
        if (high <= low) return low;
        return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) + 1));
    }

    // True in `percent` of the calls out of 100.
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

  private:
    std::mt19937 engine_;
};

}  // namespace filmdata
