#include "gui/accessories/tips_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/accessories/tip_file.h"

namespace gui {
namespace {

constexpr int kTipWidth = 420;
constexpr int kIconSize = 48;

}  // namespace

TipsDialog::TipsDialog(const QString& tips_file, bool show_at_startup, QWidget* parent,
                       std::optional<quint32> seed)
    : QDialog(parent), tips_(ReadTips(tips_file)) {
    setObjectName("tipsDialog");
    setWindowTitle("Tips and Tricks");

    // The tip sits on a white panel, apart from the buttons.
    auto* panel = new QFrame(this);
    panel->setObjectName("tipPanel");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);

    auto* icon = new QLabel(panel);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* heading = new QLabel("Did you know...", panel);
    heading->setObjectName("tipHeading");
    QFont heading_font = heading->font();
    heading_font.setBold(true);
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.3);
    heading->setFont(heading_font);

    tip_text_ = new QLabel(panel);
    tip_text_->setObjectName("tipText");
    tip_text_->setTextFormat(Qt::PlainText);
    tip_text_->setWordWrap(true);
    tip_text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip_text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tip_text_->setFixedWidth(kTipWidth);
    ReserveRoomForLongestTip();

    auto* text_column = new QVBoxLayout;
    text_column->addWidget(heading);
    text_column->addSpacing(6);
    text_column->addWidget(tip_text_);
    text_column->addStretch();
    auto* panel_layout = new QHBoxLayout(panel);
    panel_layout->setContentsMargins(14, 14, 14, 14);
    panel_layout->setSpacing(14);
    panel_layout->addWidget(icon, 0, Qt::AlignTop);
    panel_layout->addLayout(text_column);

    show_at_startup_ = new QCheckBox("&Show tips at startup", this);
    show_at_startup_->setObjectName("showAtStartupCheck");
    show_at_startup_->setChecked(show_at_startup);

    auto* previous = new QPushButton("&Previous Tip", this);
    previous->setObjectName("previousTipButton");
    auto* next = new QPushButton("&Next Tip", this);
    next->setObjectName("nextTipButton");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("closeButton");
    // Enter closes the window; the tip buttons are reached by their letters or by Tab.
    close->setDefault(true);
    connect(previous, &QPushButton::clicked, this, &TipsDialog::ShowPreviousTip);
    connect(next, &QPushButton::clicked, this, &TipsDialog::ShowNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_at_startup_);
    buttons->addStretch();
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QRandomGenerator random = seed ? QRandomGenerator(*seed) : QRandomGenerator::securelySeeded();
    ShowTip(static_cast<int>(random.bounded(static_cast<quint32>(tips_.size()))));
    close->setFocus();
}

bool TipsDialog::ShowAtStartup() const {
    return show_at_startup_->isChecked();
}

void TipsDialog::ShowNextTip() {
    ShowTip((current_ + 1) % TipCount());
}

void TipsDialog::ShowPreviousTip() {
    ShowTip((current_ + TipCount() - 1) % TipCount());
}

void TipsDialog::ShowTip(int index) {
    current_ = index;
    tip_text_->setText(tips_.at(current_));
}

void TipsDialog::ReserveRoomForLongestTip() {
    // The window keeps one size while the user steps through tips of different lengths.
    const QFontMetrics metrics(tip_text_->font());
    int height = 4 * metrics.lineSpacing();
    for (const QString& tip : tips_) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, kTipWidth, 100000), Qt::TextWordWrap, tip);
        height = std::max(height, needed.height());
    }
    tip_text_->setMinimumHeight(height);
}

}  // namespace gui
