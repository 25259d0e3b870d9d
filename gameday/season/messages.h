#pragma once
// How the season logic talks to the user: a message box with a text and a title.
// The gameday windows show it; tests record it.
#include <functional>
#include <string>

namespace season {

using ShowMessage = std::function<void(const std::string& text, const std::string& title)>;

}  // namespace season
