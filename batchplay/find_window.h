#pragma once
// Finding the other programs' windows in one listing of the desktop: by title pattern and
// class pattern (* any text, ? any character, # any digit), or by exact title, both without
// regard to case, always in window order. No Qt here.
#include <string>
#include <vector>

#include "ui/automation_client.h"

namespace batchplay {

using ui::automation::Control;
using ui::automation::Window;

// Every window whose title matches titlePattern and whose class matches classPattern.
std::vector<const Window*> findLike(const std::vector<Window>& windows, const std::string& titlePattern,
                                    const std::string& classPattern);

// The first window titled exactly title (without case) whose class matches classPattern.
const Window* findExact(const std::vector<Window>& windows, const std::string& title,
                        const std::string& classPattern = "*");

// The enabled button captioned caption (without case and "&"), or nullptr.
const Control* findButton(const Window& window, const std::string& caption);

// How many labels of the window have a text matching pattern.
int labelsLike(const Window& window, const std::string& pattern);

}  // namespace batchplay
