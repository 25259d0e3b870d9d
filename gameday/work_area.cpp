#include "gameday/work_area.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace gameday {

namespace {

// One axis: start and length of the window against those of the area.
std::pair<int, int> fitted(int start, int length, int areaStart, int areaLength) {
    length = std::min(length, areaLength);
    if (start < areaStart || start + length > areaStart + areaLength) start = areaStart;
    return {start, length};
}

void fitActiveWindow(const QRect& area) {
    QWidget* window = QApplication::activeWindow();
    if (!window) return;
    const QRect frame = window->frameGeometry();
    const QRect inside = fittedIntoWorkArea(frame, area);
    if (inside == frame) return;
    // The frame's edges are kept outside the client area; a fixed-size window may shrink.
    const QSize border = frame.size() - window->size();
    const QSize size = inside.size() - border;
    window->setMinimumSize(window->minimumSize().boundedTo(size));
    window->resize(size);
    window->move(inside.topLeft());
}

}  // namespace

QRect fittedIntoWorkArea(const QRect& window, const QRect& area) {
    const auto [x, width] = fitted(window.x(), window.width(), area.x(), area.width());
    const auto [y, height] = fitted(window.y(), window.height(), area.y(), area.height());
    return {x, y, width, height};
}

void fitActiveWindowOnWorkAreaChange() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QObject::connect(screen, &QScreen::availableGeometryChanged, qApp, &fitActiveWindow);
}

}  // namespace gameday
