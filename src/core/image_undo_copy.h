#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/file_result.h"

// The image folder as it was before the last import, kept at the cost of one listing. Taking the
// copy writes a manifest of the folder's image files (name and file identity) into the store
// folder; a listed file's contents go into the store (a hard link where the file system allows,
// a copy otherwise) only when something is about to delete or replace it. So every writer of an
// image folder calls KeepBeforeChange first and leaves a file alone that could not be kept.
// A kept hard link keeps its bytes because every writer replaces an image through a new file and
// a rename, never in place. Files replaced or deleted by other programs are not noticed.
namespace core {

class ImageUndoCopy {
  public:
    // No undo copy: nothing is kept and every change may go ahead.
    ImageUndoCopy() = default;
    // The copy kept in `store` (a folder of its own, emptied when the copy is taken).
    explicit ImageUndoCopy(std::string store) : store_(std::move(store)) {}

    // Lists the image files of `image_folder` (none when it is empty or missing) into a new
    // manifest in an emptied store. On failure no copy is left.
    FileResult Take(const std::string& image_folder) const;
    // True while a copy exists.
    bool Exists() const;

    // Before `files` (paths) are deleted or replaced: keeps the old contents of those the copy
    // lists and has not kept yet. Returns the files that may now be changed, in their order;
    // a file whose contents could not be kept is left out.
    std::vector<std::string> KeepBeforeChange(std::vector<std::string> files) const;
    // The same for one file: true when it may be changed.
    bool KeepBeforeChange(const std::string& file) const;

    // Makes the image files of `image_folder` those of the copy again: kept contents come back,
    // listed files that were not changed stay (or are taken from the listed folder when the
    // database now uses another one), image files added since are deleted; other files stay.
    FileResult RestoreInto(const std::string& image_folder) const;
    // Deletes the copy.
    void Discard() const;

  private:
    std::string ManifestPath() const;

    std::string store_;
};

}  // namespace core
