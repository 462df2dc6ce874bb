#include "html/print_preview.h"

#include <numeric>
#include <sstream>
#include <vector>

#include "core/video_list.h"
#include "core/wanted_list.h"
#include "html/print_pages.h"

namespace html {
namespace {

constexpr int kSampleTitles = 9;  // three full rows with multiple columns

core::VideoList SampleVideos(bool titles_only) {
    core::VideoList videos;
    const char* const names[] = {"Key",      "Title",    "Year",   "Synopsis",
                                 "Director", "Producer", "Writer", "Category",
                                 "Duration", "Cast",     "MPAA"};
    std::vector<core::VideoColumn> columns;
    for (const char* name : names) {
        core::VideoColumn column;
        column.Name = name;
        column.ListIndex = static_cast<int>(columns.size());
        columns.push_back(column);
    }
    videos.SetColumns(std::move(columns));
    const int rows = titles_only ? kSampleTitles : 1;
    for (int row = 0; row < rows; ++row) {
        videos.InsertRow(row, "");
        videos.SetCell(row, videos.ColumnIndexOf("Title"), "My Video Title");
    }
    if (titles_only) return videos;
    const auto set = [&videos](const char* column, const char* text) {
        videos.SetCell(0, videos.ColumnIndexOf(column), text);
    };
    set("Year", "2004");
    set("Category", "Drama");
    set("MPAA", "PG-13");
    set("Duration", "01:52:00");
    set("Synopsis",
        "A short description of the video's story appears here, as it was typed in the "
        "record's synopsis.");
    set("Cast", "Leading Actor, Supporting Actress, Supporting Actor");
    set("Director", "Director Name");
    return videos;
}

}  // namespace

std::string PrintPreviewPage(const PrintSettings& settings, const std::string& no_image,
                             const std::string& date) {
    std::ostringstream out;
    platform::NoProgress progress;
    if (settings.list == PrintList::kWanted) {
        core::WantedList wanted;
        for (int i = 0; i < kSampleTitles; ++i) wanted.Add("Wanted Video Title");
        WriteWantedPrintPage(out, settings, wanted, date, progress);
        return out.str();
    }
    const core::VideoList videos = SampleVideos(settings.titles_only);
    std::vector<int> rows(static_cast<std::size_t>(videos.RowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    // No image folder: the sample record shows the placeholder image.
    const MyVideosPrint print{videos, rows, std::string(), no_image, date};
    WriteMyVideosPrintPage(out, settings, print, progress);
    return out.str();
}

}  // namespace html
