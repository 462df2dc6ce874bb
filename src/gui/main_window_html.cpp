// The HTML Page Setup window opened from Tools > Generate HTML List, and the Print Output
// Options window.
#include "core/database_files.h"
#include "core/dates.h"
#include "core/paths.h"
#include "gui/html/html_page_printer.h"
#include "gui/html/page_setup_dialog.h"
#include "gui/html/print_options_dialog.h"
#include "gui/main_window.h"
#include "html/page_generation.h"
#include "html/theme_folder.h"

namespace gui {

void MainWindow::OpenPageSetup(html::ListKind kind) {
    if (!session_.IsOpen()) return;
    const html::ListCounts counts{session_.Videos.RowCount(), session_.Videos.SelectedCount(),
                                  session_.Wanted.Count()};
    html::PageSetup model(kind, counts, session_.paths, session_.config, prompts(),
                          page_setup_run_);
    PageSetupDialog dialog(
        model,
        {session_.Videos, core::DatabaseNamesOf(session_.CurrentDatabasePath).header,
         core::JoinPath(session_.paths.folder, "res/hllogo.gif"), prompts()},
        this);
    dialog.on_generate = [this](const html::GenerationChoice& choice) {
        GenerateHtmlPages(choice);
    };
    if (dialog.Start()) dialog.exec();
}

void MainWindow::GenerateHtmlPages(const html::GenerationChoice& choice) {
    html::PageRequest request{choice.destination, html::PageSettings::FromTheme(choice.settings),
                              html::ThemePath(session_.paths.theme_folder, choice.theme_name),
                              core::JoinPath(session_.paths.folder, "res/hllogo.gif"),
                              std::nullopt};
    if (choice.selected_only) request.selected_rows = session_.Videos.SelectedRows();
    html::GenerationServices services{database_services_.progress,
                                      session_.config.status_bar_visible, shell_,
                                      html::PageAddresses::FromService(service_)};
    // Results are not reported: an empty list writes nothing, and the browser shows the page.
    html::GenerateLists(choice.kind, request, {session_.Videos, session_.Wanted}, services);
}

void MainWindow::OpenPrintOptions(bool my_videos) {
    if (!session_.IsOpen()) return;
    if (session_.Videos.RowCount() == 0 && session_.Wanted.Count() == 0) return;
    if (my_videos) print_settings_.list = html::PrintList::kMyVideos;
    PrintOptionsDialog dialog(
        {print_settings_, session_.Videos, session_.Wanted, session_.paths, session_.ImageFolder,
         core::TodayShortDate(session_.clock), prompts(), database_services_.progress},
        this);
    dialog.print_page = [this](const std::string& page) { PrintHtmlPage(page, this); };
    dialog.exec();
}

}  // namespace gui
