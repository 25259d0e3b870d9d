// Message boxes and input boxes as a client of the automation sees and answers them.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/automation_client.h"
#include "ui/message_box.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;

std::vector<std::string> buttonCaptions(const au::Window& w) {
    std::vector<std::string> captions;
    for (const au::Control& c : w.controls)
        if (c.type == "button" && c.visible) captions.push_back(c.text);
    return captions;
}

bool hasLabel(const au::Window& w, const std::string& text) {
    return std::any_of(w.controls.begin(), w.controls.end(),
                       [&](const au::Control& c) { return c.type == "label" && c.text == text; });
}

TEST(MessageBox, SeenAsDialogAndAnsweredByClick) {
    const ui::Answer answer = uitest::withClient(
        [] {
            const auto box = au::waitForWindow("Save Game", 10000, "dialog");
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->modal);
            EXPECT_EQ(buttonCaptions(*box), (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
            EXPECT_TRUE(hasLabel(*box, "Save data before closing?"));
            // Everything behind the box refuses input.
            const auto background = au::findWindow("KRO", "form");
            ASSERT_TRUE(background);
            EXPECT_TRUE(background->blocked);
            EXPECT_FALSE(au::sendKeys(*background, "x").ok);
            EXPECT_TRUE(au::click(*box, "no").ok);
        },
        [] { return ui::messageBox("Save data before closing?", ui::Buttons::YesNoCancel, "Save Game", ui::Icon::Question); });
    EXPECT_EQ(answer, ui::Answer::No);
}

TEST(MessageBox, KeysAnswerWithDefaultButtonAndEscape) {
    struct Case {
        ui::Buttons buttons;
        int defaultButton;
        const char* keys;
        ui::Answer expected;
    };
    const Case cases[] = {
        {ui::Buttons::YesNo, 1, "{ENTER}", ui::Answer::Yes},
        {ui::Buttons::YesNo, 2, "~", ui::Answer::No},
        {ui::Buttons::YesNoCancel, 1, "{ESC}", ui::Answer::Cancel},
        {ui::Buttons::Ok, 1, "{ENTER}", ui::Answer::Ok},
    };
    for (const Case& c : cases) {
        const ui::Answer answer = uitest::withClient(
            [&] {
                const auto box = au::waitForWindow("KRO", 10000, "dialog");
                ASSERT_TRUE(box);
                EXPECT_TRUE(au::sendKeys(*box, c.keys).ok);
            },
            [&] { return ui::messageBox("Is this a league game?", c.buttons, {}, ui::Icon::None, c.defaultButton); });
        EXPECT_EQ(answer, c.expected) << c.keys;
    }
}

TEST(MessageBox, CarriageReturnBreaksTheLine) {
    uitest::withClient(
        [] {
            const auto box = au::waitForWindow("KRO", 10000, "dialog");
            ASSERT_TRUE(box);
            EXPECT_TRUE(hasLabel(*box, "first\nsecond"));
            au::click(*box, "OK");
        },
        [] { return ui::messageBox("first\rsecond"); });
}

TEST(InputBox, TypedTextOrCancel) {
    const auto typed = uitest::withClient(
        [] {
            const auto box = au::waitForWindow("Team Count", 10000, "dialog");
            ASSERT_TRUE(box);
            EXPECT_TRUE(hasLabel(*box, "How many teams?"));
            const au::Control* text = au::findControl(*box, "txtInput");
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(text->text, "16");
            // The default text is selected, so typing replaces it.
            EXPECT_TRUE(au::sendKeys(*box, "24{BS}2{ENTER}").ok);
        },
        [] { return ui::inputBox("How many teams?", "Team Count", "16", 0.3, 0.2); });
    EXPECT_EQ(typed, QString("22"));

    const auto cancelled = uitest::withClient(
        [] {
            const auto box = au::waitForWindow("Team Count", 10000, "dialog");
            ASSERT_TRUE(box);
            EXPECT_TRUE(au::click(*box, "Cancel").ok);
        },
        [] { return ui::inputBox("How many teams?", "Team Count", "16"); });
    EXPECT_FALSE(cancelled);
}

}  // namespace
