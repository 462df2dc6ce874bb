// The recent databases list and the history files (one entry a line); both take a path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/recent_databases.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "recent.txt").string();
    config::RecentDatabases recent;
    recent.Load(path);
    recent.NewestFirst();
    std::vector<std::string> history;
    config::LoadHistory(history, path);
    return 0;
}
