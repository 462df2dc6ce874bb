#pragma once

#include <string>

#include "core/file_result.h"

// Copies of image folders that cost neither time nor space where the file system allows it.
namespace imports {

struct LinkedImages {
    int files = 0;   // image files found in the source folder
    int failed = 0;  // of them, not linked or copied
    core::FileResult first_failure = core::FileResult::Success();
};

// Puts every ".gif", ".jpg" and ".bmp" file (any letter case) of `from` into the existing folder
// `to` under its own name: as a hard link when both folders are on the same file system, as a
// copy otherwise. A file already in `to` is replaced. Safe because every writer of an image file
// replaces it through a new file and a rename, never in place, so a linked copy keeps its bytes.
LinkedImages LinkOrCopyImages(const std::string& from, const std::string& to);

// Deletes every ".gif", ".jpg" and ".bmp" file (any letter case) of a folder; other files and
// sub-folders stay. Failures are ignored.
void DeleteImageFilesOf(const std::string& folder);

}  // namespace imports
