#include "imports/image_links.h"

#include <filesystem>
#include <vector>

#include "core/database_files.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace imports {
namespace fs = std::filesystem;
namespace {

bool IsImageName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string_view extension = std::string_view(name).substr(dot + 1);
    for (std::string_view known : core::kImageExtensions) {
        if (core::EqualsNoCase(extension, known)) return true;
    }
    return false;
}

// The image files of a folder (entries that are not folders), by name.
std::vector<std::string> ImageNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!IsImageName(name)) continue;
        std::error_code type_error;
        if (it->is_directory(type_error) && !it->is_symlink(type_error)) continue;
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

LinkedImages LinkOrCopyImages(const std::string& from, const std::string& to) {
    LinkedImages result;
    if (from.empty() || to.empty()) return result;
    const std::vector<std::string> names = ImageNames(from);
    result.files = static_cast<int>(names.size());
    bool linking = true;
    for (const std::string& name : names) {
        const fs::path source = fs::path(from) / name;
        const fs::path target = fs::path(to) / name;
        std::error_code error;
        if (linking) {
            fs::create_hard_link(source, target, error);
            if (error == std::errc::file_exists) {
                fs::remove(target, error);
                fs::create_hard_link(source, target, error);
            }
            if (!error) continue;
            // Another file system (or one without links): copies from here on.
            if (error != std::errc::cross_device_link &&
                error != std::errc::operation_not_permitted &&
                error != std::errc::operation_not_supported) {
                if (result.failed++ == 0)
                    result.first_failure =
                        core::FileResult::Failure(target.string(), error.message());
                continue;
            }
            linking = false;
        }
        core::FileResult copied = core::CopyFileSafely(source.string(), target.string());
        if (!copied && result.failed++ == 0) result.first_failure = std::move(copied);
    }
    return result;
}

void DeleteImageFilesOf(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code error;
    for (const std::string& name : ImageNames(folder)) fs::remove(fs::path(folder) / name, error);
}

}  // namespace imports
