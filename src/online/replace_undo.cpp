#include "online/replace_undo.h"

#include <filesystem>

#include "core/paths.h"
#include "core/record_file.h"
#include "core/safe_file.h"
#include "platform/progress.h"

namespace online {
namespace {

// The copy is scratch work of this run (closing the database deletes it), so it is not
// worth waiting for the disk to confirm it: it is still written whole or not at all.
class UnsyncedCalls final : public core::FileSystemCalls {
  public:
    int Fsync(int) override { return 0; }
};

}  // namespace

core::FileResult WriteReplaceUndo(const core::VideoList& list, const std::string& path,
                                  platform::Progress& progress) {
    std::error_code error;
    std::filesystem::create_directories(core::ParentFolderOf(path), error);
    UnsyncedCalls calls;
    core::FileResult written = core::WriteRecords(list, path, progress, calls);
    if (!written) std::filesystem::remove(path, error);
    return written;
}

bool RestoreReplaceUndo(core::VideoList& list, const std::string& path, const core::Clock& clock,
                        platform::Progress& progress) {
    if (!core::FileExists(path)) return false;
    core::VideoList restored;
    restored.SetColumns(list.Columns());
    if (!core::ReadRecords(restored, path, clock, {}, progress)) return false;
    list.DeleteAllRows();
    list.ReserveRows(static_cast<std::size_t>(restored.RowCount()));
    for (core::VideoRecord& record : restored.MutableRows()) list.AppendRow(std::move(record));
    std::error_code error;
    std::filesystem::remove(path, error);
    return true;
}

}  // namespace online
