#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/database_files.h"
#include "core/file_result.h"

// A database's files as this program last saw them on disk, and the one backup generation kept
// beside them.
namespace core {

// The size and modification time of one file, or that it did not exist.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified_ns = 0;
    bool operator==(const FileStamp&) const = default;
};

// The main file, the header and the wanted file: what another copy of the program or a sync
// tool changes when it saves the database.
struct DatabaseStamp {
    std::array<FileStamp, 3> files;
    bool operator==(const DatabaseStamp&) const = default;
};

DatabaseStamp StampDatabase(const DatabaseNames& names);
// True when a file that exists `now` differs from what it was `then`. Files deleted meanwhile
// do not count: a save only brings them back, and nobody's changes are lost.
bool ChangedOnDisk(const DatabaseStamp& now, const DatabaseStamp& then);

// The six files of a database (main file first), each with its backup name (".bak" appended).
std::vector<std::string> DatabaseFiles(const DatabaseNames& names);
std::string BackupNameOf(const std::string& file);

// True when the database has a backup (of its main file).
bool HasBackup(const DatabaseNames& names);

// Exchanges the database's files with their backup, so that a second restore brings back what
// the first replaced. A file without a backup stays as it is. All files are exchanged or none
// (see DatabaseReplacement); a failure names the file that could not be.
FileResult SwapWithBackup(const DatabaseNames& names);

}  // namespace core
