// The header file (the column table).
#include <cstddef>
#include <cstdint>

#include "core/header_file.h"
#include "core/video_list.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::VideoList list;
    auto in = fuzz::Stream(data, size);
    core::ReadHeader(in, list);
    return 0;
}
