#include "core/database_replacement.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/database_backup.h"
#include "core/paths.h"
#include "core/safe_file.h"

namespace core {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLogHeader = "[Reeldeck - Version 1.0 - Database Replacement]";

std::string FolderOf(const std::string& file) {
    const fs::path folder = fs::path(file).parent_path();
    return folder.empty() ? "." : folder.string();
}

// Makes the renames and removals in a folder durable, in the order they were made.
void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

FileResult Failure(const std::string& path, int error_number) {
    return FileResult::Failure(path, SystemErrorText(error_number == 0 ? EIO : error_number));
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Every file a replacement may touch: the database's files and their backups.
std::vector<std::string> ReplaceableFiles(const DatabaseNames& names) {
    std::vector<std::string> files;
    for (const std::string& file : DatabaseFiles(names)) {
        files.push_back(file);
        files.push_back(BackupNameOf(file));
    }
    return files;
}

// One step done: the staged file put in place, or the file removed. Doing it a second time does
// nothing, so an interrupted replacement can be finished by doing all of its steps again.
FileResult Apply(const std::string& file, bool remove) {
    std::error_code error;
    if (remove) {
        fs::remove(file, error);
        return error ? Failure(file, error.value()) : FileResult::Success();
    }
    const std::string staged = StagedNameOf(file);
    if (!fs::exists(fs::symlink_status(staged, error))) return FileResult::Success();
    fs::rename(staged, file, error);
    return error ? Failure(file, error.value()) : FileResult::Success();
}

// For crash tests: a program whose environment names step N of a committed replacement kills
// itself just before that step (0, the first, comes right after the log is written).
void CrashTestPoint(std::size_t step) {
    const char* const at = std::getenv("REELDECK_KILL_AT_REPLACEMENT_STEP");
    if (at != nullptr && std::to_string(step) == at) ::kill(::getpid(), SIGKILL);
}

}  // namespace

std::string StagedNameOf(const std::string& file) {
    return file + ".new";
}

std::string ReplacementLogOf(const DatabaseNames& names) {
    return names.main + ".replacing";
}

DatabaseReplacement::DatabaseReplacement(DatabaseNames names) : names_(std::move(names)) {}

DatabaseReplacement::~DatabaseReplacement() {
    if (committed_) return;
    for (const Step& step : steps_) {
        if (!step.remove) RemoveQuietly(StagedNameOf(step.file));
    }
}

FileResult DatabaseReplacement::Stage(const std::string& file) {
    std::error_code error;
    // A folder in a file's place would stop the replacement half done.
    if (fs::is_directory(fs::symlink_status(file, error))) return Failure(file, EISDIR);
    std::erase_if(steps_, [&](const Step& step) { return step.file == file; });
    return FileResult::Success();
}

FileResult DatabaseReplacement::Write(
    const std::string& file, const std::function<FileResult(const std::string& path)>& write) {
    if (FileResult staged = Stage(file); !staged) return staged;
    const std::string staged = StagedNameOf(file);
    FileResult written = write(staged);
    if (!written) {
        RemoveQuietly(staged);
        if (written.path == staged || written.path.empty()) written.path = file;
        return written;
    }
    steps_.push_back({file, false});
    return FileResult::Success();
}

FileResult DatabaseReplacement::Link(const std::string& file, const std::string& source) {
    if (FileResult staged = Stage(file); !staged) return staged;
    const std::string staged = StagedNameOf(file);
    std::error_code error;
    fs::remove(staged, error);
    if (error) return Failure(staged, error.value());
    fs::create_hard_link(source, staged, error);
    // A file system without links (or a link limit reached): a copy does the same.
    if (error) {
        if (FileResult copied = CopyFileSafely(source, staged); !copied) return copied;
    }
    steps_.push_back({file, false});
    return FileResult::Success();
}

void DatabaseReplacement::Remove(const std::string& file) {
    if (Stage(file)) steps_.push_back({file, true});
}

FileResult DatabaseReplacement::KeepBackup() {
    const std::size_t before = steps_.size();
    for (const std::string& file : DatabaseFiles(names_)) {
        std::error_code error;
        const std::string backup = BackupNameOf(file);
        FileResult staged = FileResult::Success();
        if (fs::is_regular_file(file, error)) {
            staged = Link(backup, file);
        } else if (FileResult free = Stage(backup); free) {
            Remove(backup);
        } else {
            staged = free;
        }
        if (staged) continue;
        for (std::size_t i = before; i < steps_.size(); ++i) {
            if (!steps_[i].remove) RemoveQuietly(StagedNameOf(steps_[i].file));
        }
        steps_.resize(before);
        return staged;
    }
    return FileResult::Success();
}

FileResult DatabaseReplacement::Commit() {
    const std::string folder = FolderOf(names_.main);
    const std::string log = ReplacementLogOf(names_);
    for (const Step& step : steps_) {
        std::error_code error;
        // Another copy of the program opening the database meanwhile removes staged files.
        if (!step.remove && !fs::exists(StagedNameOf(step.file), error)) {
            return Failure(step.file, ENOENT);
        }
    }
    FlushFolder(folder);
    FileResult logged = WriteFileSafely(log, [&](std::ostream& out) {
        out << kLogHeader << '\n';
        for (const Step& step : steps_) {
            out << (step.remove ? '-' : '+') << fs::path(step.file).filename().string() << '\n';
        }
        return FileResult::Success();
    });
    if (!logged) return logged;
    // From here on the change is made; what is not finished now, the next open finishes.
    committed_ = true;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        CrashTestPoint(i);
        if (FileResult done = Apply(steps_[i].file, steps_[i].remove); !done) return done;
    }
    CrashTestPoint(steps_.size());
    FlushFolder(folder);
    RemoveQuietly(log);
    FlushFolder(folder);
    return FileResult::Success();
}

FileResult FinishReplacement(const DatabaseNames& names) {
    const std::vector<std::string> files = ReplaceableFiles(names);
    const std::string log = ReplacementLogOf(names);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(log, error))) {
        for (const std::string& file : files) {
            if (fs::exists(fs::symlink_status(StagedNameOf(file), error))) {
                RemoveQuietly(StagedNameOf(file));
            }
        }
        return FileResult::Success();
    }

    std::ifstream in(log, std::ios::binary);
    if (!in) return Failure(log, errno);
    std::string line;
    std::vector<std::pair<std::string, bool>> steps;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (header) {
            if (line != kLogHeader) break;
            header = false;
            continue;
        }
        if (line.empty()) continue;
        // Only the database's own files are ever touched, whatever the log says.
        const std::string name = line.substr(1);
        auto file = std::find_if(files.begin(), files.end(), [&](const std::string& known) {
            return fs::path(known).filename().string() == name;
        });
        if ((line[0] != '+' && line[0] != '-') || file == files.end()) {
            return FileResult::Failure(log, "Unknown step \"" + line + "\"");
        }
        steps.emplace_back(*file, line[0] == '-');
    }
    if (header) return FileResult::Failure(log, "Not a log of a database replacement");
    for (const auto& [file, remove] : steps) {
        if (FileResult done = Apply(file, remove); !done) return done;
    }
    const std::string folder = FolderOf(names.main);
    FlushFolder(folder);
    RemoveQuietly(log);
    FlushFolder(folder);
    return FileResult::Success();
}

}  // namespace core
