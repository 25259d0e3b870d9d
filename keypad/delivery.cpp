#include "keypad/delivery.h"

namespace keypad {

Delivery::Delivery(long long ownPid) : ownPid_(ownPid), thread_([this] { work(); }) {}

Delivery::~Delivery() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void Delivery::send(const Click& click) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(click);
    }
    wake_.notify_one();
}

void Delivery::work() {
    for (;;) {
        Click click;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
            if (ending_) return;
            click = queue_.front();
            queue_.pop_front();
        }
        const std::vector<ui::automation::Window> windows = ui::automation::listWindows();
        if (const ui::automation::Window* target = targetWindow(windows, click.windowTitle, ownPid_))
            ui::automation::sendKeys(*target, click.keys);
    }
}

}  // namespace keypad
