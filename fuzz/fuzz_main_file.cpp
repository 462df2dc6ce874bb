// The main file (record blocks) read into a full 23-column table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dates.h"
#include "core/record_file.h"
#include "core/video_column.h"
#include "core/video_list.h"
#include "fuzz_input.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::VideoList list;
    std::vector<core::VideoColumn> columns;
    int custom = 0;
    for (int slot = 0; slot < core::kSlotCount; ++slot) {
        std::string name(core::BuiltInNameOfSlot(slot));
        if (name.empty()) name = "Misc" + std::to_string(++custom);
        columns.push_back(core::BuiltInColumn(name, slot, slot));
    }
    list.SetColumns(std::move(columns));
    const core::FixedClock clock(1078617600);
    platform::NoProgress progress;
    auto in = fuzz::Stream(data, size);
    core::RecordReadOptions options;
    options.move_leading_article = size % 2 == 1;
    core::ReadRecords(in, list, clock, options, progress);
    return 0;
}
