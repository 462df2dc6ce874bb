#include "gui/accessories/splash_outline.h"

#include <algorithm>

namespace gui {

QRegion SplashOutline(QSize size, int step) {
    step = std::clamp(step, 0, kSplashOutlineSteps - 1);
    // Each step closes another 1/14 of the width from either side; the last leaves the middle
    // 2/14, about the width of the title's first letters.
    const int inset = size.width() * (step + 1) / 14;
    QRegion band(inset, 0, size.width() - 2 * inset, size.height());
    // Rounded ends make the closing curtain look soft rather than cut.
    const int radius = std::min(12, band.boundingRect().width() / 4);
    const QRect r = band.boundingRect();
    QRegion rounded(r.adjusted(radius, 0, -radius, 0));
    rounded += QRegion(r.adjusted(0, radius, 0, -radius));
    for (const QPoint corner : {r.topLeft(), QPoint(r.right() - 2 * radius + 1, r.top()),
                                QPoint(r.left(), r.bottom() - 2 * radius + 1),
                                QPoint(r.right() - 2 * radius + 1, r.bottom() - 2 * radius + 1)}) {
        rounded += QRegion(QRect(corner, QSize(2 * radius, 2 * radius)), QRegion::Ellipse);
    }
    return rounded;
}

}  // namespace gui
