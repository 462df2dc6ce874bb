#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/file_result.h"
#include "core/image_undo_copy.h"
#include "platform/progress.h"

// Record images: files named by the record's Key in the database's image folder.
namespace core {

// The image extensions, in the order in which a record's image is looked for.
constexpr std::string_view kImageExtensions[] = {"jpg", "gif", "bmp"};

// True for a name ending in ".jpg", ".gif" or ".bmp" in any letter case.
bool IsImageFileName(std::string_view name);

// The image file of the record with `key`: folder/key plus the first of ".jpg", ".gif", ".bmp"
// that exists; empty when there is none.
std::string ImageFileOf(const std::string& image_folder, std::string_view key);

// Deletes every image file of the records with these Keys: key.jpg, key.gif and key.bmp with the
// extension in any letter case ("key.JPG", "key.Gif"), so that no older picture is left to be
// found in place of a newer one. A file that is `keep` (a path; none when empty) is spared, and
// so is a file whose old contents the import undo copy could not keep. One listing of the folder
// serves every Key; failures are ignored.
void DeleteImageFiles(const std::string& image_folder, std::span<const std::string> keys,
                      const ImageUndoCopy& undo, const std::string& keep = {});

// The image folder a database uses: the folder its image-path file names, or, when that file
// is missing or names a folder that does not exist, the default folder beside the main file,
// which is created.
std::string ResolveImageFolder(const std::string& image_path_file,
                               const std::string& default_folder);

// Number of image files (".gif", ".jpg", ".bmp") in a folder.
int CountImageFiles(const std::string& folder);

// What copying the images of one kind did.
struct ImageCopy {
    int found = 0;   // matching files in the source; -1 when either folder is empty
    int failed = 0;  // files that could not be copied
    FileResult first_failure = FileResult::Success();  // naming the file and the reason
};

// Copies every file of `source` whose extension is `extension` (ignoring case) into `target`
// under the same name, with "Saving images..." progress. With `keep_existing` a file already in
// the target stays untouched; otherwise it is replaced once `undo` has kept it (and counted as
// failed when it could not). Nothing is copied when both folders are the same. A failed copy is
// skipped and counted.
ImageCopy CopyImages(const std::string& source, const std::string& target, bool keep_existing,
                     std::string_view extension, const ImageUndoCopy& undo,
                     platform::Progress& progress);

// Deletes every entry of the folder that is not a sub-folder; failures are ignored. Entries are
// removed as links, never followed.
void DeleteFolderFiles(const std::string& folder);

}  // namespace core
