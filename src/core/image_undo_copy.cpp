#include "core/image_undo_copy.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/database_files.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace core {
namespace fs = std::filesystem;
namespace {

// Manifest: the listed folder on the first line, then one "inode<TAB>name" line per image file.
// Names may hold any byte but "/", so "\" and line feeds are written as "\\" and "\n".
constexpr const char* kManifestName = "manifest.txt";

struct Manifest {
    std::string folder;
    std::unordered_map<std::string, ino_t> files;  // name -> inode when listed
};

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[++i] == 'n' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

// The manifest, with only the entries `wanted` accepts (all when it is empty). Nothing when it
// cannot be read.
template <typename Wanted>
std::optional<Manifest> ReadManifest(const std::string& path, const Wanted& wanted) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    Manifest manifest;
    std::size_t start = 0;
    bool first = true;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        if (first) {
            manifest.folder = Unescaped(line);
            first = false;
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        std::string name = Unescaped(line.substr(tab + 1));
        if (!wanted(name)) continue;
        unsigned long long inode = 0;
        const std::string_view number = line.substr(0, tab);
        if (std::from_chars(number.data(), number.data() + number.size(), inode).ec != std::errc())
            return std::nullopt;
        manifest.files.emplace(std::move(name), static_cast<ino_t>(inode));
    }
    return manifest;
}

std::optional<ino_t> InodeOf(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return std::nullopt;
    return status.st_ino;
}

bool SameFolder(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    if (fs::path(a).lexically_normal() == fs::path(b).lexically_normal()) return true;
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

// Names the image files (not folders) of a folder, with their inodes, straight from the folder's
// entries: no file is opened or looked at on its own unless the entry does not tell its type.
template <typename Each>
bool ListImageFiles(const std::string& folder, Each each) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!IsImageFileName(name)) continue;
        bool folder_entry = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            folder_entry =
                ::lstat(JoinPath(folder, name).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
        }
        if (!folder_entry) each(name, entry->d_ino);
    }
    ::closedir(dir);
    return true;
}

// Puts `from` at `to` (replacing it) as a hard link, or as a copy where links cannot be made.
FileResult LinkOrCopy(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) == 0) return FileResult::Success();
    if (errno == EEXIST) {
        // Linked beside the old file first, so that the old one is replaced in one step.
        const std::string temp = to + ".undo-link";
        ::unlink(temp.c_str());
        if (::link(from.c_str(), temp.c_str()) == 0) {
            if (::rename(temp.c_str(), to.c_str()) == 0) return FileResult::Success();
            ::unlink(temp.c_str());
            return FileResult::Failure(to, SystemErrorText(errno));
        }
    }
    if (errno != EXDEV && errno != EPERM && errno != ENOTSUP && errno != EMLINK) {
        return FileResult::Failure(to, SystemErrorText(errno));
    }
    return CopyFileSafely(from, to);
}

// Moves `from` to `to` (replacing it); a copy across file systems.
FileResult MoveOrCopy(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) == 0) return FileResult::Success();
    if (errno != EXDEV) return FileResult::Failure(to, SystemErrorText(errno));
    return CopyFileSafely(from, to);
}

}  // namespace

std::string ImageUndoCopy::ManifestPath() const {
    return JoinPath(store_, kManifestName);
}

bool ImageUndoCopy::Exists() const {
    return !store_.empty() && FileExists(ManifestPath());
}

FileResult ImageUndoCopy::Take(const std::string& image_folder) const {
    std::error_code error;
    fs::remove_all(store_, error);
    fs::create_directories(store_, error);
    if (error) return FileResult::Failure(store_, error.message());
    std::string manifest = Escaped(image_folder) + '\n';
    if (!image_folder.empty() && FolderExists(image_folder)) {
        const bool listed = ListImageFiles(image_folder, [&](std::string_view name, ino_t inode) {
            manifest += std::to_string(inode);
            manifest += '\t';
            manifest += Escaped(name);
            manifest += '\n';
        });
        if (!listed) {
            const int reason = errno;
            fs::remove_all(store_, error);
            return FileResult::Failure(image_folder, SystemErrorText(reason));
        }
    }
    // Scratch work of this run: written whole or reported, not worth waiting for the disk.
    std::ofstream out(ManifestPath(), std::ios::binary);
    out.write(manifest.data(), static_cast<std::streamsize>(manifest.size()));
    out.close();
    if (!out) {
        const int reason = errno;
        fs::remove_all(store_, error);
        return FileResult::Failure(ManifestPath(), SystemErrorText(reason));
    }
    return FileResult::Success();
}

std::vector<std::string> ImageUndoCopy::KeepBeforeChange(std::vector<std::string> files) const {
    if (files.empty() || !Exists()) return files;
    std::unordered_set<std::string> names;
    for (const std::string& file : files) names.insert(fs::path(file).filename().string());
    const std::optional<Manifest> manifest =
        ReadManifest(ManifestPath(), [&](const std::string& name) { return names.contains(name); });
    // A copy that cannot be read could not tell what must be kept: nothing may change.
    if (!manifest) return {};
    std::vector<std::string> changeable;
    for (std::string& file : files) {
        const std::string name = fs::path(file).filename().string();
        const auto listed = manifest->files.find(name);
        const std::string kept = JoinPath(store_, name);
        // Not listed (added since), kept already, gone, or no longer the listed file: nothing to
        // keep. Only the listed file itself is worth keeping, and only once: its first change.
        const bool keep = listed != manifest->files.end() &&
                          SameFolder(fs::path(file).parent_path().string(), manifest->folder) &&
                          !InodeOf(kept) && InodeOf(file) == listed->second;
        if (!keep || LinkOrCopy(file, kept)) changeable.push_back(std::move(file));
    }
    return changeable;
}

bool ImageUndoCopy::KeepBeforeChange(const std::string& file) const {
    return !KeepBeforeChange(std::vector<std::string>{file}).empty();
}

FileResult ImageUndoCopy::RestoreInto(const std::string& image_folder) const {
    const std::optional<Manifest> manifest =
        ReadManifest(ManifestPath(), [](const std::string&) { return true; });
    if (!manifest) return FileResult::Failure(ManifestPath(), "There is no undo copy");
    if (image_folder.empty()) return FileResult::Success();
    std::error_code error;
    fs::create_directories(image_folder, error);
    FileResult result = FileResult::Success();
    auto note = [&](FileResult step) {
        if (!step && result) result = std::move(step);
    };

    // Image files added since the copy was taken go.
    std::vector<std::string> added;
    ListImageFiles(image_folder, [&](std::string_view name, ino_t) {
        if (!manifest->files.contains(std::string(name)))
            added.push_back(JoinPath(image_folder, name));
    });
    for (const std::string& file : added) {
        if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
            note(FileResult::Failure(file, SystemErrorText(errno)));
        }
    }
    const bool same_folder = SameFolder(image_folder, manifest->folder);
    for (const auto& [name, inode] : manifest->files) {
        const std::string target = JoinPath(image_folder, name);
        const std::string kept = JoinPath(store_, name);
        if (InodeOf(kept)) {
            note(MoveOrCopy(kept, target));
        } else if (!same_folder) {
            // The database moved to another folder since: the listed file, where it still is.
            const std::string listed = JoinPath(manifest->folder, name);
            if (InodeOf(listed) == inode) note(LinkOrCopy(listed, target));
        }
    }
    return result;
}

void ImageUndoCopy::Discard() const {
    std::error_code error;
    if (!store_.empty()) fs::remove_all(store_, error);
}

}  // namespace core
