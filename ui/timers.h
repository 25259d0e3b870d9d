#pragma once
// Window timers. Every interval is multiplied by VELTRAN_TIMER_SCALE (default 1;
// 0 fires at once) so tests need not wait out the splash or the conversion window.
#include <QObject>
#include <QTimer>
#include <functional>

namespace ui {

// The interval a window timer of ms milliseconds really runs for.
int scaledInterval(int ms);

// Calls action once after ms (scaled), unless owner is gone by then.
void singleShot(QObject* owner, int ms, std::function<void()> action);

// Calls action every ms (scaled) until the returned timer (a child of owner) is stopped.
QTimer* repeating(QObject* owner, int ms, std::function<void()> action);

}  // namespace ui
