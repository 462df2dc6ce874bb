#include "core/images.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/database_files.h"
#include "core/image_path_file.h"
#include "core/paths.h"
#include "core/text.h"

namespace core {
namespace fs = std::filesystem;

bool IsImageFileName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    return std::any_of(
        std::begin(kImageExtensions), std::end(kImageExtensions),
        [&](std::string_view known) { return EqualsNoCase(name.substr(dot + 1), known); });
}

std::string ImageFileOf(const std::string& image_folder, std::string_view key) {
    if (image_folder.empty() || key.empty()) return {};
    const std::string base = JoinPath(image_folder, key);
    const std::string extension = FindImageExtension(base);
    return extension.empty() ? std::string() : base + extension;
}

void DeleteImageFiles(const std::string& image_folder, std::span<const std::string> keys,
                      const ImageUndoCopy& undo, const std::string& keep) {
    std::unordered_set<std::string_view> wanted(keys.begin(), keys.end());
    wanted.erase("");  // an empty Key names no record's file
    if (image_folder.empty() || wanted.empty()) return;
    std::error_code error;
    std::vector<std::string> doomed;
    for (fs::directory_iterator it(image_folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const std::size_t dot = name.rfind('.');
        if (!IsImageFileName(name) || !wanted.contains(std::string_view(name).substr(0, dot))) {
            continue;
        }
        std::error_code check;
        if (it->is_directory(check) && !it->is_symlink(check)) continue;
        // On a file system that ignores case, "key.JPG" may be the very file kept as "key.jpg".
        if (!keep.empty() && fs::equivalent(it->path(), keep, check)) continue;
        doomed.push_back(it->path().string());
    }
    for (const std::string& path : undo.KeepBeforeChange(std::move(doomed)))
        fs::remove(path, error);
}

std::string ResolveImageFolder(const std::string& image_path_file,
                               const std::string& default_folder) {
    std::optional<std::string> stored = ReadImagePathFile(image_path_file);
    if (stored && FolderExists(*stored)) return *stored;
    std::error_code error;
    fs::create_directories(default_folder, error);
    return default_folder;
}

int CountImageFiles(const std::string& folder) {
    int count = 0;
    for (std::string_view extension : kImageExtensions) {
        count += CountFilesWithExtension(folder, extension);
    }
    return count;
}

ImageCopy CopyImages(const std::string& source, const std::string& target, bool keep_existing,
                     std::string_view extension, const ImageUndoCopy& undo,
                     platform::Progress& progress) {
    if (source.empty() || target.empty()) return {.found = -1};
    if (source == target) return {};
    const std::vector<std::string> files = FilesWithExtension(source, extension);
    ImageCopy copy{.found = static_cast<int>(files.size())};
    platform::ProgressScope scope(progress, copy.found, "Saving images...");
    // Files about to be replaced are kept for the import undo first, all in one go.
    std::vector<std::string> replaced;
    if (!keep_existing) {
        for (const std::string& file : files) {
            std::string destination = JoinPath(target, fs::path(file).filename().string());
            if (FileExists(destination)) replaced.push_back(std::move(destination));
        }
    }
    const std::size_t to_replace = replaced.size();
    replaced = undo.KeepBeforeChange(std::move(replaced));
    const std::unordered_set<std::string> replaceable(replaced.begin(), replaced.end());
    if (const auto unkept = static_cast<int>(to_replace - replaceable.size()); unkept > 0) {
        if (copy.failed == 0)
            copy.first_failure = FileResult::Failure(target, "The undo copy could not keep a file");
        copy.failed += unkept;
    }
    for (const std::string& file : files) {
        const std::string destination = JoinPath(target, fs::path(file).filename().string());
        if (FileExists(destination) && (keep_existing || !replaceable.contains(destination))) {
            continue;
        }
        FileResult copied = CopyFileSafely(file, destination);
        if (copied) {
            scope.Step();
        } else if (copy.failed++ == 0) {
            copy.first_failure = std::move(copied);
        }
    }
    return copy;
}

void DeleteFolderFiles(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code error;
    std::vector<fs::path> doomed;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        // A link is removed itself, whatever it points to; a real sub-folder is kept.
        if (it->is_symlink(type_error) || !it->is_directory(type_error))
            doomed.push_back(it->path());
    }
    for (const fs::path& path : doomed) fs::remove(path, error);
}

}  // namespace core
