#include "core/database_backup.h"

#include <filesystem>
#include <system_error>

#include "core/database_replacement.h"

namespace core {
namespace {

namespace fs = std::filesystem;

FileStamp StampFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return {};
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = fs::file_size(path, error);
    const fs::file_time_type modified = fs::last_write_time(path, error);
    stamp.modified_ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
    return stamp;
}

}  // namespace

DatabaseStamp StampDatabase(const DatabaseNames& names) {
    return {{StampFile(names.main), StampFile(names.header), StampFile(names.wanted)}};
}

bool ChangedOnDisk(const DatabaseStamp& now, const DatabaseStamp& then) {
    for (std::size_t i = 0; i < now.files.size(); ++i) {
        if (now.files[i].exists && now.files[i] != then.files[i]) return true;
    }
    return false;
}

std::vector<std::string> DatabaseFiles(const DatabaseNames& names) {
    return {names.main, names.header, names.wanted, names.images, names.sort, names.accounts};
}

std::string BackupNameOf(const std::string& file) {
    return file + ".bak";
}

bool HasBackup(const DatabaseNames& names) {
    std::error_code error;
    return fs::is_regular_file(BackupNameOf(names.main), error);
}

FileResult SwapWithBackup(const DatabaseNames& names) {
    // One replacement, so that a crash part way leaves the files or their backup whole.
    if (FileResult finished = FinishReplacement(names); !finished) return finished;
    DatabaseReplacement swap(names);
    for (const std::string& file : DatabaseFiles(names)) {
        std::error_code error;
        const std::string backup = BackupNameOf(file);
        if (!fs::is_regular_file(backup, error)) continue;
        FileResult staged =
            fs::is_regular_file(file, error) ? swap.Link(backup, file) : swap.Remove(backup);
        if (!staged) return staged;
        if (staged = swap.Link(file, backup); !staged) return staged;
    }
    return swap.Commit();
}

}  // namespace core
