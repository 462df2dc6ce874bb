#pragma once

#include <QWidget>
#include <functional>

// How long the desktop program's window stays still while an operation runs on its thread.
namespace bench {

struct Stall {
    double seconds = 0;      // the operation, from its start until the window is idle again
    double unanswered = 0;   // the longest wait of an input event for the window to take it
    double no_progress = 0;  // the longest time without a progress bar repaint or an answer
};

// Runs `operation` on this (the window's) thread while another thread posts a key event to
// `input_target` every millisecond, and watches the repaints of `progress_bar`.
Stall MeasureStall(QWidget* input_target, QWidget* progress_bar,
                   const std::function<void()>& operation);

}  // namespace bench
