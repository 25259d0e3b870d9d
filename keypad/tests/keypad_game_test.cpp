// The keypad typing play calls into a real game, humans coaching both teams.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/automation_client.h"
#include "ui/title_pattern.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;
namespace fs = std::filesystem;

constexpr int Deadline = 60000;

// Answers the game's windows before the first snap (coin toss, kickoffs, boxes, conversions)
// until a window titled title is waiting for a call; nullopt when none came.
std::optional<au::Window> waitForCall(const std::string& title, const std::string& notId = {}) {
    std::optional<au::Window> call;
    uitest::waitUntil(
        [&] {
            for (const au::Window& w : au::listWindows()) {
                if (w.program != "gameday" || w.blocked) continue;
                if (w.title == title && w.id != notId) {
                    call = w;
                    return true;
                }
                if (ui::titleMatches("*coin toss", w.title)) au::click(w, "&Yes");
                else if (w.name == "Kickoff") au::click(w, "Kickoff");
                else if (w.name == "Extrapt") au::clickControl(w, "Command1");
                else if (w.windowClass == "dialog" && w.title == "KRO") au::click(w, "OK");
            }
            return false;
        },
        Deadline);
    return call;
}

TEST(KeypadGame, OffenseAndDefenseButtonsCallAPlayTheGameRuns) {
    uitest::usePrivateRuntimeDir();
    ::setenv("VELTRAN_TIMER_SCALE", "0", 1);
    uitest::TempDir league;
    for (const auto& entry : fs::directory_iterator(fs::path(VELTRAN_SOURCE_DIR) / "data")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "CMakeLists.txt" && name != "README.md" && !name.ends_with(".cmake"))
            fs::copy_file(entry.path(), league.path / name);
    }
    const auto made = uitest::runCommand(std::string("'") + VELTRAN_BIN_DIR + "/newleague' --dir '" +
                                         league.path.string() +
                                         "' --name TEST --teams 8 --title 'Test League' --seed 3 2>&1");
    ASSERT_TRUE(made.ok) << made.text;
    std::ofstream(league.path / "keypad.dat") << "keypad\r\n";
    std::ofstream layout(league.path / "layout.dat", std::ios::binary);
    layout << "12\r\n\"offense\"\r\n\"1221\"\r\n\"defense\"\r\n\"601\"\r\n";
    for (int k = 3; k <= 20; ++k) layout << "\"offense\"\r\n\"1221\"\r\n";
    layout.close();

    uitest::Child gameday(fs::path(VELTRAN_BIN_DIR) / "gameday", league.path);
    const auto question = au::waitForWindow("Test League", Deadline, "dialog");
    ASSERT_TRUE(question);
    ASSERT_TRUE(au::click(*question, "&Yes").ok);
    const auto week = au::waitForWindow("Test League Season*", Deadline, "form");
    ASSERT_TRUE(week);
    ASSERT_TRUE(au::click(*week, "Play Next Game").ok);
    const auto welcome = au::waitForWindow("Welcome To The Veltran Football League", Deadline);
    ASSERT_TRUE(welcome);
    ASSERT_TRUE(au::click(*welcome, "Play Game").ok);
    const auto coaches = au::waitForWindow("Select Coaches", Deadline);
    ASSERT_TRUE(coaches);
    ASSERT_TRUE(au::clickControl(*coaches, "Option1_0").ok);  // humans control both teams
    ASSERT_TRUE(au::click(*coaches, "Play the Game").ok);
    const auto offense = waitForCall("OFFENSE");
    ASSERT_TRUE(offense);

    uitest::Child keypad(fs::path(VELTRAN_BIN_DIR) / "keypad", league.path);
    const auto pad = au::waitForWindow("Keypad", Deadline, "form");
    ASSERT_TRUE(pad);
    // The offence's call taken, the defence is asked; its call taken, the next snap is asked for.
    ASSERT_TRUE(au::clickControl(*pad, "Command1").ok);
    const auto defense = waitForCall("DEFENSE");
    ASSERT_TRUE(defense);
    ASSERT_TRUE(au::clickControl(*pad, "Command2").ok);
    EXPECT_TRUE(waitForCall("OFFENSE", offense->id));
    uitest::killStartedPrograms();
}

}  // namespace
