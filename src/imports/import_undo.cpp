#include "imports/import_undo.h"

#include <filesystem>

#include "app/image_undo.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/safe_file.h"
#include "core/wanted_file.h"

namespace imports {
namespace fs = std::filesystem;
namespace {

// The copies are scratch work of this run (closing the database deletes them), so they are not
// worth waiting for the disk: they are still written whole or not at all.
class UnsyncedCalls final : public core::FileSystemCalls {
  public:
    int Fsync(int) override { return 0; }
};

void Report(core::FileResult* error, core::FileResult result) {
    if (error) *error = std::move(result);
}

}  // namespace

core::FileResult TakeMyVideosUndo(const app::Session& session, platform::Progress& progress) {
    const config::ProgramPaths& paths = session.paths;
    std::error_code error;
    fs::create_directories(paths.folder, error);
    UnsyncedCalls calls;
    core::FileResult written =
        core::WriteRecords(session.Videos, paths.import_undo_videos, progress, calls);
    if (!written) {
        fs::remove(paths.import_undo_videos, error);
        return written;
    }
    core::FileResult listed = app::ImageUndoOf(session).Take(session.ImageFolder);
    if (!listed) {
        fs::remove(paths.import_undo_videos, error);
        return listed;
    }
    return written;
}

core::FileResult TakeWantedUndo(const app::Session& session) {
    std::error_code error;
    fs::create_directories(session.paths.folder, error);
    platform::NoProgress quiet;
    UnsyncedCalls calls;
    core::FileResult written =
        core::WriteWanted(session.Wanted, session.paths.import_undo_wanted, quiet, calls);
    if (!written) fs::remove(session.paths.import_undo_wanted, error);
    return written;
}

bool CanUndoMyVideosImport(const config::ProgramPaths& paths) {
    return core::FileExists(paths.import_undo_videos);
}

bool CanUndoWantedImport(const config::ProgramPaths& paths) {
    return core::FileExists(paths.import_undo_wanted);
}

bool UndoMyVideosImport(app::Session& session, platform::Progress& progress,
                        core::FileResult* error) {
    const config::ProgramPaths& paths = session.paths;
    if (!CanUndoMyVideosImport(paths)) {
        Report(error,
               core::FileResult::Failure(paths.import_undo_videos, "There is no import to undo"));
        return false;
    }
    core::VideoList restored;
    restored.SetColumns(session.Videos.Columns());
    core::FileResult read =
        core::ReadRecords(restored, paths.import_undo_videos, session.clock, {}, progress);
    if (!read) {
        Report(error, std::move(read));
        return false;
    }
    core::VideoList& videos = session.Videos;
    videos.DeleteAllRows();
    videos.ReserveRows(static_cast<std::size_t>(restored.RowCount()));
    for (core::VideoRecord& record : restored.MutableRows()) videos.AppendRow(std::move(record));
    std::error_code ignored;
    fs::remove(paths.import_undo_videos, ignored);

    // The list is back either way; an image that could not be put back stays in mv/ (until the
    // database closes) and the caller hears of it.
    const core::ImageUndoCopy images = app::ImageUndoOf(session);
    core::FileResult put_back =
        images.Exists() ? images.RestoreInto(session.ImageFolder) : core::FileResult::Success();
    if (put_back) {
        images.Discard();
    } else {
        Report(error, std::move(put_back));
    }
    session.Modified = true;
    session.NotifyListsChanged();
    return true;
}

bool UndoWantedImport(app::Session& session, core::FileResult* error) {
    const std::string& path = session.paths.import_undo_wanted;
    if (!CanUndoWantedImport(session.paths)) {
        Report(error, core::FileResult::Failure(path, "There is no import to undo"));
        return false;
    }
    core::WantedList restored;
    platform::NoProgress quiet;
    core::FileResult read = core::ReadWanted(restored, path, false, quiet);
    if (!read) {
        Report(error, std::move(read));
        return false;
    }
    session.Wanted = std::move(restored);
    std::error_code ignored;
    fs::remove(path, ignored);
    session.Modified = true;
    session.NotifyListsChanged();
    return true;
}

}  // namespace imports
