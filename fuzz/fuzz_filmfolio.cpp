// A Filmfolio 2.0 movie database (.mff) staged for import, every field paired with a column.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dates.h"
#include "core/video_column.h"
#include "core/video_list.h"
#include "fuzz_input.h"
#include "imports/staging.h"
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
    imports::ImportRequest request;
    request.kind = imports::SourceKind::kFilmfolio;
    request.source_path = fuzz::WriteInput(data, size, "movies.mff").string();
    for (int field = 0; field < core::kSlotCount; ++field) request.pairs.push_back({field, field});
    request.options.place_the_in_back = size % 2 == 1;
    const core::FixedClock clock(1078617600);
    platform::NoProgress progress;
    imports::StagedImport staged;
    imports::StageFilmfolio(list, clock, request, progress, &staged);
    return 0;
}
