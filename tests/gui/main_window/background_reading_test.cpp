// Long reading work beside the window's thread: the windows hold still meanwhile, and what was
// refused or held back is sorted out once the work ends.
#include "gui/background_reading.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "gui/window_hold.h"
#include "recording_progress.h"

namespace {

class KeyCountingWidget final : public QWidget {
  public:
    int keys = 0;

  protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

// Runs `while_held` on the window's thread while a work waits for it, then lets the work end.
void RunHeld(gui::BackgroundReading& reading, const std::function<void()>& while_held,
             const std::function<void(platform::Progress&)>& work = {}) {
    std::atomic<bool> go_on = false;
    QTimer::singleShot(20, [&] {
        while_held();
        go_on = true;
    });
    reading.Run([&](platform::Progress& progress) {
        while (!go_on) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (work) work(progress);
    });
}

TEST(BackgroundReadingTest, WindowsHoldStillUntilTheWorkEnds) {
    RecordingProgress display;
    gui::BackgroundReading reading(display);
    KeyCountingWidget window;
    window.show();
    std::vector<std::string> order;
    std::thread::id work_thread;

    RunHeld(
        reading,
        [&] {
            EXPECT_TRUE(gui::WindowHold::Active());
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
            QApplication::sendEvent(&window, &key);
            window.close();
            gui::PostToWindowThread(&window, [&] { order.push_back("worker's result"); });
            QApplication::processEvents();
            order.push_back("held");
        },
        [&](platform::Progress& progress) {
            work_thread = std::this_thread::get_id();
            progress.Begin(10, "Saving");
            progress.Step(4);
            progress.Step(6);
            progress.End();
        });
    order.push_back("work ended");
    QApplication::processEvents();

    EXPECT_NE(work_thread, std::this_thread::get_id());
    EXPECT_EQ(window.keys, 0) << "input is refused while held";
    EXPECT_TRUE(window.isVisible()) << "a close request is refused while held";
    EXPECT_EQ(order, (std::vector<std::string>{"held", "work ended", "worker's result"}));
    EXPECT_EQ(display.displays,
              (std::vector<RecordingProgress::Display>{{"Saving", 10, 10, true}}));

    EXPECT_FALSE(gui::WindowHold::Active());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&window, &key);
    EXPECT_EQ(window.keys, 1);
}

TEST(BackgroundReadingTest, AFailureOfTheWorkComesOutOfTheRun) {
    RecordingProgress display;
    gui::BackgroundReading reading(display);
    EXPECT_THROW(reading.Run([](platform::Progress&) { throw std::runtime_error("disk gone"); }),
                 std::runtime_error);
    EXPECT_FALSE(gui::WindowHold::Active());
}

TEST(BackgroundReadingTest, AHeldResultForAWindowClosedMeanwhileIsDropped) {
    RecordingProgress display;
    gui::BackgroundReading reading(display);
    bool ran = false;
    auto* window = new QWidget;
    RunHeld(reading, [&] {
        gui::PostToWindowThread(window, [&] { ran = true; });
        QApplication::processEvents();
        delete window;
    });
    QApplication::processEvents();
    EXPECT_FALSE(ran);
}

}  // namespace
