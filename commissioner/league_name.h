#pragma once
// The name a new league is saved under: the base name of all its files.
#include <optional>
#include <string>
#include <string_view>

namespace commish {

// The typed text upper-cased, cut to 8 characters, cut before its first "." and with outer
// blanks trimmed; nothing when that leaves no name or a character that is unsafe in a file
// name here or in the league pointer file (a path separator, a control character, a field
// separator, a wildcard, anything outside ASCII).
std::optional<std::string> leagueNameFrom(std::string_view typed);

// The message shown for a name that cannot be used.
inline constexpr std::string_view IllegalNameMessage =
    "            ILLEGAL NAME:\rMust be letters and numerals only\rNo Extension (as in .LGE) allowed.";

}  // namespace commish
