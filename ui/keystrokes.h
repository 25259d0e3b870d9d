#pragma once
// Keystroke notation of the window automation: characters typed as they stand,
// {ENTER} or ~ for Enter, {TAB}, {BS}, {DEL}, {ESC}, and {{} {}} {~} {+} {^} {%}
// for those characters themselves. No Qt here: clients and servers share it.
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class SpecialKey { None, Enter, Tab, Backspace, Delete, Escape };

struct Keystroke {
    SpecialKey special = SpecialKey::None;
    char32_t ch = 0;  // the character typed when special is None
    bool operator==(const Keystroke&) const = default;
};

// Parses UTF-8 notation into keystrokes; an unknown {NAME} or an unclosed brace gives nullopt.
std::optional<std::vector<Keystroke>> parseKeystrokes(const std::string& notation);

}  // namespace ui
