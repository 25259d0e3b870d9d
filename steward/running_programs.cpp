#include "steward/running_programs.h"

#include <array>

#include "ui/title_pattern.h"

namespace steward {

namespace au = ui::automation;

namespace {

constexpr std::array<const char*, 4> kSidePrograms{"steward", "standings", "batchplay", "keypad"};

bool sideProgram(const std::string& program) {
    for (const char* side : kSidePrograms)
        if (program == side) return true;
    return false;
}

bool gameForm(const au::Window& window, long long ownPid) {
    return window.pid != ownPid && window.windowClass == "form" && !sideProgram(window.program);
}

}  // namespace

std::optional<au::Window> runningWindow(const std::vector<au::Window>& windows, const std::string& pattern,
                                        long long ownPid) {
    for (const au::Window& window : windows)
        if (window.pid != ownPid && window.windowClass == "form" && ui::titleMatches(pattern, window.title))
            return window;
    return std::nullopt;
}

bool gameRunning(const std::vector<au::Window>& windows, long long ownPid) {
    for (const au::Window& window : windows)
        if (gameForm(window, ownPid) && ui::titleMatches("KRO", window.title)) return true;
    return false;
}

std::optional<au::Window> gameFront(const std::vector<au::Window>& windows, long long ownPid) {
    for (const au::Window& window : windows)
        if (gameForm(window, ownPid) && ui::titleMatches("Scoreboard", window.title)) return window;
    for (const au::Window& window : windows)
        if (gameForm(window, ownPid) && !ui::titleMatches("KRO", window.title)) return window;
    return std::nullopt;
}

}  // namespace steward
