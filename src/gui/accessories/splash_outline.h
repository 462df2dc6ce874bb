#pragma once

#include <QRegion>
#include <QSize>

// The splash window closes like a curtain: just before it goes away its outline narrows in six
// steps to a band in the middle of the picture.
namespace gui {

inline constexpr int kSplashOutlineSteps = 6;

// The outline of a splash window of `size` at animation step 0 .. kSplashOutlineSteps - 1: a band
// the full height of the window, centred, narrower at every step.
QRegion SplashOutline(QSize size, int step);

}  // namespace gui
