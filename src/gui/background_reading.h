#pragma once

#include "platform/progress.h"
#include "platform/reading_work.h"

namespace gui {

// Runs long reading work (see platform::ReadingWork) on a thread of its own while the window's
// thread keeps the windows drawn under a WindowHold, and shows the work's progress on `display`.
class BackgroundReading final : public platform::ReadingWork {
  public:
    explicit BackgroundReading(platform::Progress& display);
    void Run(const std::function<void(platform::Progress&)>& work) override;

  private:
    platform::Progress& display_;
};

}  // namespace gui
