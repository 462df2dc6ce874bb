// The print settings file.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "html/print_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    html::PrintSettings settings;
    auto in = fuzz::Stream(data, size);
    html::ReadPrintSettings(in, settings);
    return 0;
}
