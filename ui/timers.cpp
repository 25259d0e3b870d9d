#include "ui/timers.h"

#include <cmath>
#include <cstdlib>

namespace ui {
namespace {

double timerScale() {
    const char* text = std::getenv("VELTRAN_TIMER_SCALE");
    if (text == nullptr || *text == '\0') return 1.0;
    char* end = nullptr;
    const double scale = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(scale) || scale < 0) return 1.0;
    return scale;
}

QTimer* makeTimer(QObject* owner, int ms, bool once, std::function<void()> action) {
    auto* timer = new QTimer(owner);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(once);
    // A repeating timer at scale 0 still yields to the event loop between its shots.
    const int interval = scaledInterval(ms);
    timer->setInterval(once || interval > 0 ? interval : 1);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, once, action = std::move(action)] {
        if (once) timer->deleteLater();
        action();
    });
    timer->start();
    return timer;
}

}  // namespace

int scaledInterval(int ms) {
    const double scaled = std::round(ms * timerScale());
    return scaled > 2e9 ? 2000000000 : static_cast<int>(scaled);
}

void singleShot(QObject* owner, int ms, std::function<void()> action) {
    makeTimer(owner, ms, true, std::move(action));
}

QTimer* repeating(QObject* owner, int ms, std::function<void()> action) {
    return makeTimer(owner, ms, false, std::move(action));
}

}  // namespace ui
