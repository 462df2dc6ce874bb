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

// Progress over the rows of a list, `passes` times over. Shown only for a list long enough to
// take a moment, and advanced every few thousand rows rather than at each; without a display
// (nullptr) it shows nothing.
class RowProgress {
public:
    static constexpr std::int64_t kShownFrom = 50000;  // rows
    static constexpr std::int64_t kStride = 4096;      // rows per step

    RowProgress(Progress* progress, std::int64_t rows, std::string_view text, int passes = 1)
        : progress_(rows >= kShownFrom && passes > 0 ? progress : nullptr) {
        if (progress_) progress_->Begin(rows * passes, text);
    }
    ~RowProgress() {
        if (progress_) progress_->End();
    }
    RowProgress(const RowProgress&) = delete;
    RowProgress& operator=(const RowProgress&) = delete;

    // Row `row` of a pass, which visits the rows in order, is done.
    void Row(std::int64_t row) {
        if (progress_ && row % kStride == kStride - 1) progress_->Step(kStride);
    }
    // `rows` rows of work done at once (a whole pass that has no row loop of its own).
    void Rows(std::int64_t rows) {
        if (progress_) progress_->Step(rows);
    }

private:
    Progress* progress_;
};

}  // namespace platform
