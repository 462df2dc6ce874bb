#pragma once

#include <cstdint>
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
    };

    void Begin(std::int64_t range, std::string_view text) override {
        displays.push_back({std::string(text), range, 0, false});
    }
    void Step(std::int64_t count) override {
        if (!displays.empty()) displays.back().steps += count;
    }
    void End() override {
        if (!displays.empty()) displays.back().ended = true;
    }

    // The displays whose text is `text`.
    std::vector<Display> WithText(std::string_view text) const {
        std::vector<Display> found;
        for (const Display& display : displays) {
            if (display.text == text) found.push_back(display);
        }
        return found;
    }

    std::vector<Display> displays;
};
