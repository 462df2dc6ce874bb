// Opening a large database into the My Videos list of the desktop program, beside opening the
// same database with the logic alone: the list view must add next to nothing, because its model
// reads the session's rows in place and builds nothing per row.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>

#include "app/database_commands.h"
#include "bench/bench_database.h"
#include "bench/silent_prompts.h"
#include "bench/summary_table.h"
#include "core/database_files.h"
#include "gui/my_videos_pane.h"
#include "temp_folder.h"

namespace {

struct Fixture {
    std::string program_folder;
    std::string database;
};

// Opens the database into a fresh session, as the program does.
struct OpenSession {
    explicit OpenSession(const Fixture& fixture)
        : paths(config::ProgramPaths::ForFolder(fixture.program_folder)),
          session(paths, config, recent, clock),
          services{prompts, progress, login} {}
    bool Open(const Fixture& fixture) {
        return app::OpenDatabase(session, services, fixture.database) == 1;
    }
    config::ProgramPaths paths;
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::SystemClock clock;
    app::Session session;
    bench::SilentPrompts prompts;
    platform::NoProgress progress;
    bench::NoLogin login;
    app::DatabaseServices services;
};

void OpenWithLogic(benchmark::State& state, const Fixture* fixture) {
    for (auto _ : state) {
        OpenSession open(*fixture);
        if (!open.Open(*fixture)) state.SkipWithError("cannot open the database");
        benchmark::DoNotOptimize(open.session.Videos.RowCount());
    }
}

void OpenIntoWindow(benchmark::State& state, const Fixture* fixture) {
    const QString res = QString::fromStdString(fixture->program_folder) + "/res";
    for (auto _ : state) {
        OpenSession open(*fixture);
        gui::MyVideosPane pane(open.session, res);
        pane.resize(1000, 700);
        pane.show();
        if (!open.Open(*fixture)) state.SkipWithError("cannot open the database");
        pane.Reload();
        // Lay out and paint the first screen of rows, as the user sees them.
        QApplication::processEvents();
        pane.view()->viewport()->repaint();
        benchmark::DoNotOptimize(pane.model()->rowCount());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;

    const std::vector<filmdata::Film> films = bench::ReadBenchFilms();
    if (films.empty()) return 1;
    const int records = smoke ? 1000 : 100000;
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
    const std::pair<const char*, Case> cases[] = {{"OpenWithLogic", OpenWithLogic},
                                                  {"OpenIntoWindow", OpenIntoWindow}};
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
    return 0;
}
