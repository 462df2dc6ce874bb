#include "core/staged_images.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <unordered_set>
#include <vector>

#include "core/paths.h"
#include "core/safe_file.h"

namespace core {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStagingName = ".reeldeck-staged";

void Fail(ImageCopy& copy, FileResult failure) {
    if (copy.failed++ == 0) copy.first_failure = std::move(failure);
}

// The staging folder as a real folder; a link of that name is not followed anywhere.
bool IsStagingFolder(const std::string& staging) {
    std::error_code error;
    return fs::is_directory(fs::symlink_status(staging, error));
}

}  // namespace

std::string StagedImagesFolderOf(const std::string& image_folder) {
    return JoinPath(image_folder, kStagingName);
}

ImageCopy StageImages(const std::string& source, const std::string& image_folder,
                      std::string_view extension, const ImageUndoCopy& undo,
                      platform::Progress& progress) {
    if (source.empty() || image_folder.empty()) return {.found = -1};
    if (source == image_folder) return {};
    const std::string staging = StagedImagesFolderOf(image_folder);
    std::error_code error;
    fs::create_directory(staging, error);
    if (error) {
        const auto found = static_cast<int>(FilesWithExtension(source, extension).size());
        return {found, found, FileResult::Failure(image_folder, SystemErrorText(error.value()))};
    }
    ImageCopy copy = CopyImages(source, staging, false, extension, ImageUndoCopy(), progress);
    const std::string failed_path = copy.first_failure.path;
    if (copy.failed > 0 && failed_path.starts_with(staging + "/")) {
        copy.first_failure.path = JoinPath(image_folder, fs::path(failed_path).filename().string());
    }

    // Each staged file must be able to take its place once the change is made.
    std::vector<std::string> replaced;
    for (const std::string& staged : FilesWithExtension(staging, extension)) {
        const std::string target = JoinPath(image_folder, fs::path(staged).filename().string());
        const fs::file_status status = fs::symlink_status(target, error);
        if (fs::is_directory(status)) {
            fs::remove(staged, error);
            Fail(copy, FileResult::Failure(target, SystemErrorText(EISDIR)));
        } else if (fs::exists(status)) {
            replaced.push_back(target);
        }
    }
    const std::vector<std::string> kept_list = undo.KeepBeforeChange(replaced);
    const std::unordered_set<std::string> kept(kept_list.begin(), kept_list.end());
    for (const std::string& target : replaced) {
        if (kept.contains(target)) continue;
        fs::remove(JoinPath(staging, fs::path(target).filename().string()), error);
        Fail(copy, FileResult::Failure(target, "The undo copy could not keep a file"));
    }
    return copy;
}

FileResult PutStagedImagesInPlace(const std::string& image_folder,
                                  const std::function<void()>& before_each) {
    const std::string staging = StagedImagesFolderOf(image_folder);
    if (!IsStagingFolder(staging)) return FileResult::Success();
    std::error_code error;
    std::vector<fs::path> staged;
    for (fs::directory_iterator it(staging, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        if (it->is_regular_file(type_error) && !it->is_symlink(type_error)) {
            staged.push_back(it->path());
        }
    }
    if (error) return FileResult::Failure(staging, SystemErrorText(error.value()));
    std::sort(staged.begin(), staged.end());
    for (const fs::path& file : staged) {
        if (before_each) before_each();
        const std::string target = JoinPath(image_folder, file.filename().string());
        fs::rename(file, target, error);
        if (error) return FileResult::Failure(target, SystemErrorText(error.value()));
    }
    // The images are in place on the disk before their staged names go.
    FlushFolder(image_folder);
    DiscardStagedImages(image_folder);
    return FileResult::Success();
}

void DiscardStagedImages(const std::string& image_folder) {
    const std::string staging = StagedImagesFolderOf(image_folder);
    std::error_code error;
    if (fs::exists(fs::symlink_status(staging, error))) fs::remove_all(staging, error);
}

}  // namespace core
