#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/progress.h"

// A progress display that remembers every call made to it.
class RecordingProgress final : public platform::Progress {
  public:
    struct Call {
        char kind;  // 'B' begin, 'S' step, 'E' end
        std::int64_t value;
        std::string text;
    };

    void Begin(std::int64_t range, std::string_view text) override {
        calls.push_back({'B', range, std::string(text)});
    }
    void Step(std::int64_t count) override { calls.push_back({'S', count, {}}); }
    void End() override { calls.push_back({'E', 0, {}}); }

    // True if there was exactly one Begin, first, and exactly one End, last.
    bool Balanced() const {
        if (calls.size() < 2 || calls.front().kind != 'B' || calls.back().kind != 'E') return false;
        for (std::size_t i = 1; i + 1 < calls.size(); ++i) {
            if (calls[i].kind != 'S') return false;
        }
        return true;
    }
    std::int64_t Range() const { return calls.empty() ? -1 : calls.front().value; }
    std::string Text() const { return calls.empty() ? std::string() : calls.front().text; }
    std::int64_t StepTotal() const {
        std::int64_t total = 0;
        for (const Call& call : calls) total += call.kind == 'S' ? call.value : 0;
        return total;
    }
    int StepCount() const {
        int count = 0;
        for (const Call& call : calls) count += call.kind == 'S';
        return count;
    }

    std::vector<Call> calls;
};
