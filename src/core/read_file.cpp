#include "core/read_file.h"

#include <cerrno>
#include <fstream>

#include "core/paths.h"

namespace core {

FileResult ReadFileWith(const std::string& path,
                        const std::function<FileResult(std::istream&)>& read) {
    if (path.empty()) return FileResult::Failure(path, SystemErrorText(ENOENT));
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileResult::Failure(path, SystemErrorText(errno));
    FileResult result = read(in);
    if (!result) result.path = path;
    return result;
}

}  // namespace core
