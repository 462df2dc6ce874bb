#include "imports/cover_folder.h"

#include <stdlib.h>

#include <filesystem>

namespace imports {
namespace fs = std::filesystem;

CoverFolder::CoverFolder() {
    std::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    if (error) return;
    std::string pattern = (temp / "reeldeck-covers-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
}

CoverFolder::~CoverFolder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
}

void CoverFolder::Clear() const {
    if (path_.empty()) return;
    std::error_code error;
    for (fs::directory_iterator it(path_, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        fs::remove_all(it->path(), ignored);
    }
}

}  // namespace imports
