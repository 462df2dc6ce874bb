#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/file_result.h"
#include "core/image_undo_copy.h"
#include "core/images.h"
#include "platform/progress.h"

// Images copied into an image folder as part of a change of a database's files that happens whole
// or not at all (DatabaseReplacement). They are copied first into a staging folder inside the
// image folder, so that each can later be put in place with one rename; until then the image
// folder itself is untouched.
namespace core {

// The staging folder of `image_folder`. A hidden folder inside it: no image and no other
// database's folder has that name, and it lies on the image folder's own file system.
std::string StagedImagesFolderOf(const std::string& image_folder);

// Copies every file of `source` whose extension is `extension` (ignoring case) into the staging
// folder of `image_folder` (which must exist), with "Saving images..." progress. A file that
// could not be copied, or that could not take its place later (a folder stands there, or the
// import undo copy could not keep the file it replaces), is left out and counted as failed; its
// failure names its place in `image_folder`. Nothing is staged when both folders are the same.
ImageCopy StageImages(const std::string& source, const std::string& image_folder,
                      std::string_view extension, const ImageUndoCopy& undo,
                      platform::Progress& progress);

// Renames every staged image into `image_folder`, replacing a file of the same name (files with
// other names stay), then removes the staging folder. `before_each` runs before each rename.
// Doing it again finishes what an interrupted run left, and does nothing when nothing is staged.
// A failure names the image that could not be put in place; the rest stay staged.
FileResult PutStagedImagesInPlace(const std::string& image_folder,
                                  const std::function<void()>& before_each = {});

// Removes the staging folder of `image_folder` with whatever it holds.
void DiscardStagedImages(const std::string& image_folder);

}  // namespace core
