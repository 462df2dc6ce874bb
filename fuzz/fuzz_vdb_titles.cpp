// A title list (CSV) that the video database service imports.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "vdb/title_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::Stream(data, size);
    vdb::ReadTitles(in, "titles.csv", fuzz::ScratchFolder().string());
    vdb::ReadTitlesFile(fuzz::WriteInput(data, size, "titles.csv").string());
    return 0;
}
