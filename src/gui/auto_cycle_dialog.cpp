#include "gui/auto_cycle_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include "gui/editor/digit_spin_field.h"
#include "gui/editor/typing_rule.h"
#include "gui/text_bytes.h"

namespace gui {

AutoCycleDialog::AutoCycleDialog(app::AutoCycle& cycle, const QString&, QWidget* parent)
    : QDialog(parent), cycle_(cycle) {
    setObjectName("autoCycleDialog");
    setWindowTitle("AutoCycle");
    auto* layout = new QHBoxLayout(this);
    auto* label = new QLabel("&Seconds:", this);
    TypingRule rule;
    rule.max_length = static_cast<int>(app::AutoCycle::kSecondsMaxLength);
    rule.digits_only = true;
    seconds_ = new DigitSpinField(app::AutoCycle::kMinimumSeconds, app::AutoCycle::kMaximumSeconds,
                                  rule, this);
    seconds_->setObjectName("seconds");
    seconds_->setToolTip("Interval in seconds");
    seconds_->ShowText(FromBytes(cycle_.SecondsText()));
    label->setBuddy(seconds_);
    pause_ = new QToolButton(this);
    pause_->setObjectName("pauseButton");
    pause_->setToolTip("Pause");
    direction_ = new QToolButton(this);
    direction_->setObjectName("directionButton");
    direction_->setToolTip("Direction");
    for (QToolButton* button : {pause_, direction_}) {
        button->setIconSize(QSize(20, 20));
        button->setAccessibleName(button->toolTip());
    }
    layout->addWidget(label);
    layout->addWidget(seconds_);
    layout->addSpacing(8);
    layout->addWidget(pause_);
    layout->addWidget(direction_);

    connect(seconds_, &DigitSpinField::edited, this, [this](const QString& text) {
        const QString kept = FromBytes(cycle_.SetSecondsText(ToBytes(text)));
        if (kept != text) {
            seconds_->ShowText(kept);
            seconds_->selectAll();
        }
        emit periodChanged(cycle_.PeriodMilliseconds());
    });
    connect(pause_, &QToolButton::clicked, this, [this] {
        cycle_.TogglePaused();
        ShowState();
    });
    connect(direction_, &QToolButton::clicked, this, [this] {
        cycle_.ToggleDirection();
        ShowState();
    });
    ShowState();
}

void AutoCycleDialog::ShowState() {
    // The pictures show the state: play while paused, pause while running.
    pause_->setIcon(
        style()->standardIcon(cycle_.Running() ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    direction_->setIcon(style()->standardIcon(cycle_.Forward() ? QStyle::SP_MediaSeekForward
                                                               : QStyle::SP_MediaSeekBackward));
}

}  // namespace gui
