#pragma once
// Text in league files is single-byte Windows-1252. The library keeps every text in that
// form; windows convert at the Qt boundary with these two functions.
#include <string>
#include <string_view>

namespace lf {

// Windows-1252 bytes to UTF-8. The five unassigned bytes map to U+FFFD.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character without a single-byte form, or a malformed
// UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace lf
