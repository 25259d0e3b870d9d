#pragma once
// Window-title patterns: * any run of characters, ? one character, # one digit;
// letters compare without case. No Qt here.
#include <string>

namespace ui {

// True when title matches pattern as a whole.
bool titleMatches(const std::string& pattern, const std::string& title);

// Captions compare without case and without the "&" mnemonic marks.
bool captionMatches(const std::string& wanted, const std::string& caption);

}  // namespace ui
