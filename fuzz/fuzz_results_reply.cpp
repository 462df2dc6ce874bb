// The online service's reply to a search, as a stream and as the results file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "wizard/results_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::Stream(data, size);
    const wizard::ResultsReply reply = wizard::ParseResults(in);
    for (const wizard::ResultRow& row : reply.rows) wizard::HasCover(row);
    wizard::ResultsReply from_file;
    wizard::ReadResultsFile(fuzz::WriteInput(data, size, "results.txt").string(), from_file);
    return 0;
}
