#include "gui/background_reading.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gui/window_hold.h"

namespace gui {
namespace {

// Takes the work's progress on its thread and hands it to the display on the window's thread.
// Steps in a row add up, so the window sees one step per look however fast the work runs.
class ProgressRelay final : public platform::Progress {
  public:
    void Begin(std::int64_t range, std::string_view text) override {
        std::lock_guard lock(mutex_);
        changes_.push_back({Kind::kBegin, range, std::string(text)});
    }
    void Step(std::int64_t count) override {
        std::lock_guard lock(mutex_);
        if (!changes_.empty() && changes_.back().kind == Kind::kStep) {
            changes_.back().amount += count;
        } else {
            changes_.push_back({Kind::kStep, count, {}});
        }
    }
    void End() override {
        std::lock_guard lock(mutex_);
        changes_.push_back({Kind::kEnd, 0, {}});
    }

    // Shows what happened since the last look.
    void ShowOn(platform::Progress& display) {
        std::vector<Change> changes;
        {
            std::lock_guard lock(mutex_);
            changes.swap(changes_);
        }
        for (const Change& change : changes) {
            switch (change.kind) {
                case Kind::kBegin:
                    display.Begin(change.amount, change.text);
                    break;
                case Kind::kStep:
                    display.Step(change.amount);
                    break;
                case Kind::kEnd:
                    display.End();
                    break;
            }
        }
    }

  private:
    enum class Kind { kBegin, kStep, kEnd };
    struct Change {
        Kind kind;
        std::int64_t amount;
        std::string text;
    };
    std::mutex mutex_;
    std::vector<Change> changes_;
};

constexpr int kLookEveryMilliseconds = 50;
constexpr int kBusyCursorAfterMilliseconds = 200;

}  // namespace

BackgroundReading::BackgroundReading(platform::Progress& display) : display_(display) {
    WindowHold::RefuseInputWhileHeld();
}

void BackgroundReading::Run(const std::function<void(platform::Progress&)>& work) {
    if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
        platform::NoProgress unseen;  // the display belongs to the window's thread
        work(unseen);
        return;
    }
    ProgressRelay relay;
    const WindowHold hold;
    QEventLoop loop;
    QTimer look;
    look.setInterval(kLookEveryMilliseconds);
    QElapsedTimer running;
    running.start();
    bool busy_cursor = false;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        relay.ShowOn(display_);
        // Work that ends at once does not make the pointer flicker.
        if (!busy_cursor && running.elapsed() >= kBusyCursorAfterMilliseconds) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
            busy_cursor = true;
        }
    });
    look.start();
    std::exception_ptr failure;
    std::atomic<bool> ended = false;
    {
        std::jthread worker([&] {
            try {
                work(relay);
            } catch (...) {
                failure = std::current_exception();
            }
            ended = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        // An event loop that cannot run (the program is quitting) leaves the wait to the join.
        while (!ended && loop.exec() == 0) {
        }
    }
    relay.ShowOn(display_);
    if (busy_cursor) QApplication::restoreOverrideCursor();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace gui
