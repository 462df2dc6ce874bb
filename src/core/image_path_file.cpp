#include "core/image_path_file.h"

#include <fstream>
#include <iterator>

namespace core {

std::optional<std::string> ReadImagePathFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::size_t newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

FileResult WriteImagePathFile(const std::string& path, const std::string& folder,
                              FileSystemCalls& calls) {
    return WriteFileSafely(path, [&](std::ostream& out) {
            out << folder;
            return FileResult::Success();
        }, 0666, calls);
}

}  // namespace core
