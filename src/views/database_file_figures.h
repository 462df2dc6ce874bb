#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the Database Properties window reads of a database's files on disk.
namespace views {

struct DatabaseFileFigures {
    // The main file's times, in seconds since 1970; nothing when it cannot be examined.
    std::optional<std::int64_t> created;
    std::optional<std::int64_t> modified;
    // The main file and, for a ".rdk" main file, its five companions; files that cannot be
    // examined add nothing.
    std::int64_t database_bytes = 0;
    // The image folder's gif, jpg and bmp files (extension in any case), not its sub-folders.
    int image_count = 0;
    std::int64_t image_bytes = 0;
};

// Its creation time is the file's birth time where the file system keeps one, else its
// modification time.
DatabaseFileFigures ReadDatabaseFileFigures(const std::string& main_path,
                                            const std::string& image_folder);

}  // namespace views
