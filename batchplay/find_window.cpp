#include "batchplay/find_window.h"

#include <algorithm>
#include <cctype>

#include "ui/title_pattern.h"

namespace batchplay {
namespace {

bool sameText(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

std::vector<const Window*> findLike(const std::vector<Window>& windows, const std::string& titlePattern,
                                    const std::string& classPattern) {
    std::vector<const Window*> found;
    for (const Window& w : windows)
        if (ui::titleMatches(titlePattern, w.title) && ui::titleMatches(classPattern, w.windowClass))
            found.push_back(&w);
    return found;
}

const Window* findExact(const std::vector<Window>& windows, const std::string& title,
                        const std::string& classPattern) {
    for (const Window& w : windows)
        if (sameText(title, w.title) && ui::titleMatches(classPattern, w.windowClass))
            return &w;
    return nullptr;
}

const Control* findButton(const Window& window, const std::string& caption) {
    for (const Control& c : window.controls)
        if (c.type == "button" && c.enabled && ui::captionMatches(caption, c.text)) return &c;
    return nullptr;
}

int labelsLike(const Window& window, const std::string& pattern) {
    int count = 0;
    for (const Control& c : window.controls)
        if (c.type == "label" && ui::titleMatches(pattern, c.text)) ++count;
    return count;
}

}  // namespace batchplay
