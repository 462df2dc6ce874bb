#include "core/database_files.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/database_replacement.h"
#include "core/image_path_file.h"
#include "core/paths.h"
#include "core/safe_file.h"
#include "core/sort_state_file.h"

namespace core {

bool HasDatabaseExtension(std::string_view path) {
    return HasExtensionNoCase(path, "rdk");
}

DatabaseNames DatabaseNamesOf(std::string_view chosen_path) {
    DatabaseNames names;
    if (HasDatabaseExtension(chosen_path)) {
        names.main = std::string(chosen_path);
        names.base = StripExtension(chosen_path);
    } else {
        names.base = std::string(chosen_path);
        names.main = names.base + ".rdk";
    }
    names.accounts = names.main + "a";
    names.header = names.main + "h";
    names.images = names.main + "i";
    names.sort = names.main + "s";
    names.wanted = names.main + "w";
    return names;
}

FileResult CopyFileSafely(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return FileResult::Failure(from, SystemErrorText(errno));
    return WriteFileSafely(to, [&](std::ostream& out) {
        std::vector<char> chunk(1 << 16);
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) ||
               in.gcount() > 0) {
            out.write(chunk.data(), in.gcount());
        }
        if (in.bad()) return FileResult::Failure(from, SystemErrorText(EIO));
        return FileResult::Success();
    });
}

FileResult CreateDatabaseFiles(std::string_view chosen_path, const std::string& default_header,
                               std::string* main_path) {
    const DatabaseNames names = DatabaseNamesOf(chosen_path);
    // The files of a database already there are replaced together, like a save's.
    if (FileResult r = FinishReplacement(names); !r) return r;
    DatabaseReplacement create(names);
    auto empty_file = [](const std::string& path) {
        return WriteFileSafely(path, [](std::ostream&) { return FileResult::Success(); });
    };
    if (FileResult r = create.Write(names.main, empty_file); !r) return r;
    std::error_code error;
    std::filesystem::create_directories(names.base, error);
    if (FileResult r = create.Write(names.wanted, empty_file); !r) return r;
    auto sort = [](const std::string& path) { return WriteSortState(SortState{}, path); };
    if (FileResult r = create.Write(names.sort, sort); !r) return r;
    auto images = [&](const std::string& path) { return WriteImagePathFile(path, names.base); };
    if (FileResult r = create.Write(names.images, images); !r) return r;
    auto header = [&](const std::string& path) { return CopyFileSafely(default_header, path); };
    if (FileResult r = create.Write(names.header, header); !r) return r;
    if (FileResult r = create.Commit(); !r) return r;
    if (main_path) *main_path = names.main;
    return FileResult::Success();
}

}  // namespace core
