#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Progress of long work (reading, saving, copying). The desktop program shows it in the status
// bar; the companion and the tests ignore it or record it.
class Progress {
public:
    virtual ~Progress() = default;
    // Starts a progress display that runs from 0 to `range`; `text` is shown beside it.
    virtual void Begin(std::int64_t range, std::string_view text) = 0;
    // Advances by `count` units.
    virtual void Step(std::int64_t count = 1) = 0;
    // Hides the display and shows the ready text.
    virtual void End() = 0;
};

// A progress that shows nothing.
class NoProgress final : public Progress {
public:
    void Begin(std::int64_t, std::string_view) override {}
    void Step(std::int64_t) override {}
    void End() override {}
};

// Begins a progress display and ends it when the scope ends, on every return path.
class ProgressScope {
public:
    ProgressScope(Progress& progress, std::int64_t range, std::string_view text)
        : progress_(progress) {
        progress_.Begin(range, text);
    }
    ~ProgressScope() { progress_.End(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void Step(std::int64_t count = 1) { progress_.Step(count); }

private:
    Progress& progress_;
};

}  // namespace platform
