// The image browser's first page of 150 covers at Normal size, from the walk of a large list to
// the last thumbnail on screen, beside decoding the same 150 files scaled on one thread. Input
// events are posted from another thread all the while; the longest wait for one of them to be
// handled is how long the window did not answer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <thread>

#include "app/session.h"
#include "bench/summary_table.h"
#include "core/header_file.h"
#include "gui/browser/image_browser_widget.h"
#include "temp_folder.h"

namespace {

constexpr int kCovers = 300;  // two pages: the first page is measured
const QSize kNormalBox(133, 167);

struct Fixture {
    std::string program_folder;
    std::string image_folder;
    QStringList first_page;  // the files of the first page, in list order
    int records = 0;
};

// A cover of the usual size with enough detail that its decoding costs what a real one does.
void WriteCover(const QString& path, int seed) {
    QImage image(500, 750, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 500, 750);
    ground.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 180, 220));
    ground.setColorAt(1, QColor::fromHsv(seed * 91 % 360, 200, 60));
    painter.fillRect(image.rect(), ground);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv((seed + i * 13) % 360, 150, 200, 160));
        painter.drawEllipse((i * 71 + seed) % 480, (i * 113 + seed * 7) % 730, 20 + i % 70,
                            15 + i % 40);
    }
    painter.setFont(QFont("Sans", 40, QFont::Bold));
    painter.drawText(image.rect(), Qt::AlignCenter, QString("Film %1").arg(seed));
    painter.end();
    image.save(path, "JPEG", 85);
}

struct BenchSession {
    explicit BenchSession(const Fixture& fixture)
        : paths(config::ProgramPaths::ForFolder(fixture.program_folder)),
          session(paths, config, recent, clock) {
        core::ReadHeader(session.Videos, REELDECK_DEFAULT_HEADER);
        session.CurrentDatabasePath = fixture.program_folder + "/films.rdk";
        session.ImageFolder = fixture.image_folder;
        core::VideoList& videos = session.Videos;
        const int title = videos.ColumnIndexOf("Title");
        videos.ReserveRows(static_cast<std::size_t>(fixture.records));
        for (int row = 0; row < fixture.records; ++row) {
            videos.InsertRow(row, std::to_string(1000000000 + row));
            videos.SetCell(row, title, "Film " + std::to_string(row));
        }
        session.AccessLevel = app::kFullAccess;
    }
    config::ProgramPaths paths;
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::SystemClock clock;
    app::Session session;
};

void DecodeOnOneThread(benchmark::State& state, const Fixture* fixture) {
    for (auto _ : state) {
        int decoded = 0;
        for (const QString& file : fixture->first_page)
            decoded += gui::ThumbnailLoader::Decode(file, kNormalBox).isNull() ? 0 : 1;
        if (decoded != static_cast<int>(fixture->first_page.size()))
            state.SkipWithError("a cover did not decode");
    }
}

// Timestamps of the posted input events as the window thread handles them.
class InputProbe final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
        }
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
};

double longest_gap_ms = 0;

void FirstPageInBrowser(benchmark::State& state, const Fixture* fixture) {
    BenchSession bench(*fixture);
    const QString res = QString::fromStdString(fixture->program_folder) + "/res";
    for (auto _ : state) {
        // A new browser each time: nothing cached.
        gui::ImageBrowserWidget browser(bench.session, res);
        browser.resize(1000, 700);
        browser.show();
        QApplication::processEvents();
        InputProbe probe;
        browser.canvas()->installEventFilter(&probe);
        std::atomic<bool> loading{true};
        bool loaded = false;
        QObject::connect(&browser.loader(), &gui::ThumbnailLoader::pageLoaded,
                         [&] { loaded = true; });

        // The first key event makes the keyboard device, which belongs to the window thread.
        const QKeyEvent made_here(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        probe.clock.start();
        std::thread input([&] {
            while (loading) {
                QCoreApplication::postEvent(
                    browser.canvas(),
                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier));
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        QElapsedTimer wall;
        wall.start();
        browser.Rebuild(true);
        while (!loaded) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        browser.canvas()->repaint();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        loading = false;
        input.join();
        QApplication::processEvents();
        probe.longest = std::max(probe.longest, probe.clock.nsecsElapsed() - probe.last);
        longest_gap_ms = std::max(longest_gap_ms, static_cast<double>(probe.longest) / 1e6);
        state.SetIterationTime(seconds);
        if (browser.browser().Page().size() != static_cast<std::size_t>(fixture->first_page.size()))
            state.SkipWithError("the page does not hold the covers");
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::optional<bool> smoke_run = bench::InitializeBenchmarks(argc, argv);
    if (!smoke_run) return 2;
    const bool smoke = *smoke_run;

    TempFolder folder;
    Fixture fixture;
    fixture.records = smoke ? 1000 : 100000;
    fixture.program_folder = folder / "program";
    fixture.image_folder = folder / "images";
    std::filesystem::create_directories(fixture.program_folder + "/cfg");
    std::filesystem::create_directories(fixture.image_folder);
    std::filesystem::copy(REELDECK_DATA_FOLDER "/res", fixture.program_folder + "/res");
    // The covers belong to rows spread over the whole list.
    const int step = fixture.records / kCovers;
    for (int i = 0; i < kCovers; ++i) {
        const QString file = QString::fromStdString(fixture.image_folder) +
                             QString("/%1.jpg").arg(1000000000 + i * step);
        WriteCover(file, i);
        if (i < 150) fixture.first_page << file;
    }

    const int repetitions = smoke ? 1 : 5;
    benchmark::RegisterBenchmark("DecodeOnOneThread", DecodeOnOneThread, &fixture)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->DisplayAggregatesOnly(repetitions > 1);
    benchmark::RegisterBenchmark("FirstPageInBrowser", FirstPageInBrowser, &fixture)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->DisplayAggregatesOnly(repetitions > 1);
    bench::CollectingReporter collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    std::cout << '\n';
    bench::PrintSummaryLine("measure", "records", "ours", "baseline", "ratio", "target");
    bench::PrintComparison(collector, "first page of 150 covers", fixture.records,
                           "FirstPageInBrowser", "DecodeOnOneThread", 1.2);
    std::cout << "longest wait of an input event while loading: " << longest_gap_ms << " ms\n";
    return 0;
}
