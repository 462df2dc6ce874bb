#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace gui {

// One stop of F6: the widget that frames a pane (a dock, the central pane) and the control that
// takes the focus when the pane is reached (its list, its first field).
struct FocusPane {
    QWidget* frame;
    std::function<QWidget*()> control;
};

// F6 moves the focus to the next pane that is shown, Shift+F6 to the previous one, round the
// window and its floating panes, as in other desktop programs. Hidden panes are passed over.
void InstallPaneFocusKeys(QWidget* window, std::vector<FocusPane> panes);

// Moves the focus `step` panes (1 or -1) from the pane that holds it; from outside every pane
// F6 starts at the first pane and Shift+F6 at the last.
void MoveFocusToPane(const std::vector<FocusPane>& panes, int step);

}  // namespace gui
