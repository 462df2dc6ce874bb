#include "gui/caption_strip.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QIcon>

namespace gui {
namespace {

struct ButtonInfo {
    CaptionStrip::Button button;
    const char* tip;
    const char* picture;
    const char* name;
};

constexpr ButtonInfo kButtons[] = {
    {CaptionStrip::Button::kAdd, "Add video", "pane-add.svg", "addVideoButton"},
    {CaptionStrip::Button::kEdit, "Edit video", "pane-edit.svg", "editVideoButton"},
    {CaptionStrip::Button::kDeleteSelected, "Delete selected", "pane-delete.svg",
     "deleteSelectedButton"},
    {CaptionStrip::Button::kDeleteAll, "Delete all", "pane-delete-all.svg", "deleteAllButton"},
    {CaptionStrip::Button::kFlag, "Flag selected", "pane-flag.svg", "flagButton"},
    {CaptionStrip::Button::kUnflag, "Unflag selected", "pane-unflag.svg", "unflagButton"},
    {CaptionStrip::Button::kUnflagAll, "Unflag all", "pane-unflag-all.svg", "unflagAllButton"},
    {CaptionStrip::Button::kMarkViewed, "Mark viewed", "pane-viewed.svg", "markViewedButton"},
    {CaptionStrip::Button::kMarkNotViewed, "Mark not viewed", "pane-not-viewed.svg",
     "markNotViewedButton"},
    {CaptionStrip::Button::kMarkCustom, "Mark custom", "pane-viewed-custom.svg",
     "markCustomButton"},
};

}  // namespace

CaptionStrip::CaptionStrip(const QString& res_folder, QWidget* parent)
    : QWidget(parent), res_folder_(res_folder) {
    setObjectName("captionStrip");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->setSpacing(4);

    caption_ = new QLabel("My Videos", this);
    caption_->setObjectName("myVideosCaption");
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    layout->addWidget(caption_);
    layout->addSpacing(12);

    sort_name_ = new QLabel(this);
    sort_name_->setObjectName("sortName");
    sort_name_->setToolTip("Sorted column (right click to sort by another)");
    sort_arrow_ = new QLabel(this);
    sort_arrow_->setObjectName("sortArrow");
    sort_name_->installEventFilter(this);
    sort_arrow_->installEventFilter(this);
    layout->addWidget(sort_name_);
    layout->addWidget(sort_arrow_);
    layout->addStretch(1);

    for (const ButtonInfo& info : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(info.name);
        button->setToolTip(info.tip);
        button->setAccessibleName(info.tip);
        button->setIcon(QIcon(res_folder_ + "/" + info.picture));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setEnabled(false);
        const Button which = info.button;
        connect(button, &QToolButton::clicked, this, [this, which] { emit buttonClicked(which); });
        layout->addWidget(button);
        buttons_[info.button] = button;
    }
    SetSort({}, true);
}

void CaptionStrip::SetCaption(const QString& caption) {
    caption_->setText(caption);
}

void CaptionStrip::SetSort(const QString& column_name, bool ascending) {
    sort_name_->setText(column_name);
    if (column_name.isEmpty()) {
        sort_arrow_->clear();
        return;
    }
    const QString picture = ascending ? "sort-up.svg" : "sort-down.svg";
    sort_arrow_->setPixmap(QIcon(res_folder_ + "/" + picture).pixmap(8, 8));
    sort_arrow_->setToolTip(ascending ? "Ascending" : "Descending");
}

void CaptionStrip::SetButtonEnabled(Button button, bool enabled) {
    buttons_.at(button)->setEnabled(enabled);
}

bool CaptionStrip::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == sort_name_ || watched == sort_arrow_) && event->type() == QEvent::ContextMenu &&
        !sort_name_->text().isEmpty()) {
        emit sortMenuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gui
