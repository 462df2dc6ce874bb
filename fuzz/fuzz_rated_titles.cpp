// The "vals" parameter of a rating sent to the video database service.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "vdb/request_params.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vdb::ParseRatedTitles(std::string(fuzz::Text(data, size)));
    return 0;
}
