#pragma once

#include <QObject>
#include <functional>

// While long work that reads the open database runs beside the window's thread, the program's
// windows stay drawn but hold still: input and requests to close are refused, and the results
// workers hand to the window's thread wait, since they may change what the work is reading.
namespace gui {

// Holds the windows still for its lifetime; holds nest.
class WindowHold {
  public:
    WindowHold();
    ~WindowHold();
    WindowHold(const WindowHold&) = delete;
    WindowHold& operator=(const WindowHold&) = delete;

    // Whether a hold is in place.
    static bool Active();
    // Makes holds refuse input. Called once, when the first window is made, so that event
    // filters installed later (a test's, a benchmark's) see input before it is refused.
    static void RefuseInputWhileHeld();
};

// Calls `step` on `receiver`'s thread once the events queued before it are handled, or, during
// a hold, once the hold ends. Dropped when `receiver` is gone by then.
void PostToWindowThread(QObject* receiver, std::function<void()> step);

}  // namespace gui
