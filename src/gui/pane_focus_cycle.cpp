#include "gui/pane_focus_cycle.h"

#include <QApplication>
#include <QShortcut>
#include <memory>

namespace gui {

namespace {

QWidget* ReachableControl(const FocusPane& pane) {
    if (!pane.frame->isVisible()) return nullptr;
    QWidget* control = pane.control();
    const bool takes_focus = control && control->isVisible() && control->isEnabled() &&
                             control->focusPolicy() != Qt::NoFocus;
    return takes_focus ? control : nullptr;
}

int PaneHoldingFocus(const std::vector<FocusPane>& panes) {
    const QWidget* focus = QApplication::focusWidget();
    for (std::size_t index = 0; focus && index < panes.size(); ++index) {
        // isAncestorOf stops at a window's edge, so a floating pane holds only its own controls.
        if (panes[index].frame->isAncestorOf(focus)) return static_cast<int>(index);
    }
    return -1;
}

}  // namespace

void MoveFocusToPane(const std::vector<FocusPane>& panes, int step) {
    const int count = static_cast<int>(panes.size());
    if (count == 0) return;
    const int from = PaneHoldingFocus(panes);
    int index = from >= 0 ? from : (step > 0 ? count - 1 : 0);
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        QWidget* control = ReachableControl(panes[static_cast<std::size_t>(index)]);
        if (!control) continue;
        // A floating pane is a window of its own: it comes forward with the focus.
        if (control->window() != QApplication::activeWindow()) {
            control->window()->raise();
            control->window()->activateWindow();
        }
        control->setFocus(Qt::ShortcutFocusReason);
        return;
    }
}

void InstallPaneFocusKeys(QWidget* window, std::vector<FocusPane> panes) {
    auto shared = std::make_shared<const std::vector<FocusPane>>(std::move(panes));
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::Key_F6), 1},
                                     std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}}) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [shared, step = step] { MoveFocusToPane(*shared, step); });
    }
}

}  // namespace gui
