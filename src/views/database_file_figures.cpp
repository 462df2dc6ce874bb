#include "views/database_file_figures.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/database_files.h"
#include "core/paths.h"

namespace views {
namespace {

void ReadMainFileTimes(const std::string& path, DatabaseFileFigures& figures) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_MTIME | STATX_BTIME, &info) != 0) return;
    figures.modified = info.stx_mtime.tv_sec;
    figures.created =
        (info.stx_mask & STATX_BTIME) != 0 ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec;
}

std::int64_t SizeOrNothing(const std::string& path) {
    const std::int64_t size = core::FileSize(path);
    return size > 0 ? size : 0;
}

}  // namespace

DatabaseFileFigures ReadDatabaseFileFigures(const std::string& main_path,
                                            const std::string& image_folder) {
    DatabaseFileFigures figures;
    ReadMainFileTimes(main_path, figures);
    figures.database_bytes = SizeOrNothing(main_path);
    if (core::HasDatabaseExtension(main_path)) {
        for (const char* letter : {"a", "h", "i", "s", "w"})
            figures.database_bytes += SizeOrNothing(main_path + letter);
    }

    if (image_folder.empty()) return figures;
    std::error_code error;
    for (std::filesystem::directory_iterator it(image_folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code file_error;
        if (!it->is_regular_file(file_error)) continue;
        const std::string name = it->path().filename().string();
        if (!core::HasExtensionNoCase(name, "gif") && !core::HasExtensionNoCase(name, "jpg") &&
            !core::HasExtensionNoCase(name, "bmp"))
            continue;
        const std::uintmax_t size = it->file_size(file_error);
        ++figures.image_count;
        if (!file_error) figures.image_bytes += static_cast<std::int64_t>(size);
    }
    return figures;
}

}  // namespace views
