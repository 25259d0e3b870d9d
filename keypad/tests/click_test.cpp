// What each kind of button sends, and to which window.
#include <gtest/gtest.h>

#include "keypad/button_click.h"

namespace {

using ui::automation::Window;

TEST(ClickOf, EachKindOfButton) {
    struct Case {
        keypad::Button button;
        bool exit;
        std::string title, keys;
    };
    const std::vector<Case> cases{
        {{"offense", "1221"}, false, "OFFENSE", "1221{ENTER}"},
        {{"defense", "pu"}, false, "DEFENSE", "PU{ENTER}"},
        {{"timeout", "Y"}, false, "Time is running out!", "y{ENTER}"},
        {{"Special", "enter"}, false, "KRO", "{ENTER}"},
        {{"SPECIAL", "Exit"}, true, "", ""},
        {{"offense", "{TAB}1"}, false, "OFFENSE", "{TAB}1{ENTER}"},
    };
    for (const Case& c : cases) {
        const keypad::Click click = keypad::clickOf(c.button);
        EXPECT_EQ(click.exit, c.exit) << c.button.key;
        EXPECT_EQ(click.windowTitle, c.title) << c.button.key;
        EXPECT_EQ(click.keys, c.keys) << c.button.key;
    }
}

Window win(long long pid, const std::string& id, const std::string& title, const std::string& cls,
           bool blocked = false) {
    Window w;
    w.pid = pid;
    w.id = id;
    w.title = title;
    w.windowClass = cls;
    w.blocked = blocked;
    return w;
}

TEST(TargetWindow, ExactBeforePrefixOpenBeforeBlockedBoxBeforeForm) {
    const std::vector<Window> desktop{
        win(1, "mine", "KRO", "form"),          win(2, "bg", "KRO", "form", true),
        win(3, "lobbybg", "KRO", "form"),       win(2, "box", "KRO", "dialog"),
        win(2, "board", "KRO Scoreboard", "form", true), win(2, "call", "Offense", "form"),
        win(2, "calls", "OFFENSE CALLS", "form"),
    };
    const auto id = [&](const std::string& title) {
        const Window* w = keypad::targetWindow(desktop, title, 1);
        return w ? w->id : std::string("none");
    };
    EXPECT_EQ(id("KRO"), "box");
    EXPECT_EQ(id("OFFENSE"), "call");
    EXPECT_EQ(id("KRO S"), "board");
    EXPECT_EQ(id("DEFENSE"), "none");
    EXPECT_EQ(id(""), "none");
    // The keypad's own background never takes its keys.
    EXPECT_EQ(keypad::targetWindow({desktop[0]}, "KRO", 1), nullptr);
}

}  // namespace
