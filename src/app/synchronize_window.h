#pragma once

#include "app/session.h"
#include "platform/progress.h"

namespace app {

// The "Synchronize" window: which maintenance parts to run on the open database.
class SynchronizeWindow {
public:
    void SetWantedVideos(bool checked) { wanted_videos_ = checked; }
    void SetVideoImages(bool checked) { video_images_ = checked; }
    bool WantedVideos() const { return wanted_videos_; }
    bool VideoImages() const { return video_images_; }
    bool OkEnabled() const { return wanted_videos_ || video_images_; }

    // OK: runs the chosen parts, Wanted Videos first. The image part runs whatever the wanted
    // part found to do.
    void Ok(Session& session, platform::Progress& progress) const;

private:
    bool wanted_videos_ = false;
    bool video_images_ = false;
};

}  // namespace app
