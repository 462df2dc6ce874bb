// The deployment's online addresses (cfg/service.txt), with and without the environment's
// override of the base address.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/service_config.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "cfg/service.txt").string();
    config::ServiceConfig service;
    config::ReadServiceConfig(service, path, size % 2 == 1 ? "http://127.0.0.1:8080/vdb/" : "");
    return 0;
}
