#include "keypad/button_click.h"

#include <algorithm>
#include <cctype>

namespace keypad {
namespace {

std::string upper(std::string s) {
    std::ranges::transform(s, s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string lower(std::string s) {
    std::ranges::transform(s, s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

Click clickOf(const Button& button) {
    const std::string target = upper(button.target);
    const std::string key = upper(button.key);
    if (target == "SPECIAL" && key == "ENTER") return {false, "KRO", "{ENTER}"};
    if (target == "SPECIAL" && key == "EXIT") return {true, {}, {}};
    if (target == "TIMEOUT") return {false, "Time is running out!", lower(button.key) + "{ENTER}"};
    return {false, target, key + "{ENTER}"};
}

const ui::automation::Window* targetWindow(const std::vector<ui::automation::Window>& windows,
                                           const std::string& title, long long ownPid) {
    const std::string wanted = upper(title);
    if (wanted.empty()) return nullptr;
    const ui::automation::Window* best = nullptr;
    int bestRank = 0;
    for (const auto& w : windows) {
        if (w.pid == ownPid) continue;
        const std::string t = upper(w.title);
        if (!t.starts_with(wanted)) continue;
        const int rank = (t == wanted ? 4 : 0) + (w.blocked ? 0 : 2) + (w.windowClass == "dialog" ? 1 : 0);
        if (best == nullptr || rank > bestRank) {
            best = &w;
            bestRank = rank;
        }
    }
    return best;
}

}  // namespace keypad
