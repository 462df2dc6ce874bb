#include "core/database_replacement.h"

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
#include "core/staged_images.h"

namespace core {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLogHeader = "[Reeldeck - Version 1.0 - Database Replacement]";

std::string FolderOf(const std::string& file) {
    const fs::path folder = fs::path(file).parent_path();
    return folder.empty() ? "." : folder.string();
}

FileResult Failure(const std::string& path, int error_number) {
    return FileResult::Failure(path, SystemErrorText(error_number == 0 ? EIO : error_number));
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Where a file's text is: the target of a symbolic link, which is replaced while the link stays.
std::string Resolved(const std::string& file) {
    std::error_code error;
    if (!fs::is_symlink(file, error)) return file;
    const fs::path target = fs::weakly_canonical(file, error);
    return error ? file : target.string();
}

// One spelling for each file, so that a log written by a program that named the database by
// another path (relative, through a link) is still understood.
std::string Canonical(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? path : canonical.string();
}

// Every file a replacement may touch: the database's files and their backups.
std::vector<std::string> ReplaceableFiles(const DatabaseNames& names) {
    std::vector<std::string> files;
    for (const std::string& file : DatabaseFiles(names)) {
        files.push_back(Canonical(file));
        files.push_back(Canonical(BackupNameOf(file)));
    }
    return files;
}

void FlushFoldersOf(const std::vector<std::string>& files) {
    std::vector<std::string> folders;
    for (const std::string& file : files) folders.push_back(FolderOf(file));
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    for (const std::string& folder : folders) FlushFolder(folder);
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
// itself just before that step (0, the first, comes right after the log is written). The steps
// are the staged files, then each staged image, then the log's removal.
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
    if (images_staged_) DiscardStagedImages(names_.base);
    // Removes only an empty folder.
    if (created_image_folder_) RemoveQuietly(names_.base);
}

FileResult DatabaseReplacement::Stage(const std::string& file, bool remove, std::string& target) {
    target = remove ? file : Resolved(file);
    std::error_code error;
    // A folder in a file's place would stop the replacement half done.
    if (fs::is_directory(fs::symlink_status(target, error))) return Failure(file, EISDIR);
    std::erase_if(steps_, [&](const Step& step) { return step.file == target; });
    return FileResult::Success();
}

FileResult DatabaseReplacement::Write(
    const std::string& file, const std::function<FileResult(const std::string& path)>& write) {
    std::string target;
    if (FileResult free = Stage(file, false, target); !free) return free;
    const std::string staged = StagedNameOf(target);
    FileResult written = write(staged);
    if (!written) {
        RemoveQuietly(staged);
        if (written.path == staged || written.path.empty()) written.path = file;
        return written;
    }
    steps_.push_back({target, false});
    return FileResult::Success();
}

FileResult DatabaseReplacement::Link(const std::string& file, const std::string& source) {
    std::string target;
    if (FileResult free = Stage(file, false, target); !free) return free;
    const std::string staged = StagedNameOf(target);
    std::error_code error;
    fs::remove(staged, error);
    if (error) return Failure(staged, error.value());
    fs::create_hard_link(Resolved(source), staged, error);
    // A file system without links (or a link limit reached): a copy does the same.
    if (error) {
        if (FileResult copied = CopyFileSafely(source, staged); !copied) return copied;
    }
    steps_.push_back({target, false});
    return FileResult::Success();
}

FileResult DatabaseReplacement::Remove(const std::string& file) {
    std::string target;
    if (FileResult free = Stage(file, true, target); !free) return free;
    steps_.push_back({target, true});
    return FileResult::Success();
}

FileResult DatabaseReplacement::KeepBackup() {
    const std::size_t before = steps_.size();
    for (const std::string& file : DatabaseFiles(names_)) {
        std::error_code error;
        const std::string backup = BackupNameOf(file);
        const FileResult staged =
            fs::is_regular_file(file, error) ? Link(backup, file) : Remove(backup);
        if (staged) continue;
        for (std::size_t i = before; i < steps_.size(); ++i) {
            if (!steps_[i].remove) RemoveQuietly(StagedNameOf(steps_[i].file));
        }
        steps_.resize(before);
        return staged;
    }
    return FileResult::Success();
}

FileResult DatabaseReplacement::CreateImageFolder() {
    std::error_code error;
    created_image_folder_ = fs::create_directories(names_.base, error) || created_image_folder_;
    if (error) return Failure(names_.base, error.value());
    if (!fs::is_directory(names_.base, error)) return Failure(names_.base, ENOTDIR);
    return FileResult::Success();
}

ImageCopy DatabaseReplacement::StageImages(const std::string& source, std::string_view extension,
                                           const ImageUndoCopy& undo,
                                           platform::Progress& progress) {
    ImageCopy copy = core::StageImages(source, names_.base, extension, undo, progress);
    std::error_code error;
    images_staged_ = images_staged_ || fs::is_directory(StagedImagesFolderOf(names_.base), error);
    return copy;
}

FileResult DatabaseReplacement::Commit() {
    const std::string log = ReplacementLogOf(names_);
    std::vector<std::string> touched{log};
    for (const Step& step : steps_) {
        std::error_code error;
        // Another copy of the program opening the database meanwhile removes staged files.
        if (!step.remove && !fs::exists(StagedNameOf(step.file), error)) {
            return Failure(step.file, ENOENT);
        }
        touched.push_back(step.file);
    }
    if (images_staged_) {
        std::error_code error;
        if (!fs::is_directory(StagedImagesFolderOf(names_.base), error)) {
            return Failure(names_.base, ENOENT);
        }
        touched.push_back(StagedImagesFolderOf(names_.base));
    }
    FlushFoldersOf(touched);
    FileResult logged = WriteFileSafely(log, [&](std::ostream& out) {
        out << kLogHeader << '\n';
        for (const Step& step : steps_) {
            std::error_code error;
            out << (step.remove ? '-' : '+') << fs::absolute(step.file, error).string() << '\n';
        }
        std::error_code error;
        if (images_staged_) out << '*' << fs::absolute(names_.base, error).string() << '\n';
        return FileResult::Success();
    });
    if (!logged) return logged;
    // From here on the change is made; what is not finished now, the next open finishes.
    committed_ = true;
    std::size_t step = 0;
    for (; step < steps_.size(); ++step) {
        CrashTestPoint(step);
        if (FileResult done = Apply(steps_[step].file, steps_[step].remove); !done) return done;
    }
    if (images_staged_) {
        FileResult done = PutStagedImagesInPlace(names_.base, [&] { CrashTestPoint(step++); });
        if (!done) return done;
    }
    CrashTestPoint(step);
    FlushFoldersOf(touched);
    RemoveQuietly(log);
    FlushFolder(FolderOf(log));
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
        DiscardStagedImages(names.base);
        return FileResult::Success();
    }

    std::ifstream in(log, std::ios::binary);
    if (!in) return Failure(log, errno);
    std::string line;
    // Each step: the file or folder, and '+' (put the staged file in place), '-' (remove the
    // file) or '*' (put the staged images of the default image folder in place).
    std::vector<std::pair<std::string, char>> steps;
    std::vector<std::string> touched{log};
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
        const std::string file = line.substr(1);
        const bool own = line[0] == '*' ? Canonical(file) == Canonical(names.base)
                                        : (line[0] == '+' || line[0] == '-') &&
                                              std::find(files.begin(), files.end(),
                                                        Canonical(file)) != files.end();
        if (!own) return FileResult::Failure(log, "Unknown step \"" + line + "\"");
        steps.emplace_back(file, line[0]);
        touched.push_back(file);
    }
    if (header) return FileResult::Failure(log, "Not a log of a database replacement");
    for (const auto& [file, kind] : steps) {
        FileResult done = kind == '*' ? PutStagedImagesInPlace(file) : Apply(file, kind == '-');
        if (!done) return done;
    }
    FlushFoldersOf(touched);
    RemoveQuietly(log);
    FlushFolder(FolderOf(log));
    return FileResult::Success();
}

}  // namespace core
