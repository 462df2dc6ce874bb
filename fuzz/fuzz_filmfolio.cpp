// A Filmfolio 2.0 movie database (.mff) staged for import, every field paired with a column.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/dates.h"
#include "core/video_list.h"
#include "full_table.h"
#include "fuzz_input.h"
#include "imports/staging.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::VideoList list;
    fuzz::SetFullColumns(list);
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
