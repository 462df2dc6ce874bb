#pragma once

#include <string>

#include "app/session.h"

namespace app {

// AutoCycle: steps the My Videos selection one row at a time on a timer, forward or backward,
// wrapping at the ends, so the details pane shows one record after another.
class AutoCycle {
public:
    static constexpr std::size_t kSecondsMaxLength = 2;
    static constexpr int kMinimumSeconds = 1;  // the up-down control's range
    static constexpr int kMaximumSeconds = 60;

    explicit AutoCycle(Session& session) : session_(session) {}

    bool Running() const { return running_; }
    void Start() { running_ = true; }
    // Closing the window stops it.
    void Stop() { running_ = false; }
    // The play/pause button.
    void TogglePaused() { running_ = !running_; }
    bool Forward() const { return forward_; }
    // The direction button.
    void ToggleDirection() { forward_ = !forward_; }

    // The seconds field's text: the configured period.
    std::string SecondsText() const;
    // Typing into the seconds field sets the period to the field's whole number. An empty field
    // sets 1, and the returned text ("1") goes back into the field; otherwise the text is
    // returned as it is.
    std::string SetSecondsText(std::string text);
    // The timer's period. A typed 0 would make the timer spin: it waits a second instead.
    int PeriodMilliseconds() const;

    // One timer tick: while running with a database open, the row after (or before) the first
    // selected row becomes the only selected one; returns it, or -1 when nothing moved.
    int Tick();

private:
    Session& session_;
    bool running_ = false;
    bool forward_ = true;
};

}  // namespace app
