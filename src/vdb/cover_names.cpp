#include "vdb/cover_names.h"

#include <charconv>

namespace vdb {
namespace {

constexpr std::int64_t kTitlesPerFolder = 1000;

std::optional<std::int64_t> PositiveNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::int64_t CoverFolder(std::int64_t id) {
    return (id - 1) / kTitlesPerFolder + 1;
}

std::string CoverFileName(const Title& title) {
    return std::to_string(title.id) + "." +
           (title.cover_extension.empty() ? std::string("jpg") : title.cover_extension);
}

std::optional<CoverPath> ParseCoverPath(std::string_view folder, std::string_view file) {
    const std::size_t dot = file.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const std::optional<std::int64_t> id = PositiveNumber(file.substr(0, dot));
    const std::optional<std::int64_t> folder_number = PositiveNumber(folder);
    if (!id || !folder_number || *folder_number != CoverFolder(*id)) return std::nullopt;
    const std::string_view extension = file.substr(dot + 1);
    if (CoverMediaType(extension).empty()) return std::nullopt;
    return CoverPath{*id, std::string(extension)};
}

std::string_view CoverMediaType(std::string_view extension) {
    if (extension == "jpg") return "image/jpeg";
    if (extension == "gif") return "image/gif";
    if (extension == "bmp") return "image/bmp";
    return {};
}

}  // namespace vdb
