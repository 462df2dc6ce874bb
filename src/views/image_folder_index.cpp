#include "views/image_folder_index.h"

#include <array>
#include <filesystem>

#include "core/paths.h"

namespace views {
namespace {

constexpr std::array<std::string_view, 6> kPreference = {".jpg", ".JPG", ".gif",
                                                         ".GIF", ".bmp", ".BMP"};

int Rank(std::string_view extension) {
    for (std::size_t i = 0; i < kPreference.size(); ++i) {
        if (kPreference[i] == extension) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

ImageFolderIndex::ImageFolderIndex(const std::string& folder) : folder_(folder) {
    namespace fs = std::filesystem;
    if (folder.empty()) return;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code check;
        if (it->is_directory(check)) continue;
        const std::string name = it->path().filename().string();
        const std::size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0) continue;
        const std::string_view extension = std::string_view(name).substr(dot);
        const int rank = Rank(extension);
        if (rank < 0) continue;
        auto [entry, added] = files_.try_emplace(name.substr(0, dot), extension);
        if (!added && rank < Rank(entry->second)) entry->second = std::string(extension);
    }
}

std::string ImageFolderIndex::FileOf(std::string_view key) const {
    if (key.empty()) return {};
    auto found = files_.find(std::string(key));
    if (found == files_.end()) return {};
    return core::JoinPath(folder_, std::string(key) + found->second);
}

}  // namespace views
