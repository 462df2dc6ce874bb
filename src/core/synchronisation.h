#pragma once

#include <string>

#include "core/image_undo_copy.h"
#include "core/video_list.h"
#include "core/wanted_list.h"
#include "platform/progress.h"

// Maintenance of a database: wanted titles already owned, and image files that no record uses.
namespace core {

// Removes from Wanted Videos every title that a My Videos "Title" equals, ignoring the case of
// ASCII letters. Returns the number removed.
int SyncWantedVideos(const VideoList& videos, WantedList& wanted, platform::Progress& progress);

struct ImageSyncResult {
    int orphans_deleted = 0;     // images whose name is no record's Key
    int duplicates_deleted = 0;  // older images of a record that has several
};

// Deletes the image files (".jpg", ".gif", ".bmp" in any case) of `folder` whose name is no
// record's Key, then keeps only the newest image of each record (on equal times the one the
// record shows: ".jpg" before ".gif" before ".bmp"). Other files and sub-folders stay, and so
// does a file whose old contents the import undo copy could not keep.
ImageSyncResult SyncImages(const VideoList& videos, const std::string& folder,
                           const ImageUndoCopy& undo, platform::Progress& progress);

}  // namespace core
