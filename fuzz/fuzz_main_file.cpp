// The main file (record blocks) read into a full 23-column table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dates.h"
#include "core/record_file.h"
#include "core/video_list.h"
#include "full_table.h"
#include "fuzz_input.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::VideoList list;
    fuzz::SetFullColumns(list);
    const core::FixedClock clock(1078617600);
    platform::NoProgress progress;
    auto in = fuzz::Stream(data, size);
    core::RecordReadOptions options;
    options.move_leading_article = size % 2 == 1;
    core::ReadRecords(in, list, clock, options, progress);
    return 0;
}
