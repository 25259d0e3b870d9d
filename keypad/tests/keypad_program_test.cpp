// The keypad as a program: its buttons, its layout errors, and keys arriving in the windows
// the buttons name (windows of this test process standing in for the game's).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <fstream>

#include "keypad/layout_file.h"
#include "leaguefiles/file_io.h"
#include "ui/automation_client.h"
#include "ui/message_box.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;
namespace fs = std::filesystem;

// count, then 20 pairs: the first ones given, the rest "offense" / "1221".
std::string layoutText(const std::string& count, const std::vector<std::pair<std::string, std::string>>& first) {
    std::string text = count + "\r\n";
    for (size_t k = 0; k < 20; ++k) {
        const auto& [target, key] = k < first.size() ? first[k] : std::pair<std::string, std::string>{"offense", "1221"};
        text += "\"" + target + "\"\r\n\"" + key + "\"\r\n";
    }
    return text;
}

class KeypadProgram : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::program();
        uitest::usePrivateRuntimeDir();
        std::ofstream(league.path / "keypad.dat", std::ios::binary) << "keypad\r\n0\r\n0\r\n";
    }
    void TearDown() override { uitest::killStartedPrograms(); }

    void start(const std::string& layout) {
        std::ofstream(league.path / "layout.dat", std::ios::binary) << layout;
        keypad = std::make_unique<uitest::Child>(fs::path(VELTRAN_BIN_DIR) / "keypad", league.path);
    }

    // Clicks button k of the keypad from the client thread.
    static void press(int k) {
        const auto pad = au::waitForWindow("Keypad", 20000, "form");
        ASSERT_TRUE(pad);
        EXPECT_TRUE(au::clickControl(*pad, "Command" + std::to_string(k)).ok);
    }

    uitest::TempDir league;
    std::unique_ptr<uitest::Child> keypad;
};

TEST_F(KeypadProgram, CountTwelveShowsTwelveCaptionedButtonsAndNoCloseButton) {
    start(layoutText("12", {{"offense", "1221"}, {"timeout", "Y"}, {"special", "Enter"}}));
    uitest::serveWhile([] {
        const auto pad = au::waitForWindow("Keypad", 20000, "form");
        ASSERT_TRUE(pad);
        EXPECT_TRUE(pad->topmost);
        for (int k = 1; k <= 20; ++k) {
            const au::Control* b = au::findControl(*pad, "Command" + std::to_string(k));
            ASSERT_NE(b, nullptr) << k;
            EXPECT_EQ(b->visible, k <= 12) << k;
        }
        EXPECT_EQ(au::findControl(*pad, "Command2")->text, "Y");
        EXPECT_EQ(au::findControl(*pad, "Command3")->text, "Enter");
        // Closing from the title bar does nothing.
        EXPECT_TRUE(au::close(*pad).ok);
    });
    EXPECT_FALSE(keypad->waitForExit(500));
}

TEST_F(KeypadProgram, InvalidLayoutGivesTheMessageAndEnds) {
    for (const std::string& layout : {layoutText("13", {}), std::string("12\r\n\"offense\"\r\n")}) {
        start(layout);
        uitest::serveWhile([] {
            const auto box = au::waitForWindow("KRO", 20000, "dialog");
            ASSERT_TRUE(box);
            ASSERT_NE(au::findControl(*box, keypad::InvalidLayoutMessage), nullptr);
            EXPECT_TRUE(au::click(*box, "OK").ok);
        });
        EXPECT_TRUE(keypad->waitForExit(20000));
    }
}

TEST_F(KeypadProgram, ButtonsTypeIntoTheWindowsTheyNameAndExitSavesThePosition) {
    start(layoutText("12", {{"offense", "1221"}, {"timeout", "Y"}, {"special", "Enter"}, {"defense", "601"},
                            {"special", "Exit"}}));
    QWidget call;
    call.setWindowTitle("OFFENSE");
    auto* callBox = new QLineEdit(&call);
    new QVBoxLayout(&call);
    call.layout()->addWidget(callBox);
    QString entered;
    QObject::connect(callBox, &QLineEdit::returnPressed, [&] { entered = callBox->text(); });
    call.show();

    // Offense: the call and Enter. Defense names no open window: nothing anywhere.
    uitest::serveWhile([&] {
        press(4);
        press(1);
        EXPECT_TRUE(uitest::waitUntil([&] { return !entered.isEmpty(); }, 20000));
    });
    EXPECT_EQ(entered, "1221");
    call.hide();

    // Timeout: the key in lower case and Enter, in the timeout question.
    const auto answer = uitest::withClient([] { press(2); },
                                           [] { return ui::inputBox("Take a timeout?", "Time is running out!"); });
    EXPECT_EQ(answer, QString("y"));

    // Special Enter: only Enter, to the box titled KRO.
    const auto ok = uitest::withClient([] { press(3); }, [] { return ui::messageBox("Touchdown!"); });
    EXPECT_EQ(ok, ui::Answer::Ok);

    uitest::serveWhile([] { press(5); });
    ASSERT_TRUE(keypad->waitForExit(20000));
    const std::string saved = lf::readFile(league.path / "keypad.dat");
    EXPECT_TRUE(saved.starts_with("\"0\"\r\n")) << saved;
}

}  // namespace
