#pragma once
// Reading the arguments of the project's command-line tools.
#include <exception>
#include <optional>
#include <string>

namespace tools {

// The whole text as a decimal number; nothing when any of it is not part of one.
inline std::optional<long long> number(const std::string& text) {
    try {
        size_t used = 0;
        const long long v = std::stoll(text, &used);
        if (used == text.size()) return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace tools
