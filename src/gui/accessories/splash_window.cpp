#include "gui/accessories/splash_window.h"

#include <QPainter>
#include <QScreen>

#include "gui/accessories/splash_outline.h"
#include "gui/accessories/svg_picture.h"

namespace gui {
namespace {

constexpr QSize kFallbackSize(480, 280);
constexpr int kFirstOutlineTick = 20;
constexpr int kTicksPerOutline = 2;

}  // namespace

SplashWindow::SplashWindow(const QString& res_folder)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_path_(res_folder + "/splash.svg") {
    setObjectName("splashWindow");
    setWindowTitle("Reeldeck");
    // The main window keeps the focus; the splash is only looked at.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(SvgDefaultSize(picture_path_, kFallbackSize));
}

void SplashWindow::Tick() {
    ++ticks_;
    // The main window is shown after the splash; without a window manager (or with one that does
    // not keep splash screens on top) it would cover the splash for the rest of its short life.
    if (ticks_ == 1) raise();
    const int since_first = ticks_ - kFirstOutlineTick;
    if (since_first >= 0 && since_first % kTicksPerOutline == 0 &&
        since_first / kTicksPerOutline < kSplashOutlineSteps) {
        setMask(SplashOutline(size(), since_first / kTicksPerOutline));
    }
}

void SplashWindow::showEvent(QShowEvent* event) {
    CentreOnScreen();
    // Drawn here, once the screen and so its pixel density are known.
    picture_ = RenderSvg(picture_path_, size(), devicePixelRatioF());
    QWidget::showEvent(event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
        return;
    }
    // Without its picture the window still says what is starting.
    painter.fillRect(rect(), QColor(0x1d, 0x4f, 0x86));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, "Reeldeck");
}

void SplashWindow::CentreOnScreen() {
    const QScreen* target = screen();
    if (target == nullptr) return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(target->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace gui
