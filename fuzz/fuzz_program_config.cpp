// cfg.txt, the program configuration.
#include <cstddef>
#include <cstdint>

#include "config/program_config.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    config::ProgramConfig config;
    auto in = fuzz::Stream(data, size);
    config::ReadConfig(in, config);
    return 0;
}
