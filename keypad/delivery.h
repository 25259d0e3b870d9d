#pragma once
// Keystrokes are handed to the other programs from a thread of their own: the automation client
// also asks this program's own socket for its windows, and this thread must stay free to answer.
// Deliveries run one after another in the order of the clicks.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "keypad/button_click.h"

namespace keypad {

class Delivery {
public:
    explicit Delivery(long long ownPid);
    ~Delivery();
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    // Queues the keys for the window the click names; a window that is not open takes nothing.
    void send(const Click& click);

private:
    void work();
    long long ownPid_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Click> queue_;
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace keypad
