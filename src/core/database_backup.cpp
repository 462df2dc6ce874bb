#include "core/database_backup.h"

#include <filesystem>
#include <system_error>

#include "core/paths.h"

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

FileResult Failure(const std::string& path, const std::error_code& error) {
    return FileResult::Failure(path, SystemErrorText(error.value()));
}

// Renames `from` to `to`, replacing it; an absent `from` is nothing to do.
bool MoveIfPresent(const std::string& from, const std::string& to, std::error_code& error) {
    if (!fs::exists(from, error)) return !error;
    fs::rename(from, to, error);
    return !error;
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

FileResult KeepBackup(const DatabaseNames& names) {
    for (const std::string& file : DatabaseFiles(names)) {
        // A backup of a file the database no longer has would come back with the others.
        std::error_code error;
        const std::string backup = BackupNameOf(file);
        fs::remove(backup, error);
        if (error) return Failure(backup, error);
        if (!fs::is_regular_file(file, error)) continue;
        fs::create_hard_link(file, backup, error);
        if (!error) continue;
        // A file system without links (or a link limit reached): a copy does the same.
        if (FileResult copied = CopyFileSafely(file, backup); !copied) return copied;
    }
    return FileResult::Success();
}

bool HasBackup(const DatabaseNames& names) {
    std::error_code error;
    return fs::is_regular_file(BackupNameOf(names.main), error);
}

FileResult SwapWithBackup(const DatabaseNames& names) {
    std::vector<std::string> swapped;
    // Three renames; a failed one undoes those before it, so each file is whole either way.
    auto swap = [](const std::string& file, std::error_code& error) {
        const std::string backup = BackupNameOf(file);
        const std::string spare = file + ".swap";
        std::error_code ignored;
        if (!MoveIfPresent(file, spare, error)) return false;
        if (!MoveIfPresent(backup, file, error)) {
            MoveIfPresent(spare, file, ignored);
            return false;
        }
        if (!MoveIfPresent(spare, backup, error)) {
            MoveIfPresent(file, backup, ignored);
            MoveIfPresent(spare, file, ignored);
            return false;
        }
        return true;
    };
    for (const std::string& file : DatabaseFiles(names)) {
        std::error_code error;
        if (!fs::is_regular_file(BackupNameOf(file), error)) continue;
        if (swap(file, error)) {
            swapped.push_back(file);
            continue;
        }
        for (const std::string& done : swapped) {
            std::error_code ignored;
            swap(done, ignored);
        }
        return Failure(file, error);
    }
    return FileResult::Success();
}

}  // namespace core
