// The image path file (the database's image folder); the reader takes a path.
#include <cstddef>
#include <cstdint>

#include "core/image_path_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::ReadImagePathFile(fuzz::WriteInput(data, size, "videos.rdki").string());
    return 0;
}
