#include "ui/title_pattern.h"

#include <cctype>

namespace ui {
namespace {

char fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool matchFrom(const std::string& p, size_t pi, const std::string& t, size_t ti) {
    while (pi < p.size()) {
        const char pc = p[pi];
        if (pc == '*') {
            for (size_t k = ti; k <= t.size(); ++k)
                if (matchFrom(p, pi + 1, t, k)) return true;
            return false;
        }
        if (ti >= t.size()) return false;
        const bool ok = pc == '?' || (pc == '#' ? std::isdigit(static_cast<unsigned char>(t[ti])) != 0
                                                : fold(pc) == fold(t[ti]));
        if (!ok) return false;
        ++pi;
        ++ti;
    }
    return ti == t.size();
}

std::string withoutMnemonics(const std::string& s) {
    std::string out;
    for (const char c : s)
        if (c != '&') out += fold(c);
    return out;
}

}  // namespace

bool titleMatches(const std::string& pattern, const std::string& title) {
    return matchFrom(pattern, 0, title, 0);
}

bool captionMatches(const std::string& wanted, const std::string& caption) {
    return withoutMnemonics(wanted) == withoutMnemonics(caption);
}

}  // namespace ui
