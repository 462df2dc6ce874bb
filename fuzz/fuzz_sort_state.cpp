// The sort state file (sorted column and direction).
#include <cstddef>
#include <cstdint>

#include "core/sort_state_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::SortState state;
    auto in = fuzz::Stream(data, size);
    core::ReadSortState(in, state);
    return 0;
}
