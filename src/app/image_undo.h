#pragma once

#include "app/session.h"
#include "core/image_undo_copy.h"

namespace app {

// The image folder's undo copy of the last import, which every writer of the image folder lets
// keep a file before deleting or replacing it.
inline core::ImageUndoCopy ImageUndoOf(const Session& session) {
    return core::ImageUndoCopy(session.paths.import_undo_images);
}

}  // namespace app
