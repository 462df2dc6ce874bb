#include "gui/window_hold.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <vector>

namespace gui {
namespace {

// Everything below is used on the window's thread only.
int hold_depth = 0;

struct HeldStep {
    QPointer<QObject> receiver;
    std::function<void()> step;
};
std::vector<HeldStep>& HeldSteps() {
    static std::vector<HeldStep> steps;
    return steps;
}

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

class InputRefusal final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (hold_depth == 0) return false;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return IsInput(event->type()) || QObject::eventFilter(watched, event);
    }
};

}  // namespace

WindowHold::WindowHold() {
    ++hold_depth;
}

WindowHold::~WindowHold() {
    if (--hold_depth > 0) return;
    std::vector<HeldStep> steps;
    steps.swap(HeldSteps());
    for (HeldStep& held : steps) {
        if (held.receiver) PostToWindowThread(held.receiver, std::move(held.step));
    }
}

bool WindowHold::Active() {
    return hold_depth > 0;
}

void WindowHold::RefuseInputWhileHeld() {
    static QPointer<InputRefusal> refusal;
    if (refusal || !qApp) return;
    refusal = new InputRefusal(qApp);
    qApp->installEventFilter(refusal);
}

void PostToWindowThread(QObject* receiver, std::function<void()> step) {
    QPointer<QObject> target(receiver);
    QMetaObject::invokeMethod(
        receiver,
        [target, step = std::move(step)]() mutable {
            if (WindowHold::Active()) {
                HeldSteps().push_back({target, std::move(step)});
            } else {
                step();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace gui
