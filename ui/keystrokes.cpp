#include "ui/keystrokes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace ui {
namespace {

const std::array<std::pair<const char*, SpecialKey>, 7> kNamedKeys{{
    {"ENTER", SpecialKey::Enter},
    {"TAB", SpecialKey::Tab},
    {"BS", SpecialKey::Backspace},
    {"BACKSPACE", SpecialKey::Backspace},
    {"DEL", SpecialKey::Delete},
    {"DELETE", SpecialKey::Delete},
    {"ESC", SpecialKey::Escape},
}};

// Decodes one UTF-8 character at text[i], advancing i; a broken sequence yields U+FFFD.
char32_t nextChar(const std::string& text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

std::optional<std::vector<Keystroke>> parseKeystrokes(const std::string& notation) {
    std::vector<Keystroke> keys;
    size_t i = 0;
    while (i < notation.size()) {
        const char c = notation[i];
        if (c == '~') {
            keys.push_back({SpecialKey::Enter, 0});
            ++i;
        } else if (c == '{') {
            // "{x}" with a single character names that character, braces included.
            if (i + 2 < notation.size() && notation[i + 2] == '}' &&
                static_cast<unsigned char>(notation[i + 1]) < 0x80) {
                keys.push_back({SpecialKey::None, static_cast<char32_t>(notation[i + 1])});
                i += 3;
                continue;
            }
            const size_t close = notation.find('}', i + 1);
            if (close == std::string::npos) return std::nullopt;
            std::string name = notation.substr(i + 1, close - i - 1);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
            const auto it = std::find_if(kNamedKeys.begin(), kNamedKeys.end(),
                                         [&](const auto& entry) { return name == entry.first; });
            if (it == kNamedKeys.end()) return std::nullopt;
            keys.push_back({it->second, 0});
            i = close + 1;
        } else {
            keys.push_back({SpecialKey::None, nextChar(notation, i)});
        }
    }
    return keys;
}

}  // namespace ui
