#include "app/synchronize_window.h"

#include "app/image_undo.h"
#include "core/synchronisation.h"

namespace app {

void SynchronizeWindow::Ok(Session& session, platform::Progress& progress) const {
    if (!OkEnabled() || !session.IsOpen()) return;
    if (wanted_videos_ && core::SyncWantedVideos(session.Videos, session.Wanted, progress) > 0) {
        session.Modified = true;
        session.NotifyListsChanged();
    }
    if (video_images_) {
        core::SyncImages(session.Videos, session.ImageFolder, app::ImageUndoOf(session), progress);
        session.NotifyListsChanged();
    }
}

}  // namespace app
