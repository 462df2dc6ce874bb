#include "html/print_output.h"

#include <cstdio>

#include "html/print_pages.h"

namespace html {
namespace {

void Report(const PrintRun& run, const core::FileResult& result, bool single,
            const char* empty_message) {
    if (result.value > 0) return;
    if (result.value == 0) {
        if (single) {
            run.prompts.Message(empty_message, "Print Cancelled", platform::Buttons::kOk,
                                platform::Icon::kInformation);
        }
        return;
    }
    run.prompts.Message(
        core::FormatText("An error occurred while attempting to generate a file which is required "
                         "for printing.\nBefore trying again, please verify that you have "
                         "permission to write to the following location:\n\n%s\n\nReason: %s.",
                         {result.path, result.reason}),
        "Print Output Error", platform::Buttons::kOk, platform::Icon::kError);
}

void PrintMyVideos(const PrintRun& run, bool single) {
    const std::vector<int> rows = RowsToPrint(run.videos, run.settings.records);
    const MyVideosPrint print{run.videos, rows, run.image_folder, run.no_image, run.date};
    const core::FileResult result =
        WriteMyVideosPrintFile(run.my_videos_page, run.settings, print, run.progress);
    if (result.value > 0) run.print_page(run.my_videos_page);
    Report(run, result, single, "The My Videos list is empty");
}

void PrintWanted(const PrintRun& run, bool single) {
    const core::FileResult result =
        WriteWantedPrintFile(run.wanted_page, run.settings, run.wanted, run.date, run.progress);
    if (result.value > 0) run.print_page(run.wanted_page);
    Report(run, result, single, "The Wanted Video list is empty");
}

}  // namespace

PrintChoices OpenPrintChoices(PrintList last_list, int video_rows, int selected_rows,
                              int wanted_count) {
    PrintChoices choices;
    choices.list = last_list;
    if (video_rows == 0) {
        choices.my_videos_enabled = false;
        choices.list = PrintList::kWanted;
    } else if (wanted_count == 0) {
        choices.wanted_enabled = false;
        choices.list = PrintList::kMyVideos;
    }
    return ChooseList(choices, choices.list, selected_rows);
}

PrintChoices ChooseList(PrintChoices choices, PrintList list, int selected_rows) {
    choices.list = list;
    choices.selected_enabled = selected_rows > 0 && list != PrintList::kWanted;
    choices.records = choices.selected_enabled ? PrintRecords::kSelected : PrintRecords::kAll;
    choices.include_images_enabled = list != PrintList::kWanted;
    return choices;
}

void DeletePrintPages(const PrintRun& run) {
    std::remove(run.my_videos_page.c_str());
    std::remove(run.wanted_page.c_str());
}

void PrintLists(const PrintRun& run) {
    DeletePrintPages(run);
    const bool single = run.settings.list != PrintList::kBoth;
    if (run.settings.list != PrintList::kWanted) PrintMyVideos(run, single);
    if (run.settings.list != PrintList::kMyVideos) PrintWanted(run, single);
}

}  // namespace html
