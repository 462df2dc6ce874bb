// The wanted file (one title a line).
#include <cstddef>
#include <cstdint>

#include "core/wanted_file.h"
#include "core/wanted_list.h"
#include "fuzz_input.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::WantedList wanted;
    platform::NoProgress progress;
    auto in = fuzz::Stream(data, size);
    core::ReadWanted(in, wanted, size % 2 == 1, progress);
    return 0;
}
