// The live standings program driven offscreen, with its refresh timer sped up.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <functional>
#include <thread>

#include "leaguefiles/file_io.h"
#include "leaguefiles/league_file.h"
#include "standings/position_file.h"
#include "tally/tests/fixture_league.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/title_pattern.h"

namespace fs = std::filesystem;
namespace au = ui::automation;

namespace {

constexpr int Deadline = 20000;
// 15 s of refresh become 150 ms.
const std::vector<std::string> FastTimers = {"VELTRAN_TIMER_SCALE=0.01"};

struct StandingsDesktop : tally::testing::FixtureLeague {
    fs::path programs;
    StandingsDesktop() {
        uitest::usePrivateRuntimeDir();
        programs = dir / "programs";
        fs::create_directories(programs);
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs, {"standings"});
    }
    fs::path standings() const { return programs / "standings"; }
};

au::Window waitUntil(const std::string& title, const std::function<bool(const au::Window&)>& ready) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
    for (;;) {
        for (const au::Window& w : au::listWindows())
            if (ui::titleMatches(title, w.title) && ready(w)) return w;
        if (std::chrono::steady_clock::now() > end) throw std::runtime_error("no window " + title);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string controlText(const au::Window& window, const std::string& name) {
    const au::Control* control = au::findControl(window, name);
    return control ? control->text : "<no " + name + ">";
}

TEST(StandingsProgram, RefreshShowsTheTeamFileAsItIsNow) {
    StandingsDesktop fx;
    fx.write();
    lf::replaceFile(fx.dir / live::PositionFile, "\"standings\"\r\n");
    uitest::Child standings(fx.standings(), fx.dir, FastTimers);

    au::Window window = waitUntil("KRO Live Standings - MYLG", [](const au::Window&) { return true; });
    EXPECT_EQ(controlText(window, "Label2_1"), "Division 1       W  L  T  PF  PA");
    EXPECT_EQ(controlText(window, "Label1_1"), "Comets           0  0  0   0   0");
    EXPECT_FALSE(au::findControl(window, "Check1")->checked);
    EXPECT_EQ(au::findControl(window, "Print"), nullptr);

    // A game saved meanwhile: the Meteors lead their division at the next refresh.
    fx.record(3, 1, 0, 0, 24, 10);
    fx.write();
    waitUntil("KRO Live Standings - MYLG", [](const au::Window& w) {
        return controlText(w, "Label1_1") == "Meteors          1  0  0  24  10";
    });

    ASSERT_TRUE(au::click(window, "Exit").ok);
    EXPECT_TRUE(standings.waitForExit(Deadline));
    live::Placement stored = live::readPlacement(fx.dir / live::PositionFile);
    EXPECT_FALSE(stored.stayOnTop);
    EXPECT_TRUE(stored.top && stored.left);  // centred, so neither is at the corner
}

TEST(StandingsProgram, AnotherActiveLeagueRestartsTheProgram) {
    StandingsDesktop fx;
    fx.write();
    lf::replaceFile(fx.dir / live::PositionFile, "\"1\"\r\n1500\r\n3000\r\n");
    uitest::Child standings(fx.standings(), fx.dir, FastTimers);
    au::Window first = waitUntil("KRO Live Standings - MYLG", [](const au::Window&) { return true; });
    EXPECT_TRUE(au::findControl(first, "Check1")->checked);
    EXPECT_TRUE(first.topmost);

    // The commissioner makes a copy of the league the active one.
    for (const char* ext : {"lge", "tms"})
        fs::copy_file(fx.file(ext), fx.dir / (std::string("OTHER.") + ext));
    lf::writeLeagueName(fx.dir, "OTHER");
    EXPECT_TRUE(standings.waitForExit(Deadline));
    au::Window second = waitUntil("KRO Live Standings - OTHER", [](const au::Window&) { return true; });
    EXPECT_NE(second.pid, first.pid);
    // The fresh copy is no child of this test: end it here should the test stop early.
    struct EndAtExit {
        pid_t pid;
        ~EndAtExit() {
            auto still = au::findWindow("KRO Live Standings*");
            if (still && still->pid == pid) ::kill(pid, SIGKILL);
        }
    } fresh{static_cast<pid_t>(second.pid)};
    EXPECT_TRUE(au::findControl(second, "Check1")->checked);
    live::Placement stored = live::readPlacement(fx.dir / live::PositionFile);
    EXPECT_EQ(stored.top, 1500);
    EXPECT_EQ(stored.left, 3000);

    // Clearing "Stay On Top" leaves the window where it is.
    ASSERT_TRUE(au::clickControl(second, "Check1").ok);
    second = waitUntil("KRO Live Standings - OTHER", [](const au::Window& w) { return !w.topmost; });
    ASSERT_TRUE(au::click(second, "Exit").ok);
    EXPECT_TRUE(au::waitForNoWindow("KRO Live Standings*", Deadline));
    EXPECT_EQ(lf::readFile(fx.dir / live::PositionFile), "\"0\"\r\n1500\r\n3000\r\n");
}

TEST(StandingsProgram, TeamFileGoneAtARefreshEndsWithAMessage) {
    StandingsDesktop fx;
    fx.write();
    uitest::Child standings(fx.standings(), fx.dir, FastTimers);
    waitUntil("KRO Live Standings - MYLG", [](const au::Window&) { return true; });
    fs::remove(fx.file("tms"));
    au::Window box = waitUntil("KRO", [](const au::Window& w) {
        return w.windowClass == "dialog" && w.controls.size() > 0;
    });
    bool named = false;
    for (const auto& c : box.controls) named = named || c.text.find("MYLG.tms") != std::string::npos;
    EXPECT_TRUE(named);
    ASSERT_TRUE(au::click(box, "OK").ok);
    EXPECT_TRUE(standings.waitForExit(Deadline));
}

TEST(StandingsProgram, MissingLeaguePointerEndsWithAMessage) {
    StandingsDesktop fx;
    fx.write();
    fs::remove(fx.dir / "league.id1");
    uitest::Child standings(fx.standings(), fx.dir, FastTimers);
    au::Window box = waitUntil("KRO", [](const au::Window& w) { return w.windowClass == "dialog"; });
    ASSERT_TRUE(au::click(box, "OK").ok);
    EXPECT_TRUE(standings.waitForExit(Deadline));
}

}  // namespace
