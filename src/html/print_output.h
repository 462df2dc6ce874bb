#pragma once

#include <functional>
#include <string>

#include "core/video_list.h"
#include "core/wanted_list.h"
#include "html/print_settings.h"
#include "platform/progress.h"
#include "platform/prompts.h"

// Printing the lists: what the Print Output Options window lets the user choose, and the print
// run that writes the pages and hands them to the printer.
namespace html {

// The list and records choices of the window and which of them can be changed.
struct PrintChoices {
    PrintList list = PrintList::kMyVideos;
    PrintRecords records = PrintRecords::kAll;
    // Both can be chosen only while both lists can.
    bool my_videos_enabled = true;
    bool wanted_enabled = true;
    bool selected_enabled = false;
    bool include_images_enabled = true;
};

// The choices as the window opens, from the list chosen last in this run: an empty list cannot
// be chosen, and Selected is chosen when My Videos has selected rows.
PrintChoices OpenPrintChoices(PrintList last_list, int video_rows, int selected_rows,
                              int wanted_count);
// The choices after the user picks another list.
PrintChoices ChooseList(PrintChoices choices, PrintList list, int selected_rows);

// Everything a print run works with. `print_page` sends one written page to the printer.
struct PrintRun {
    const PrintSettings& settings;
    const core::VideoList& videos;
    const core::WantedList& wanted;
    std::string image_folder;
    std::string my_videos_page;  // pm.html
    std::string wanted_page;     // pw.html
    std::string no_image;        // res/pprev.gif
    std::string date;
    platform::Prompts& prompts;
    platform::Progress& progress;
    std::function<void(const std::string& page)> print_page;
};

// Deletes both pages, then writes and prints the chosen lists. An empty list is reported when it
// was the only one chosen and skipped silently with Both; a page that cannot be written is
// reported and not printed.
void PrintLists(const PrintRun& run);

// Removes both print pages (when the window is cancelled).
void DeletePrintPages(const PrintRun& run);

}  // namespace html
