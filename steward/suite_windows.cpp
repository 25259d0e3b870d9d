#include "steward/suite_windows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <future>

namespace steward {

std::vector<ui::automation::Window> suiteWindows() {
    std::future<std::vector<ui::automation::Window>> listing =
        std::async(std::launch::async, [] { return ui::automation::listWindows(); });
    while (listing.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return listing.get();
}

long long ownPid() { return QCoreApplication::applicationPid(); }

}  // namespace steward
