// The keystroke notation and the title patterns that clients hand to the automation.
#include <gtest/gtest.h>

#include "ui/keystrokes.h"
#include "ui/title_pattern.h"

namespace {

using ui::Keystroke;
using ui::SpecialKey;

Keystroke ch(char32_t c) { return {SpecialKey::None, c}; }
Keystroke key(SpecialKey k) { return {k, 0}; }

TEST(Keystrokes, NotationTable) {
    struct Case {
        const char* notation;
        std::vector<Keystroke> keys;
    };
    const Case cases[] = {
        {"1221{ENTER}", {ch('1'), ch('2'), ch('2'), ch('1'), key(SpecialKey::Enter)}},
        {"12~", {ch('1'), ch('2'), key(SpecialKey::Enter)}},
        {"{enter}{TAB}{BS}{DEL}{ESC}",
         {key(SpecialKey::Enter), key(SpecialKey::Tab), key(SpecialKey::Backspace), key(SpecialKey::Delete),
          key(SpecialKey::Escape)}},
        {"{{}{}}{~}{+}{^}{%}", {ch('{'), ch('}'), ch('~'), ch('+'), ch('^'), ch('%')}},
        {"a b", {ch('a'), ch(' '), ch('b')}},
        {"\xC3\xA9", {ch(U'\u00E9')}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const auto parsed = ui::parseKeystrokes(c.notation);
        ASSERT_TRUE(parsed) << c.notation;
        EXPECT_EQ(*parsed, c.keys) << c.notation;
    }
}

TEST(Keystrokes, RejectsUnknownNamesAndOpenBraces) {
    for (const char* bad : {"{ENTR}", "12{ENTER", "{", "{}"}) EXPECT_FALSE(ui::parseKeystrokes(bad)) << bad;
}

TEST(TitlePattern, WildcardsTable) {
    struct Case {
        const char* pattern;
        const char* title;
        bool matches;
    };
    const Case cases[] = {
        {"Veltran Football League", "veltran football league", true},
        {"KRO Scoreboard - *", "KRO Scoreboard - Lakeport at Brandon", true},
        {"KRO Scoreboard - *", "KRO Scoreboard", false},
        {"Week ##", "Week 12", true},
        {"Week ##", "Week 1a", false},
        {"Pr?nt", "Print", true},
        {"Pr?nt", "Prnt", false},
        {"*", "", true},
        {"KRO", "KRO Splash", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::titleMatches(c.pattern, c.title), c.matches) << c.pattern << " / " << c.title;
}

TEST(TitlePattern, CaptionsIgnoreCaseAndMnemonics) {
    EXPECT_TRUE(ui::captionMatches("append", "&Append"));
    EXPECT_TRUE(ui::captionMatches("E&xit", "exit"));
    EXPECT_TRUE(ui::captionMatches("Save && Quit", "save & quit"));
    EXPECT_FALSE(ui::captionMatches("Exit", "Exit Game"));
}

}  // namespace
