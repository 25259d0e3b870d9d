#pragma once
// What a click on a keypad button does: which window of the game program takes which
// keystrokes, or the end of the keypad. No Qt here.
#include <string>
#include <vector>

#include "keypad/layout_file.h"
#include "ui/automation_client.h"

namespace keypad {

struct Click {
    bool exit = false;        // close the keypad
    std::string windowTitle;  // the window to activate
    std::string keys;         // in keystroke notation, ending in {ENTER}
};

Click clickOf(const Button& button);

// The window a title names: an exact title (without case) before one beginning with it; among
// those, one that takes input (not blocked by a modal box) before one that does not, a box before
// a form. Windows of ownPid (the keypad itself) never count. nullptr when none is open.
const ui::automation::Window* targetWindow(const std::vector<ui::automation::Window>& windows,
                                           const std::string& title, long long ownPid);

}  // namespace keypad
