// batchplay driving the real menu and game programs, offscreen, over a league made by newleague.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>


#include <signal.h>

#include <filesystem>
#include <fstream>

#include "batchplay/simulation.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/schedule_record.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;
namespace fs = std::filesystem;

constexpr int Deadline = 60000;
const std::string kWeekTitle = "Test League Season # 1";

std::optional<au::Window> windowOf(const std::string& program, const std::string& title) {
    for (au::Window& w : au::listWindows())
        if (w.program == program && w.title == title) return std::move(w);
    return std::nullopt;
}

// A message box of batchplay's own, once one is shown.
std::optional<au::Window> batchplayBox(int deadlineMs) {
    std::optional<au::Window> box;
    uitest::waitUntil(
        [&] {
            for (au::Window& w : au::listWindows())
                if (w.program == "batchplay" && w.windowClass == "dialog") box = std::move(w);
            return box.has_value();
        },
        deadlineMs);
    return box;
}

// True when batchplay's Command1 reads "Stop Simulation" and is enabled.
bool stopOffered(long long batchplayPid) {
    const auto reply = au::request(batchplayPid, R"({"op":"windows"})");
    if (!reply) return false;
    const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(*reply)).object();
    for (const QJsonValue& w : answer.value("windows").toArray())
        for (const QJsonValue& c : w.toObject().value("controls").toArray()) {
            const QJsonObject control = c.toObject();
            if (control.value("name").toString() == "Command1")
                return control.value("text").toString() == "Stop Simulation" && control.value("enabled").toBool();
        }
    return false;
}

std::string controlText(const au::Window& w, const std::string& name) {
    const au::Control* c = au::findControl(w, name);
    return c ? c->text : std::string("(no " + name + ")");
}

class BatchplayProgram : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::usePrivateRuntimeDir();
        ::setenv("VELTRAN_TIMER_SCALE", "0", 1);
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"batchplay"});
    }

    // League "TEST" of 8 teams with the installation data beside it, and the programs it needs.
    void makeLeague() {
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"gameday", "lobby"});
        for (const auto& entry : fs::directory_iterator(fs::path(VELTRAN_SOURCE_DIR) / "data")) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name != "CMakeLists.txt" && name != "README.md" &&
                !name.ends_with(".cmake"))
                fs::copy_file(entry.path(), league.path / name);
        }
        const auto made = uitest::runCommand(std::string("'") + VELTRAN_BIN_DIR + "/newleague' --dir '" +
                                             league.path.string() +
                                             "' --name TEST --teams 8 --title 'Test League' --seed 7 2>&1");
        ASSERT_TRUE(made.ok) << made.text;
    }
    void TearDown() override {
        uitest::killStartedPrograms();
        uitest::killProgramsIn(programs.path);   // a lobby the last game started as it ended
    }

    int playedGames() const {
        int played = 0;
        for (const auto& r : lf::readAll<lf::ScheduleRecord>(league.path / "TEST.sch"))
            if (lf::isPlayedGame(r)) ++played;
        return played;
    }

    // batchplay and lobby started; the menu's "Play A Game" and the league question answered,
    // and batchplay ready at the week display.
    au::Window startAtWeekDisplay() {
        makeLeague();
        batchplay = std::make_unique<uitest::Child>(programs.path / "batchplay", league.path);
        lobby = std::make_unique<uitest::Child>(programs.path / "lobby", league.path);
        const auto menu = au::waitForWindow("Veltran Football League", Deadline, "form");
        EXPECT_TRUE(menu);
        if (!menu) return {};
        au::click(*menu, "Play A Game");
        const auto question = au::waitForWindow("Test League", Deadline, "dialog");
        EXPECT_TRUE(question);
        if (!question) return {};
        au::click(*question, "&Yes");
        std::optional<au::Window> window;
        EXPECT_TRUE(uitest::waitUntil(
            [&] {
                window = windowOf("batchplay", "KRO Batchplay");
                return window && controlText(*window, "Label7") == "Status: Ready";
            },
            Deadline));
        return window.value_or(au::Window{});
    }

    // Types the number of games and presses Simulate.
    static void simulate(const au::Window& window, const std::string& games) {
        ASSERT_TRUE(au::setText(window, "Text2", games).ok);
        ASSERT_TRUE(au::clickControl(window, "Command1").ok);
    }

    // The batchplay window once its run is over (Text2 emptied, Simulate again).
    static au::Window runOver(int deadlineMs) {
        std::optional<au::Window> window;
        EXPECT_TRUE(uitest::waitUntil(
            [&] {
                window = windowOf("batchplay", "KRO Batchplay");
                return window && controlText(*window, "Text2").empty() &&
                       controlText(*window, "Command1") == "Simulate";
            },
            deadlineMs));
        return window.value_or(au::Window{});
    }

    uitest::TempDir programs, league;
    std::unique_ptr<uitest::Child> batchplay, lobby;
};

TEST_F(BatchplayProgram, PlaysThreeLeagueGamesAndLeavesTheMenuOpen) {
    const au::Window window = startAtWeekDisplay();
    ASSERT_FALSE(window.id.empty());
    EXPECT_EQ(controlText(window, "Label4"), "Test League Season #1");
    simulate(window, "3");
    runOver(Deadline * 3);
    EXPECT_EQ(playedGames(), 3);
    // After the last game the menu is left as it is.
    EXPECT_TRUE(au::waitForWindow("Veltran Football League", Deadline, "form"));
}

TEST_F(BatchplayProgram, StopDuringTheFirstGameEndsTheRunAfterIt) {
    const au::Window window = startAtWeekDisplay();
    ASSERT_FALSE(window.id.empty());
    long long gameday = 0;
    for (const au::Window& other : au::listWindows())
        if (other.program == "gameday") gameday = other.pid;
    ASSERT_NE(gameday, 0);
    simulate(window, "10");
    // Once Stop may be pressed, the game is held still while it is, so the request lands inside it.
    // Only batchplay is asked meanwhile: a listing of every program would wait on the game held still.
    const long long self = batchplay->pid();
    ASSERT_TRUE(uitest::waitUntil([&] { return stopOffered(self); }, Deadline));
    ::kill(static_cast<pid_t>(gameday), SIGSTOP);
    EXPECT_TRUE(au::clickControl(window, "Command1").ok);
    EXPECT_TRUE(uitest::waitUntil(
        [&] {
            const auto reply = au::request(self, R"({"op":"windows"})");
            return reply && reply->find("Status: Stopping Simulation After Current Game...") != std::string::npos;
        },
        Deadline));
    ::kill(static_cast<pid_t>(gameday), SIGCONT);
    runOver(Deadline);
    EXPECT_EQ(playedGames(), 1);
    EXPECT_TRUE(au::waitForWindow("Veltran Football League", Deadline, "form"));
}

TEST_F(BatchplayProgram, HaltsWhenTheSeasonIsOver) {
    const au::Window window = startAtWeekDisplay();
    ASSERT_FALSE(window.id.empty());
    // The season ends while the first game is played: the next one meets "The season is complete!".
    const fs::path file = league.path / "TEST.lge";
    lf::League l = lf::readLeague(file);
    l.state = 2;
    lf::writeLeagueCommaForm(file, l);
    simulate(window, "5");
    const auto box = batchplayBox(Deadline * 2);
    ASSERT_TRUE(box);
    EXPECT_NE(au::findControl(*box, batchplay::SeasonOverMessage), nullptr);
    const auto w = windowOf("batchplay", "KRO Batchplay");
    ASSERT_TRUE(w);
    EXPECT_EQ(controlText(*w, "Label7"), "Status: Halted");
    EXPECT_TRUE(au::click(*box, "OK").ok);
    runOver(Deadline);
    EXPECT_EQ(playedGames(), 1);
}

TEST_F(BatchplayProgram, PlaysAWholeSeasonAndHaltsAtItsEnd) {
    const au::Window window = startAtWeekDisplay();
    ASSERT_FALSE(window.id.empty());
    simulate(window, "999");
    const auto box = batchplayBox(Deadline * 8);
    ASSERT_TRUE(box);
    EXPECT_NE(au::findControl(*box, batchplay::SeasonOverMessage), nullptr);
    EXPECT_TRUE(au::click(*box, "OK").ok);
    for (const auto& r : lf::readAll<lf::ScheduleRecord>(league.path / "TEST.sch"))
        EXPECT_FALSE(lf::isUnplayedGame(r));
    EXPECT_EQ(lf::readLeague(league.path / "TEST.lge").state, 2);
}

}  // namespace
