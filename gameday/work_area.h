#pragma once
// Keeping the active window inside the desktop's work area when that area changes (a
// panel appears, the resolution drops).
#include <QRect>

namespace gameday {

// window fitted into area: moved to the area's left (top) edge when it reaches outside
// it across, shrunk to the area's width (height) where it is larger.
QRect fittedIntoWorkArea(const QRect& window, const QRect& area);

// From now on, a change of the primary screen's work area fits the active window into it.
void fitActiveWindowOnWorkAreaChange();

}  // namespace gameday
