#include "gui/main_status_bar.h"

#include <QHBoxLayout>
#include <QIcon>

#include "gui/text_bytes.h"

namespace gui {
namespace {
const QString kReady = "       Ready";
}  // namespace

MainStatusBar::MainStatusBar(const QString& res_folder, QWidget* parent)
    : QStatusBar(parent), res_folder_(res_folder) {
    setObjectName("statusBar");
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(res_folder_ + "/reeldeck.svg").pixmap(16, 16));
    addWidget(icon);
    help_ = new QLabel(kReady, this);
    help_->setObjectName("helpLine");
    addWidget(help_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setMaximumWidth(220);
    progress_->setTextVisible(false);
    progress_->hide();
    addPermanentWidget(progress_);
    user_ = new QLabel(this);
    user_->setObjectName("userIndicator");
    addPermanentWidget(user_);
    ShowUser("Not logged in", false, false);
}

void MainStatusBar::ShowHelpLine(const QString& text) {
    help_->setText(text);
}

void MainStatusBar::ShowUser(const QString& status_text, bool administrator, bool logged_in) {
    const QString picture = !logged_in      ? "user-none.svg"
                            : administrator ? "user-admin.svg"
                                            : "user-guest.svg";
    user_->setPixmap(QIcon(res_folder_ + "/" + picture).pixmap(16, 16));
    user_->setToolTip(status_text);
}

void MainStatusBar::Begin(std::int64_t range, std::string_view text) {
    if (!isVisible()) return;
    range_ = std::max<std::int64_t>(range, 0);
    done_ = 0;
    shown_percent_ = -1;
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->show();
    help_->setText("       " + FromBytes(text));
    Repaint();
}

void MainStatusBar::Step(std::int64_t count) {
    if (!progress_->isVisible()) return;
    done_ += count;
    const int percent =
        range_ > 0 ? static_cast<int>(std::min<std::int64_t>(done_ * 1000 / range_, 1000)) : 0;
    // Long work runs on this thread: repaint now and then, not at every step.
    if (percent / 10 != shown_percent_ / 10) {
        shown_percent_ = percent;
        progress_->setValue(percent);
        Repaint();
    }
}

void MainStatusBar::End() {
    progress_->setValue(0);
    progress_->hide();
    help_->setText(kReady);
}

void MainStatusBar::Repaint() {
    progress_->repaint();
    help_->repaint();
}

}  // namespace gui
