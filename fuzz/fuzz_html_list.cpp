// An HTML list page opened as a list (its headings and row markers).
#include <cstddef>
#include <cstdint>

#include "core/dates.h"
#include "core/video_list.h"
#include "fuzz_input.h"
#include "html/html_list_reader.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto count = fuzz::Stream(data, size);
    html::CountHtmlListRows(count);
    core::VideoList videos;
    const core::FixedClock clock(1078617600);
    platform::NoProgress progress;
    auto in = fuzz::Stream(data, size);
    html::ReadHtmlList(in, videos, clock, progress);
    return 0;
}
