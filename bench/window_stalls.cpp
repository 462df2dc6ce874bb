#include "bench/window_stalls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>
#include <atomic>
#include <thread>

namespace bench {
namespace {

// The moments the user sees the window live: an input event handled, or the progress bar
// repainted. Each kind's longest gap is kept, and the longest gap between signs of either kind.
class StallProbe final : public QObject {
  public:
    StallProbe(QWidget* input_target, QWidget* progress_bar)
        : input_target_(input_target), progress_bar_(progress_bar) {
        clock_.start();
        // Watched from the application: a key the window refuses while it holds still (long
        // work beside it) is answered all the same.
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == input_target_ && event->type() == QEvent::KeyPress) {
            Mark(last_answer_, longest_unanswered_);
        } else if (watched == progress_bar_ && event->type() == QEvent::Paint) {
            const qint64 now = clock_.nsecsElapsed();
            longest_silent_ = std::max(longest_silent_, now - last_sign_);
            last_sign_ = now;
        }
        return QObject::eventFilter(watched, event);
    }
    Stall Finish() {
        Mark(last_answer_, longest_unanswered_);
        qApp->removeEventFilter(this);
        return {static_cast<double>(clock_.nsecsElapsed()) / 1e9,
                static_cast<double>(longest_unanswered_) / 1e9,
                static_cast<double>(longest_silent_) / 1e9};
    }

  private:
    void Mark(qint64& last, qint64& longest) {
        const qint64 now = clock_.nsecsElapsed();
        longest = std::max(longest, now - last);
        longest_silent_ = std::max(longest_silent_, now - last_sign_);
        last = now;
        last_sign_ = now;
    }

    QWidget* input_target_;
    QWidget* progress_bar_;
    QElapsedTimer clock_;
    qint64 last_answer_ = 0;
    qint64 longest_unanswered_ = 0;
    qint64 last_sign_ = 0;
    qint64 longest_silent_ = 0;
};

}  // namespace

Stall MeasureStall(QWidget* input_target, QWidget* progress_bar,
                   const std::function<void()>& operation) {
    // The first key event makes the keyboard device, which belongs to the window thread.
    const QKeyEvent made_here(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::processEvents();
    StallProbe probe(input_target, progress_bar);
    std::atomic<bool> running{true};
    std::thread input([&] {
        while (running) {
            QCoreApplication::postEvent(
                input_target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    operation();
    // What the operation left for the event loop (repaints, queued calls) is part of it.
    QApplication::processEvents();
    running = false;
    input.join();
    QApplication::processEvents();
    return probe.Finish();
}

}  // namespace bench
