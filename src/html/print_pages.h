#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/video_list.h"
#include "core/wanted_list.h"
#include "html/print_settings.h"
#include "platform/progress.h"

// The print pages: a list written as one HTML page for printing (pm.html for My Videos, pw.html
// for Wanted Videos in the program folder).
namespace html {

// What a My Videos print page needs besides the settings.
struct MyVideosPrint {
    const core::VideoList& videos;
    std::span<const int> rows;            // the rows to print, in order
    std::string image_folder;             // the database's record images
    std::string no_image;                 // printed where a record has no image (res/pprev.gif)
    std::string date;                     // the printing date, month/day/two-digit year
    std::string list_name = "My Videos";  // in the heading: "Reeldeck - My Videos"
    // Where a row's picture is; when empty, the record's image file in `image_folder`.
    std::function<std::string(int row)> image_of = nullptr;
};

// The pages stream to `out`, with one progress step per record.
void WriteMyVideosPrintPage(std::ostream& out, const PrintSettings& settings,
                            const MyVideosPrint& print, platform::Progress& progress);
void WriteWantedPrintPage(std::ostream& out, const PrintSettings& settings,
                          const core::WantedList& wanted, const std::string& date,
                          platform::Progress& progress);

// The rows a print takes: the selected rows in ascending order when Selected is chosen, else all.
std::vector<int> RowsToPrint(const core::VideoList& videos, PrintRecords records);

// Write the page file at `path`: value 1 when written, 0 (and no file) when the list is empty,
// -1 with the path and the reason when the file cannot be written.
core::FileResult WriteMyVideosPrintFile(const std::string& path, const PrintSettings& settings,
                                        const MyVideosPrint& print, platform::Progress& progress);
core::FileResult WriteWantedPrintFile(const std::string& path, const PrintSettings& settings,
                                      const core::WantedList& wanted, const std::string& date,
                                      platform::Progress& progress);

}  // namespace html
