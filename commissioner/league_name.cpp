#include "commissioner/league_name.h"

namespace commish {
namespace {

bool unsafe(unsigned char c) {
    if (c < 0x20 || c >= 0x7F) return true;
    constexpr std::string_view refused = "/\\,\"*?:<>|";
    return refused.find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> leagueNameFrom(std::string_view typed) {
    std::string name(typed.substr(0, 8));
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (const size_t dot = name.find('.'); dot != std::string::npos) name.resize(dot);
    // Readers of the pointer file skip leading blanks and drop trailing ones.
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    for (unsigned char c : name)
        if (unsafe(c)) return std::nullopt;
    return name;
}

}  // namespace commish
