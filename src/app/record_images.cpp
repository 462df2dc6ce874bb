#include "app/record_images.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "core/database_files.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

constexpr std::array<std::string_view, 10> kPictureExtensions = {
    "jpg", "jpeg", "jpe", "jfif", "gif", "bmp", "png", "webp", "tif", "tiff"};

// A Key names a file in the image folder; one read from a damaged file must not name a file
// anywhere else.
bool IsPlainName(std::string_view key) {
    return !key.empty() && key != "." && key != ".." &&
           key.find_first_of("/\\") == std::string_view::npos;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// Converts into a temporary name beside the target first, so that a failed conversion leaves
// no half-written image under the record's name.
bool ConvertInto(const std::string& source, const std::string& target,
                 platform::ImageConverter& converter) {
    const std::string temp = target + ".converting";
    std::error_code error;
    if (converter.ConvertToJpeg(source, temp)) {
        std::filesystem::rename(temp, target, error);
        if (!error) return true;
    }
    std::filesystem::remove(temp, error);
    return false;
}

}  // namespace

const platform::FileFilter& PictureFileFilter() {
    static const platform::FileFilter filter{
        "Pictures (*.jpg *.jpeg *.gif *.bmp *.png *.webp *.tif *.tiff)",
        "*.jpg *.jpeg *.jpe *.jfif *.gif *.bmp *.png *.webp *.tif *.tiff"};
    return filter;
}

std::span<const std::string_view> PictureExtensions() {
    return kPictureExtensions;
}

bool IsPictureExtension(std::string_view extension) {
    const std::string folded = core::ToLowerAscii(std::string(extension));
    for (std::string_view known : kPictureExtensions) {
        if (folded == known) return true;
    }
    return false;
}

bool IsStoredImageExtension(std::string_view extension) {
    for (std::string_view stored : core::kImageExtensions) {
        if (core::EqualsNoCase(extension, stored)) return true;
    }
    return false;
}

std::string PreviewImagePath(std::string_view program_folder, std::string_view extension) {
    return core::JoinPath(program_folder, "res/iprev." + std::string(extension));
}

bool IsJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char start[3] = {};
    in.read(reinterpret_cast<char*>(start), sizeof start);
    return in.gcount() == 3 && start[0] == 0xff && start[1] == 0xd8 && start[2] == 0xff;
}

std::string StoreRecordImage(const std::string& image_folder, std::string_view key,
                             const std::string& source, platform::ImageConverter& converter,
                             const core::ImageUndoCopy& undo) {
    if (image_folder.empty() || source.empty() || !IsPlainName(key) || !core::FileExists(source)) {
        return {};
    }
    // The record's own image, whatever the case of its extension, stays as it is.
    if (SameFile(source, core::ImageFileOf(image_folder, key))) return source;
    const std::string name = core::FileNameOf(source);
    const std::string extension =
        name.find('.') == std::string::npos ? "" : core::ToLowerAscii(core::ExtensionOf(name));
    const bool as_is = IsStoredImageExtension(extension);
    const std::string stored_extension = as_is ? extension : "jpg";
    const std::string target =
        core::JoinPath(image_folder, std::string(key) + "." + stored_extension);

    if (!SameFile(source, target)) {
        if (core::FileExists(target) && !undo.KeepBeforeChange(target)) return {};
        const bool copied = as_is || IsJpegFile(source) ? core::CopyFileSafely(source, target).ok()
                                                        : ConvertInto(source, target, converter);
        if (!copied) return {};
    }
    const std::string keys[] = {std::string(key)};
    core::DeleteImageFiles(image_folder, keys, undo, target);
    return target;
}

void DeleteRecordImages(const std::string& image_folder, std::string_view key,
                        const core::ImageUndoCopy& undo) {
    const std::string keys[] = {std::string(key)};
    core::DeleteImageFiles(image_folder, keys, undo);
}

}  // namespace app
