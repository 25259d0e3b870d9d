// opener offscreen in a league directory: the splash, then lobby's menu.
#include <gtest/gtest.h>

#include <sys/types.h>

#include "ui/automation_client.h"
#include "ui/message_box.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;

class Opener : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::usePrivateRuntimeDir();
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"opener", "lobby"});
    }
    void TearDown() override { uitest::killStartedPrograms(); }

    std::unique_ptr<uitest::Child> start(const std::string& timerScale) {
        return std::make_unique<uitest::Child>(programs.path / "opener", league.path,
                                               std::vector<std::string>{"VELTRAN_TIMER_SCALE=" + timerScale});
    }

    static void expectMenu() {
        const auto menu = au::waitForWindow("Veltran Football League", 20000, "form");
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->program, "lobby");
        int buttons = 0;
        for (const au::Control& c : menu->controls) buttons += c.type == "button" ? 1 : 0;
        EXPECT_EQ(buttons, 6);
    }

    uitest::TempDir programs;
    uitest::TempDir league;
};

bool hasText(const au::Window& w, const std::string& text) {
    for (const au::Control& c : w.controls)
        if (c.text == text) return true;
    return false;
}

TEST_F(Opener, KeyOrClickEndsTheSplashAtOnce) {
    // The timer is scaled far beyond any test's deadline, so only the input can end the splash.
    for (const bool byKey : {true, false}) {
        auto opener = start("1000");
        const auto splash = au::waitForWindow("KRO Splash", 20000);
        ASSERT_TRUE(splash);
        EXPECT_EQ(splash->name, "frmKROSplash");
        for (const char* text : {"VELTRAN FOOTBALL LEAGUE", "Warning: Game may be addictive.", "Version 2.8"})
            EXPECT_TRUE(hasText(*splash, text)) << text;
        ASSERT_TRUE(byKey ? au::sendKeys(*splash, "x").ok : au::clickWindow(*splash).ok);
        expectMenu();
        EXPECT_TRUE(opener->waitForExit(20000));
        uitest::killStartedPrograms();
    }
}

TEST_F(Opener, TimerEndsTheSplashWithoutInput) {
    auto opener = start("0.02");
    expectMenu();
    EXPECT_TRUE(opener->waitForExit(20000));
}

TEST_F(Opener, WindowsOfTwoProgramsListedFromAnotherProcessWhileModal) {
    auto opener = start("1000");
    const auto splash = au::waitForWindow("KRO Splash", 20000);
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->program, "opener");
    ASSERT_TRUE(au::sendKeys(*splash, "{ENTER}").ok);
    expectMenu();
    ASSERT_TRUE(opener->waitForExit(20000));
    // No gameday lies beside lobby: lobby reports it in a modal message box.
    const auto menu = au::findWindow("Veltran Football League");
    ASSERT_TRUE(menu);
    ASSERT_TRUE(au::click(*menu, "Play A Game").ok);
    ASSERT_TRUE(au::waitForWindow("KRO", 20000, "dialog"));

    // This test process is a program too; while both message boxes are open, veltran-auto
    // (another process) lists the windows of both programs.
    uitest::CommandOutput listed;
    uitest::withClient(
        [&] {
            ASSERT_TRUE(au::waitForWindow("Checking", 20000, "dialog"));
            listed = uitest::runCommand(std::string(VELTRAN_BIN_DIR) + "/veltran-auto windows");
            const auto box = au::findWindow("Checking", "dialog");
            ASSERT_TRUE(box);
            au::click(*box, "OK");
        },
        [] { return ui::messageBox("Both programs are listed.", ui::Buttons::Ok, "Checking"); });
    ASSERT_TRUE(listed.ok);
    EXPECT_NE(listed.text.find("lobby w"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("dialog \"KRO\" name=MsgBox"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("form \"Veltran Football League\" name=frmMainMenu blocked"), std::string::npos)
        << listed.text;
    EXPECT_NE(listed.text.find("uitest w"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("dialog \"Checking\" name=MsgBox active modal"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("\"KRO\" name=frmBackground blocked"), std::string::npos) << listed.text;
}

}  // namespace
