#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The least a loader or a saver of a file must do, as yardsticks measured beside them in the
// same run on the same data.
namespace bench {

struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::string_view View() const { return {data.get(), size}; }
};

// Reads the whole file into a newly allocated buffer: the bytes in our own memory. Empty data
// when the file cannot be read.
FileBytes ReadWholeFile(const std::string& path);

std::int64_t CountLineFeeds(std::string_view bytes);

// Writes the bytes to a new file beside `path` in one write, flushes it to disk and renames it
// over `path`. False on any failure.
bool WriteSyncRename(std::string_view bytes, const std::string& path);

}  // namespace bench
