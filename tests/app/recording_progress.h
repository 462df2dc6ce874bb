#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/progress.h"

// A progress display that remembers each display it was asked to show.
class RecordingProgress final : public platform::Progress {
  public:
    struct Display {
        std::string text;
        std::int64_t range = 0;
        std::int64_t steps = 0;
        bool ended = false;
        bool operator==(const Display&) const = default;
        friend void PrintTo(const Display& d, std::ostream* out) {
            *out << '"' << d.text << "\" " << d.steps << "/" << d.range << (d.ended ? "" : " open");
        }
    };

    void Begin(std::int64_t range, std::string_view text) override {
        displays.push_back({std::string(text), range, 0, false});
    }
    void Step(std::int64_t count) override { displays.back().steps += count; }
    void End() override { displays.back().ended = true; }

    std::vector<Display> displays;
};
