// Opening a large database into the My Videos list of the desktop program, beside opening the
// same database with the logic alone: the list view must add next to nothing, because its model
// reads the session's rows in place and builds nothing per row; and with the columns sized to
// their contents, beside the same open without. Then, in the whole main window, how long each
// long operation keeps the window from answering and from showing progress.
//
//   reeldeck-bench-open-window [--records N] [--smoke] [benchmark options]
//
// N is 100,000 unless given (1,000,000 for the large-collection check). --smoke runs 1,000
// records once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>

#include "app/column_widths.h"
#include "app/command_ids.h"
#include "app/database_commands.h"
#include "bench/bench_database.h"
#include "bench/open_session.h"
#include "bench/silent_prompts.h"
#include "bench/summary_table.h"
#include "bench/window_stalls.h"
#include "config/service_config.h"
#include "core/database_files.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "fakes/fake_image_converter.h"
#include "gui/list_text_widths.h"
#include "gui/main_window.h"
#include "gui/memory_arena.h"
#include "gui/my_videos_pane.h"
#include "temp_folder.h"

namespace {

struct Fixture {
    std::string program_folder;
    std::string database;
};

void OpenWithLogic(benchmark::State& state, const Fixture* fixture) {
    for (auto _ : state) {
        bench::OpenSession open(fixture->program_folder);
        if (!open.Open(fixture->database)) state.SkipWithError("cannot open the database");
        benchmark::DoNotOptimize(open.session.Videos.RowCount());
    }
}

// Opens the database into the list view, its columns sized to their contents when `autosize`,
// as the main window sizes them after an open.
void OpenIntoList(benchmark::State& state, const Fixture* fixture, bool autosize) {
    const QString res = QString::fromStdString(fixture->program_folder) + "/res";
    for (auto _ : state) {
        bench::OpenSession open(fixture->program_folder);
        gui::MyVideosPane pane(open.session, res);
        pane.resize(1000, 700);
        pane.show();
        if (!open.Open(fixture->database)) state.SkipWithError("cannot open the database");
        pane.Reload();
        if (autosize) {
            gui::ListTextWidths widths(pane.view());
            app::ApplyColumnWidths(open.session.Videos, true, widths);
            pane.ApplyColumns();
        }
        // Lay out and paint the first screen of rows, as the user sees them.
        QApplication::processEvents();
        pane.view()->viewport()->repaint();
        benchmark::DoNotOptimize(pane.model()->rowCount());
    }
}

void OpenIntoWindow(benchmark::State& state, const Fixture* fixture) {
    OpenIntoList(state, fixture, false);
}

void OpenIntoWindowAutosized(benchmark::State& state, const Fixture* fixture) {
    OpenIntoList(state, fixture, true);
}

class NoShell final : public platform::Shell {
  public:
    void Open(const std::string&) override {}
};

// The operations a user runs on a large list in the main window, as the menus and the panes'
// buttons run them, each with how long the window stayed still.
void MeasureWindowStalls(const TempFolder& folder, const Fixture& fixture, int records) {
    const std::string program = folder / "window-program";
    std::filesystem::create_directories(program);
    for (const char* part : {"/cfg", "/res"}) {
        std::filesystem::copy(REELDECK_DATA_FOLDER + std::string(part), program + part,
                              std::filesystem::copy_options::recursive);
    }
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(program);
    config::ProgramConfig config;
    config::ReadConfig(config, paths.config);
    config::RecentDatabases recent;
    const core::SystemClock clock;
    app::Session session(paths, config, recent, clock);
    config::ServiceConfig service;
    NoShell shell;
    FakeHelp help;
    FakeDownloader downloader;
    FakeImageConverter converter;
    bench::SilentPrompts prompts;
    bench::NoLogin login;
    gui::MainWindow window(gui::MainWindowServices{session, service, shell, help, downloader,
                                                   converter, &prompts, &login});
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    QWidget* view = window.myVideos()->view();
    auto* progress = window.status()->findChild<QProgressBar*>("progress");
    const auto field = [&](const char* name, const char* text) {
        window.findChild<QComboBox*>(name)->setEditText(text);
    };
    const auto click = [&](const char* name) { window.findChild<QPushButton*>(name)->click(); };
    const auto sort_by = [&](const char* column) {
        window.RunCommand(app::cmd::kSortAscendingBase + session.Videos.ColumnIndexOf(column));
    };
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"open", [&] { app::OpenDatabase(session, window.databaseServices(), fixture.database); }},
        {"sort by Title", [&] { sort_by("Title"); }},
        {"sort by Year", [&] { sort_by("Year"); }},
        {"find_all \"tanaka\"",
         [&] {
             field("searchFind", "tanaka");
             click("searchFindButton");
         }},
        {"substitute_all \"Tanaka\"",
         [&] {
             field("replaceWhat", "Tanaka");
             field("replaceWith", "Tanaka-Quinn");
             click("replaceReplaceAll");
         }},
        {"save", [&] { window.RunCommand(app::cmd::kSave); }},
        {"close", [&] { app::CloseDatabase(session); }},
        {"open, columns autosized",
         [&] {
             config.video_list_autosize_columns = true;
             app::OpenDatabase(session, window.databaseServices(), fixture.database);
         }},
    };
    std::cout << "\nThe main window on " << bench::Grouped(records)
              << " records: how long each operation keeps it still\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-26s %12s %18s %22s\n", "operation", "time",
                  "longest unanswered", "longest w/o progress");
    std::cout << line;
    std::map<std::string, double> seconds;
    for (const auto& [name, operation] : operations) {
        const bench::Stall stall = bench::MeasureStall(view, progress, operation);
        seconds[name] = stall.seconds;
        std::snprintf(line, sizeof line, "%-26s %12s %18s %22s\n", name,
                      bench::Milliseconds(stall.seconds).c_str(),
                      bench::Milliseconds(stall.unanswered).c_str(),
                      bench::Milliseconds(stall.no_progress).c_str());
        std::cout << line;
    }
    std::cout << "Unanswered: the longest a key event posted every millisecond waited for the\n"
                 "window to take it (to handle it, or to refuse it while work runs beside the\n"
                 "window). Without progress: the longest time with neither an answer nor a\n"
                 "repaint of the status bar's progress bar.\n";
    const double plain = seconds["open"];
    std::printf("Open with the columns autosized beside the open without: ratio %.2f\n",
                plain > 0 ? seconds["open, columns autosized"] / plain : 0.0);
    window.Shutdown();
}

}  // namespace

int main(int argc, char** argv) {
    gui::UseOneMemoryArena();  // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int records = 100000;
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv, &records);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;
    if (smoke) records = 1000;

    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;
    TempFolder folder;
    Fixture fixture;
    fixture.program_folder = folder / "program";
    std::filesystem::create_directories(fixture.program_folder + "/cfg");
    std::filesystem::copy(REELDECK_DATA_FOLDER "/res", fixture.program_folder + "/res");
    std::filesystem::copy_file(REELDECK_DATA_FOLDER "/cfg/mlh.txt",
                               fixture.program_folder + "/cfg/mlh.txt");
    fixture.database = folder / "films.rdk";
    if (core::FileResult r = bench::WriteBenchDatabase(films, REELDECK_DATA_FOLDER "/cfg/mlh.txt",
                                                       records, fixture.database);
        !r) {
        std::cerr << "cannot make the database: " << r.Describe() << '\n';
        return 1;
    }

    const int repetitions = smoke ? 1 : 5;
    using Case = void (*)(benchmark::State&, const Fixture*);
    const std::pair<const char*, Case> cases[] = {
        {"OpenWithLogic", OpenWithLogic},
        {"OpenIntoWindow", OpenIntoWindow},
        {"OpenIntoWindowAutosized", OpenIntoWindowAutosized}};
    for (const auto& [name, run] : cases) {
        benchmark::RegisterBenchmark(name, run, &fixture)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly(repetitions > 1);
    }
    bench::CollectingReporter collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    const double logic = collector.SecondsOf("OpenWithLogic").value_or(0);
    const double window = collector.SecondsOf("OpenIntoWindow").value_or(0);
    std::cout << std::fixed << std::setprecision(1) << "\nOpening " << records
              << " records (median of " << repetitions << "): logic alone " << logic * 1e3
              << " ms, into the list view " << window * 1e3 << " ms, ratio " << std::setprecision(2)
              << (logic > 0 ? window / logic : 0.0) << " (target <= 1.5)\n";
    // Sizing the columns to their contents estimates every cell and measures only the widest
    // few, so it should add little to the open itself.
    const double autosized = collector.SecondsOf("OpenIntoWindowAutosized").value_or(0);
    std::cout << std::setprecision(1)
              << "With the columns sized to their contents: " << autosized * 1e3 << " ms, ratio "
              << std::setprecision(2) << (window > 0 ? autosized / window : 0.0)
              << " to the open into the list view (target <= 1.5)\n";
    MeasureWindowStalls(folder, fixture, records);
    return 0;
}
