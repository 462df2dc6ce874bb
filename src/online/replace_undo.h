#pragma once

#include <string>

#include "core/dates.h"
#include "core/file_result.h"
#include "core/video_list.h"
#include "platform/progress.h"

// The copy of My Videos taken before each replace, so that the last replace can be undone.
namespace online {

// Writes every row to `path` in the main file's layout, replacing an earlier copy; the folder is
// created when missing. On failure no earlier copy is left behind, so that an undo never brings
// back an older list; the result names the file and the reason.
core::FileResult WriteReplaceUndo(const core::VideoList& list, const std::string& path,
                                  platform::Progress& progress);

// Puts the rows of the copy in place of the list's rows and deletes the copy. False (the list
// unchanged) when there is no copy or it cannot be read.
bool RestoreReplaceUndo(core::VideoList& list, const std::string& path, const core::Clock& clock,
                        platform::Progress& progress);

}  // namespace online
