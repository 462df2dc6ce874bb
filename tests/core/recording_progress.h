#pragma once

#include <cstdint>
#include <string>

#include "platform/progress.h"

// A progress display that remembers what it was shown: `calls` spells the calls in order ("B"
// begin, "S" each step, "E" end), so "BSSSE" is one display with three steps.
class RecordingProgress final : public platform::Progress {
  public:
    void Begin(std::int64_t begun_range, std::string_view begun_text) override {
        calls += 'B';
        range = begun_range;
        text = begun_text;
    }
    void Step(std::int64_t count) override {
        calls += 'S';
        steps += count;
    }
    void End() override { calls += 'E'; }

    std::string calls;
    std::int64_t range = -1;
    std::string text;
    std::int64_t steps = 0;  // the sum of the steps' counts
};
