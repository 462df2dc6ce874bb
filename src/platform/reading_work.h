#pragma once

#include <functional>

#include "platform/progress.h"

namespace platform {

// Long work that only reads the program's state, such as writing the lists to files. The desktop
// program runs it beside the window's thread, whose window keeps repainting (and refuses input)
// until the work ends; the companion and the tests run it in place.
class ReadingWork {
  public:
    virtual ~ReadingWork() = default;
    // Runs `work`, which shows its progress on the display it is given, and returns once it has
    // ended. An exception the work throws is thrown again here.
    virtual void Run(const std::function<void(Progress&)>& work) = 0;
};

// Runs `work` through `runner`, or in place with `progress` when there is none.
inline void RunReadingWork(ReadingWork* runner, Progress& progress,
                           const std::function<void(Progress&)>& work) {
    if (runner) {
        runner->Run(work);
    } else {
        work(progress);
    }
}

}  // namespace platform
