#pragma once

#include <QDialog>
#include <QToolButton>

#include "app/auto_cycle.h"

namespace gui {

class DigitSpinField;

// The AutoCycle window: the interval, play/pause and the direction. It steps the list while it
// is open; closing it stops AutoCycle.
class AutoCycleDialog final : public QDialog {
    Q_OBJECT
  public:
    AutoCycleDialog(app::AutoCycle& cycle, const QString& res_folder, QWidget* parent = nullptr);

    DigitSpinField* seconds() const { return seconds_; }
    QToolButton* pauseButton() const { return pause_; }
    QToolButton* directionButton() const { return direction_; }

  signals:
    // The interval changed: the timer restarts with it.
    void periodChanged(int milliseconds);

  private:
    void ShowState();

    app::AutoCycle& cycle_;
    DigitSpinField* seconds_;
    QToolButton* pause_;
    QToolButton* direction_;
};

}  // namespace gui
