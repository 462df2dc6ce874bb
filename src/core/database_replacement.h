#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/database_files.h"
#include "core/file_result.h"
#include "core/images.h"

// Replaces several files of one database as one change: after a crash at any moment the next
// open finds either all the old files or all the new ones, never a mix.
//
// The new version of each file is first written whole beside it under a staged name (".new"
// appended; a file reached through a symbolic link is replaced where the link points). Then a
// log naming every file to replace (by full path) is written beside the main file, named after it
// with ".replacing" appended; from that moment the change counts as made. Then each staged file
// is renamed over its file, and the log is removed. An open that finds the log does the renames
// it names (again: a rename already done has no staged file left) and touches no file but the
// database's own; one that finds staged files without a log removes them, as the change never
// took place.
//
// Images for the database's default image folder join the change the same way: copied whole into
// a staging folder inside it first, named in the log, and renamed into place one by one after it.
namespace core {

class DatabaseReplacement {
  public:
    explicit DatabaseReplacement(DatabaseNames names);
    // Removes the staged files of a replacement that was not committed.
    ~DatabaseReplacement();
    DatabaseReplacement(const DatabaseReplacement&) = delete;
    DatabaseReplacement& operator=(const DatabaseReplacement&) = delete;

    // Stages the new version of `file`, written by `write` to the path it is given. A failure
    // names `file`, not the staged name.
    FileResult Write(const std::string& file,
                     const std::function<FileResult(const std::string& path)>& write);
    // Stages `source` (a second name for it) as the new version of `file`.
    FileResult Link(const std::string& file, const std::string& source);
    // Stages the removal of `file`.
    FileResult Remove(const std::string& file);
    // Stages the database's present files as its backup generation, replacing the previous one;
    // the backup of a file the database lacks is removed. On failure nothing of it is staged.
    FileResult KeepBackup();

    // Creates the database's default image folder, to receive images with this change. A folder
    // made here stays only when the change is made, or when something else was put in it.
    FileResult CreateImageFolder();
    // Stages copies of the images of one kind in `source` for the default image folder (see
    // StageImages): put in place when the change is made, replacing files of the same names.
    ImageCopy StageImages(const std::string& source, std::string_view extension,
                          const ImageUndoCopy& undo, platform::Progress& progress);

    // Makes the staged change. A failure before the log is written leaves the old files;
    // one after it is finished by the next open (FinishReplacement).
    FileResult Commit();

  private:
    struct Step {
        std::string file;
        bool remove = false;
    };
    // Checks that `file` can be replaced and gives the `target` a step replaces: a symbolic
    // link's target (a removal removes the link itself).
    FileResult Stage(const std::string& file, bool remove, std::string& target);

    DatabaseNames names_;
    std::vector<Step> steps_;
    bool created_image_folder_ = false;
    bool images_staged_ = false;
    bool committed_ = false;
};

// The name the new version of `file` is staged under.
std::string StagedNameOf(const std::string& file);
// The log of a replacement of the database's files in progress.
std::string ReplacementLogOf(const DatabaseNames& names);

// Finishes a replacement that was interrupted after its log was written, or removes the staged
// files of one interrupted before. Success when there was nothing to do; a failure names the file
// that could not be put in place (the log stays, so a later open tries again).
FileResult FinishReplacement(const DatabaseNames& names);

}  // namespace core
