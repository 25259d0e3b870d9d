// Find-like matching over a listing of the desktop, in window order.
#include <gtest/gtest.h>

#include "batchplay/find_window.h"
#include "batchplay/tests/desktop.h"

namespace {

using namespace batchplaytest;

const std::vector<Window> kDesktop{
    window("w1", "KRO", "form", {}),
    window("w2", "VFL Season # 3", "form", {button("Play Next Game")}),
    window("w3", "Old Season # 12", "dialog", {}),
    window("w4", "Game Statistics", "form", {button("E&xit", false)}),
};

TEST(FindLike, WildcardsDigitsAndClassesInWindowOrder) {
    struct Case {
        std::string title, cls;
        std::vector<std::string> ids;
    };
    const std::vector<Case> cases{
        {"*Season*", "form", {"w2"}},
        {"*season*", "*", {"w2", "w3"}},
        {"* Season ? #", "*", {"w2"}},
        {"* Season ? ##", "*", {"w3"}},
        {"* Season # 3", "*", {}},  // # is a digit, never the character itself
        {"???", "f?rm", {"w1"}},
        {"kro", "dialog", {}},
        {"Game*", "form", {"w4"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> ids;
        for (const Window* w : batchplay::findLike(kDesktop, c.title, c.cls)) ids.push_back(w->id);
        EXPECT_EQ(ids, c.ids) << c.title << " / " << c.cls;
    }
}

TEST(FindExact, WholeTitleWithoutCaseAndNoWildcards) {
    ASSERT_NE(batchplay::findExact(kDesktop, "vfl season # 3"), nullptr);
    EXPECT_EQ(batchplay::findExact(kDesktop, "vfl season # 3")->id, "w2");
    EXPECT_EQ(batchplay::findExact(kDesktop, "VFL Season # #"), nullptr);
    EXPECT_EQ(batchplay::findExact(kDesktop, "VFL Season"), nullptr);
    EXPECT_EQ(batchplay::findExact(kDesktop, "KRO", "dialog"), nullptr);
}

TEST(FindButton, CaptionWithoutCaseOrMnemonicAndOnlyWhenEnabled) {
    EXPECT_NE(batchplay::findButton(kDesktop[1], "PLAY NEXT GAME"), nullptr);
    EXPECT_EQ(batchplay::findButton(kDesktop[1], "Play Game"), nullptr);
    EXPECT_EQ(batchplay::findButton(kDesktop[3], "Exit"), nullptr);
}

}  // namespace
