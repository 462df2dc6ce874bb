#pragma once
// Helpers shared by the fuzz targets: the input as a stream or as a file on disk.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline std::istringstream Stream(const std::uint8_t* data, std::size_t size) {
    return std::istringstream(std::string(Text(data, size)));
}

// A folder of this process's own under the temporary folder, made on first use. Readers that take
// a path get the input written there; each run overwrites the same files.
inline const std::filesystem::path& ScratchFolder() {
    // Never destroyed, so that the removal at exit still finds the path.
    static const std::filesystem::path* const folder = [] {
        auto* path = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                               ("reeldeck-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*path);
        return path;
    }();
    static const bool removed_at_exit = std::atexit([] {
                                            std::error_code ignored;
                                            std::filesystem::remove_all(*folder, ignored);
                                        }) == 0;
    (void)removed_at_exit;
    return *folder;
}

// Writes the input to `name` in the scratch folder (making its folders) and returns its path.
inline std::filesystem::path WriteInput(const std::uint8_t* data, std::size_t size,
                                        const std::string& name) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace fuzz
