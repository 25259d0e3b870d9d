// gameday driven through its windows, offscreen, as a user would drive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "gameday/tests/fixture_league.h"
#include "gameday/tests/season_checks.h"
#include "ui/tests/started_program.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"
#include "ui/automation_client.h"

namespace {

namespace fs = std::filesystem;
namespace au = ui::automation;
using testsupport::StartedProgram;
using testsupport::TestDesktop;

constexpr int Deadline = 30000;

struct Gameday {
    TestDesktop desktop;
    std::unique_ptr<StartedProgram> program;
    std::vector<std::string> messages;  // texts of the "KRO" boxes answered

    Gameday() {
        ::setenv("VELTRAN_TIMER_SCALE", "0", 1);
        gameday::testing::writeFixtureLeague(desktop.league);
    }
    void start() {
        program = std::make_unique<StartedProgram>(desktop.installProgram("gameday"), desktop.league);
    }

    // The topmost window of gameday, once one is shown.
    std::optional<au::Window> top() {
        for (const au::Window& w : au::listWindows())
            if (w.program == "gameday") return w;
        return std::nullopt;
    }

    // Answers "KRO" message boxes with OK (keeping their texts) until a window whose title
    // matches appears on top; handle() may answer the other windows of a game.
    au::Window waitFor(const std::string& title,
                       const std::function<bool(const au::Window&)>& handle = {}) {
        std::optional<au::Window> found;
        TestDesktop::waitFor(Deadline * 4, [&] {
            const auto w = top();
            if (!w || w->blocked) return false;
            if (au::findWindow(title) && w->title == au::findWindow(title)->title) {
                found = w;
                return true;
            }
            if (w->windowClass == "dialog" && w->title == "KRO" && au::findControl(*w, "OK")) {
                const au::Control* text = au::findControl(*w, "qt_msgbox_label");
                if (text) messages.push_back(text->text);
                au::click(*w, "OK");
            } else if (handle) {
                handle(*w);
            }
            return false;
        });
        if (!found) ADD_FAILURE() << "no window " << title;
        return found.value_or(au::Window{});
    }
};

std::string file(const TestDesktop& d, const std::string& ext) {
    return lf::readFile(d.league / ("TEST." + ext));
}

const au::Control* control(const au::Window& w, const std::string& name) {
    const au::Control* c = au::findControl(w, name);
    EXPECT_TRUE(c) << name << " in " << w.title;
    return c;
}

TEST(GamedayProgram, LeagueGameFromTheQuestionToTheLobby) {
    Gameday gd;
    gd.start();
    au::Window question = gd.waitFor("Test League");
    ASSERT_EQ(control(question, "qt_msgbox_label")->text, "Is this a league game?");
    au::click(question, "&Yes");

    au::Window pick = gd.waitFor("Test League Season*");
    EXPECT_EQ(pick.name, "Pickteam");
    EXPECT_EQ(pick.title, "Test League Season # 1");
    EXPECT_EQ(control(pick, "Label1_0")->text, "WEEK  1");
    const std::string firstGame = control(pick, "Label1_1")->text;
    au::click(pick, "Play Next Game");

    au::Window welcome = gd.waitFor("Welcome To The Veltran Football League");
    EXPECT_NE(control(welcome, "lblWelcome")->text.find("Today's Weather: "), std::string::npos);
    au::click(welcome, "Play Game");
    au::Window coaches = gd.waitFor("Select Coaches");
    EXPECT_TRUE(control(coaches, "Option1_3")->checked);
    au::click(coaches, "Play The Game");

    au::Window stats = gd.waitFor("Game Statistics");
    ASSERT_FALSE(gd.messages.empty());
    EXPECT_EQ(gd.messages.back().rfind("END OF GAME   \n", 0), 0u) << gd.messages.back();
    const std::vector<std::string> box = control(stats, "lstStats")->items;
    ASSERT_GT(box.size(), 40u);
    EXPECT_EQ(box[4], " Q   Time  Team  ld  SCORING SUMMARY");
    // Nothing is saved before "Exit".
    EXPECT_EQ(lf::readAll<lf::ScheduleRecord>(gd.desktop.league / "TEST.sch")[0].status(), '-');

    au::click(stats, "Show Events");
    au::Window events = gd.waitFor("Game Events");
    EXPECT_EQ(control(events, "lstStats")->items.at(1), " Q   Time  Team  ld  GAME SUMMARY");
    EXPECT_EQ(control(events, "cmdPlays")->text, "Show Stats");
    au::click(events, "Show Stats");
    stats = gd.waitFor("Game Statistics");
    EXPECT_EQ(control(stats, "lstStats")->items, box);

    // Printed to the season's box-score log in the archive folder.
    au::click(stats, "Print");
    au::Window print = gd.waitFor("Print");
    au::select(print, "optPrintTarget", 1);
    TestDesktop::waitFor(Deadline, [&] {
        const auto w = au::findWindow("Print");
        return w && au::findControl(*w, "txtPrintFile")->enabled;
    });
    print = *au::findWindow("Print");
    const std::string target = control(print, "txtPrintFile")->text;
    EXPECT_EQ(fs::path(target).filename(), "Box001.log");
    au::clickControl(print, "cmdPrintOK");
    const fs::path log = gd.desktop.league / "TESTArchive" / "Box001.log";
    stats = gd.waitFor("Game Statistics");
    ASSERT_TRUE(TestDesktop::waitFor(Deadline, [&] { return fs::exists(log); }));
    const std::vector<std::string> logged = lf::readLines(log);
    ASSERT_EQ(logged.size(), box.size() + 2);
    EXPECT_EQ(logged[0], "");
    EXPECT_EQ(logged[1], "Game Statistics  Season  1  Week  1");
    EXPECT_EQ(logged[6], box[4]);
    au::click(stats, "Exit");

    EXPECT_TRUE(gd.desktop.lobbyStarted(Deadline));
    EXPECT_TRUE(gd.program->ended(Deadline));
    const lf::ScheduleRecord played = lf::readAll<lf::ScheduleRecord>(gd.desktop.league / "TEST.sch")[0];
    EXPECT_TRUE(played.status() >= '4' && played.status() <= '9');
    const auto teams = lf::readAll<lf::TeamRecord>(gd.desktop.league / "TEST.tms");
    const lf::TeamRecord& visitor = teams[played.visitor() - 1];
    EXPECT_EQ(visitor.own(97), played.visitorScore());
    EXPECT_EQ(visitor.opp(97), played.homeScore());
    EXPECT_NE(firstGame.find(" at "), std::string::npos);
}

TEST(GamedayProgram, ExhibitionWritesNothing) {
    Gameday gd;
    const std::string teams = file(gd.desktop, "tms"), schedule = file(gd.desktop, "sch"),
                      players = file(gd.desktop, "pla");
    gd.start();
    au::click(gd.waitFor("Test League"), "&No");
    au::Window exhibition = gd.waitFor("Exhibition Game");
    EXPECT_EQ(control(exhibition, "cboVis")->items.size(), 8u);
    au::select(exhibition, "cboVis", 0);
    au::select(exhibition, "cbohome", 1);
    au::click(exhibition, "Play Game");
    au::click(gd.waitFor("Welcome To The Veltran Football League"), "Play Game");
    au::click(gd.waitFor("Select Coaches"), "Play the Game");
    au::click(gd.waitFor("Game Statistics"), "Exit");
    EXPECT_TRUE(gd.desktop.lobbyStarted(Deadline));
    EXPECT_TRUE(gd.program->ended(Deadline));
    EXPECT_EQ(file(gd.desktop, "tms"), teams);
    EXPECT_EQ(file(gd.desktop, "sch"), schedule);
    EXPECT_EQ(file(gd.desktop, "pla"), players);
}

// Humans coach both sides: the coin toss, the kickoff and the calls go through the
// windows; the offensive call is masked, PU is refused deep in the own half... until END.
TEST(GamedayProgram, HumansCoachAndEndLeavesWithoutSaving) {
    Gameday gd;
    const std::string schedule = file(gd.desktop, "sch"), teams = file(gd.desktop, "tms");
    gd.start();
    au::click(gd.waitFor("Test League"), "&Yes");
    au::click(gd.waitFor("Test League Season*"), "Play Next Game");
    au::click(gd.waitFor("Welcome To The Veltran Football League"), "Play Game");
    au::Window coaches = gd.waitFor("Select Coaches");
    au::select(coaches, "Option1", 0);
    TestDesktop::waitFor(Deadline, [&] {
        const auto w = au::findWindow("Select Coaches");
        return w && w->controls.size() > 0 && au::findControl(*w, "Option1_0")->checked;
    });
    au::click(coaches, "Play the Game");

    // The first offensive entries are the commands STAT and LOG, each returning to the
    // call, and FG where the ball is too far out; then two snaps are called by hand on
    // both sides and END is typed into the next offensive box. Each window is answered
    // once: the next one is waited for by its id.
    int offenseCalls = 0, defenseCalls = 0, offenseBoxes = 0;
    bool statsShown = false, eventsShown = false, fieldGoalRefusalDue = false;
    std::string answered;
    std::optional<au::Window> box;
    const auto ballOn = [&]() {
        const auto board = au::findWindow("KRO Scoreboard*");
        if (!board) return 0;
        const std::string visitor = au::findControl(*board, "lblVisitor")->text;
        const std::string home = au::findControl(*board, "lblHome")->text;
        const std::string offense = visitor.find(" * ") != std::string::npos ? visitor : home;
        const std::string name = offense.substr(0, offense.find(" * "));
        const std::string on = au::findControl(*board, "lblBallOn")->text;
        if (on == "midfield") return 50;
        const int yards = std::stoi(on.substr(on.rfind(' ') + 1));
        return on.rfind(name + " ", 0) == 0 ? yards : 100 - yards;
    };
    TestDesktop::waitFor(Deadline * 2, [&] {
        const auto w = gd.top();
        if (!w || w->blocked || w->id == answered) return false;
        const bool offenseBox = w->name == "Makecall" && w->title == "OFFENSE";
        if (offenseBox && offenseCalls == 2 && defenseCalls == 2) {
            box = w;
            return true;
        }
        answered = w->id;
        if (w->windowClass == "dialog" && au::findControl(*w, "&Yes")) {
            au::click(*w, "&Yes");  // receive the kickoff
        } else if (w->windowClass == "dialog" && au::findControl(*w, "OK")) {
            const au::Control* text = au::findControl(*w, "qt_msgbox_label");
            if (text) gd.messages.push_back(text->text);
            au::click(*w, "OK");
        } else if (w->title == "Game Statistics" || w->title == "Game Events") {
            (w->title == "Game Statistics" ? statsShown : eventsShown) = true;
            au::click(*w, "Exit");
        } else if (w->name == "Kickoff") {
            au::click(*w, "Kickoff");
        } else if (w->name == "Penalty") {
            const au::Control* accept = au::findControl(*w, "Option1_0");
            au::select(*w, "Option1", accept && accept->visible ? 0 : 1);
        } else if (w->name == "Extrapt") {
            au::clickControl(*w, "Command1");
        } else if (offenseBox && offenseBoxes == 0) {
            ++offenseBoxes;
            const auto board = au::findWindow("KRO Scoreboard*");
            EXPECT_TRUE(board && au::findControl(*board, "lstOffenseHelp")->visible &&
                        !au::findControl(*board, "lstDefenseHelp")->visible);
            EXPECT_EQ(board->controls.empty() ? "" : au::findControl(*board, "lblCallHelp")->text,
                      "Play Call = Play + Runner/Receiver + Formation (e.g. 1525)");
            au::sendKeys(*w, "STAT{ENTER}");
        } else if (offenseBox && offenseBoxes == 1) {
            ++offenseBoxes;
            au::sendKeys(*w, "LOG{ENTER}");
        } else if (offenseBox && offenseBoxes == 2) {
            ++offenseBoxes;
            fieldGoalRefusalDue = ballOn() <= 46;
            if (fieldGoalRefusalDue) au::sendKeys(*w, "FG{ENTER}");
            else answered.clear();
        } else if (offenseBox) {
            ++offenseCalls;
            au::sendKeys(*w, "1525{ENTER}");
        } else if (w->name == "Makecall" && w->title == "DEFENSE") {
            ++defenseCalls;
            EXPECT_TRUE(au::findControl(*w, "Offensive Formation:"));
            au::sendKeys(*w, "605{ENTER}");
        } else {
            answered.clear();  // not ready yet, look again
        }
        return false;
    });
    EXPECT_TRUE(statsShown);
    EXPECT_TRUE(eventsShown);
    if (fieldGoalRefusalDue) {
        const std::string refusal = "You are too far away to try a field goal!\nGo for it or punt!";
        EXPECT_NE(std::find(gd.messages.begin(), gd.messages.end(), refusal), gd.messages.end());
    }
    ASSERT_TRUE(box) << offenseCalls << " offensive and " << defenseCalls << " defensive calls";
    au::sendKeys(*box, "e{BS}END");
    TestDesktop::waitFor(Deadline, [&] {
        const auto w = au::findWindow("OFFENSE");
        const au::Control* c = w ? au::findControl(*w, "txtCall") : nullptr;
        return c && c->text == "END";
    });
    au::sendKeys(*box, "{ENTER}");
    EXPECT_TRUE(gd.program->ended(Deadline));
    EXPECT_FALSE(fs::exists(gd.desktop.league / "lobby-started"));
    EXPECT_EQ(file(gd.desktop, "sch"), schedule);
    EXPECT_EQ(file(gd.desktop, "tms"), teams);
}


// The scoreboard's ball position as yards from the offense's own goal line.
int offenseBallOn(const au::Window& board) {
    const std::string visitor = au::findControl(board, "lblVisitor")->text;
    const std::string home = au::findControl(board, "lblHome")->text;
    const std::string offense = visitor.find(" * ") != std::string::npos ? visitor : home;
    const std::string name = offense.substr(0, offense.find(" * "));
    const std::string on = au::findControl(board, "lblBallOn")->text;
    if (on == "midfield") return 50;
    const int yards = std::stoi(on.substr(on.rfind(' ') + 1));
    return on.rfind(name + " ", 0) == 0 ? yards : 100 - yards;
}

// Humans coach both sides through a whole game: every box is answered by hand, PU and FG
// are tried on either side of their limits, the timeout box and the conversion form are
// answered, and the game is saved at its end like any league game.
TEST(GamedayProgram, HumansPlayAWholeGameAndItIsSaved) {
    Gameday gd;
    gd.start();
    au::click(gd.waitFor("Test League"), "&Yes");
    au::click(gd.waitFor("Test League Season*"), "Play Next Game");
    au::click(gd.waitFor("Welcome To The Veltran Football League"), "Play Game");
    au::Window coaches = gd.waitFor("Select Coaches");
    au::select(coaches, "Option1", 0);
    TestDesktop::waitFor(Deadline, [&] {
        const auto w = au::findWindow("Select Coaches");
        return w && au::findControl(*w, "Option1_0") && au::findControl(*w, "Option1_0")->checked;
    });
    au::click(coaches, "Play the Game");

    const std::string puntRefusal = "You are too close to punt!\r\nGo for it or kick a field goal!";
    const std::string goalRefusal = "You are too far away to try a field goal!\r\nGo for it or punt!";
    struct Kick {
        std::string call;
        int ballOn;
        bool refused = false;
    };
    std::vector<Kick> kicks;
    std::optional<size_t> kickPending;  // the kick whose answer is the next window
    std::vector<std::string> timeoutPrompts;
    int conversions = 0, kickoffs = 0, snaps = 0;
    bool subbingShown = false;
    std::string answered;
    std::optional<au::Window> stats;
    const auto normalised = [](std::string t) {
        for (size_t at; (at = t.find("\r\n")) != std::string::npos;) t.replace(at, 2, "\n");
        return t;
    };
    TestDesktop::waitFor(Deadline * 6, [&] {
        const auto w = gd.top();
        if (!w || w->blocked || w->id == answered) return false;
        if (w->title == "Game Statistics") {
            stats = w;
            return true;
        }
        answered = w->id;
        const bool kroBox = w->windowClass == "dialog" && w->title == "KRO" && au::findControl(*w, "OK");
        if (kickPending) {
            const au::Control* text = kroBox ? au::findControl(*w, "qt_msgbox_label") : nullptr;
            const std::string& call = kicks[*kickPending].call;
            kicks[*kickPending].refused =
                text && text->text == normalised(call == "PU" ? puntRefusal : goalRefusal);
            kickPending.reset();
        }
        if (w->name == "InputBox") {
            EXPECT_EQ(w->title, "Time is running out!");
            timeoutPrompts.push_back(au::findControl(*w, "lblPrompt")->text);
            // The first answer is no answer and is asked again; lower case counts as upper.
            au::setText(*w, "txtInput", timeoutPrompts.size() == 1 ? "z" : "n");
            au::click(*w, "OK");
        } else if (w->windowClass == "dialog" && au::findControl(*w, "&Yes")) {
            au::click(*w, "&Yes");
        } else if (kroBox) {
            const au::Control* text = au::findControl(*w, "qt_msgbox_label");
            if (text) gd.messages.push_back(text->text);
            au::click(*w, "OK");
        } else if (w->name == "Kickoff") {
            ++kickoffs;
            au::click(*w, "Kickoff");
        } else if (w->name == "Penalty") {
            const au::Control* accept = au::findControl(*w, "Option1_0");
            au::select(*w, "Option1", accept && accept->visible ? 0 : 1);
        } else if (w->name == "Extrapt") {
            ++conversions;
            const au::Control* twoPoints = au::findControl(*w, "Option1_1");
            if (twoPoints && twoPoints->visible) au::select(*w, "Option1", conversions % 2);
            if (au::findControl(*w, "Command1")->visible) au::clickControl(*w, "Command1");
            else answered.clear();
        } else if (w->name == "Subbing") {
            // Opened by SUB from the offensive box, which asks for the call again.
            subbingShown = true;
            EXPECT_TRUE(au::findControl(*w, "lblSlot_50"));
            au::clickControl(*w, "cmdDone");
        } else if (w->name == "Ccontrol") {
            au::clickControl(*w, "Command1");
        } else if (w->name == "Makecall" && w->title == "OFFENSE") {
            const auto board = au::findWindow("KRO Scoreboard*");
            const int on = board ? offenseBallOn(*board) : 0;
            const bool fourthDown = board && au::findControl(*board, "lblDown")->text == "4";
            // Each kick is tried once on the wrong side of its limit, once on each spot
            // beside the limit the ball happens to reach, and on every fourth down.
            const auto tried = [&](const std::string& call, const std::function<bool(int)>& spot) {
                return std::any_of(kicks.begin(), kicks.end(),
                                   [&](const Kick& k) { return k.call == call && spot(k.ballOn); });
            };
            const auto here = [on](int yards) { return yards == on; };
            std::string call = "1525";
            if (!subbingShown) call = "SUB";
            else if ((on == 70 || on == 71) && !tried("PU", here)) call = "PU";
            else if ((on == 46 || on == 47) && !tried("FG", here)) call = "FG";
            else if (on >= 71 && !tried("PU", [](int y) { return y >= 71; })) call = "PU";
            else if (on <= 46 && !tried("FG", [](int y) { return y <= 46; })) call = "FG";
            else if (fourthDown) call = on > 46 ? "FG" : "PU";
            if (call == "PU" || call == "FG") {
                kicks.push_back({call, on});
                kickPending = kicks.size() - 1;
            } else if (call == "1525") {
                ++snaps;
            }
            au::sendKeys(*w, call + "{ENTER}");
        } else if (w->name == "Makecall" && w->title == "DEFENSE") {
            au::sendKeys(*w, "605{ENTER}");
        } else {
            answered.clear();  // not ready yet, look again
        }
        return false;
    });
    ASSERT_TRUE(stats) << snaps << " snaps called";
    EXPECT_EQ(gd.messages.back().rfind("END OF GAME   \n", 0), 0u) << gd.messages.back();
    EXPECT_GE(kickoffs, 2);
    EXPECT_TRUE(subbingShown);
    for (const Kick& k : kicks) {
        SCOPED_TRACE(k.call + " on " + std::to_string(k.ballOn));
        EXPECT_EQ(k.refused, k.call == "PU" ? k.ballOn >= 71 : k.ballOn <= 46);
    }
    ASSERT_GE(timeoutPrompts.size(), 2u);
    EXPECT_EQ(timeoutPrompts[1], timeoutPrompts[0]);
    for (const std::string& prompt : timeoutPrompts)
        EXPECT_NE(prompt.find(": Timeout (Y/N"), std::string::npos) << prompt;
    au::click(*stats, "Exit");
    EXPECT_TRUE(gd.desktop.lobbyStarted(Deadline));
    EXPECT_TRUE(gd.program->ended(Deadline));
    const lf::ScheduleRecord played = lf::readAll<lf::ScheduleRecord>(gd.desktop.league / "TEST.sch")[0];
    EXPECT_TRUE(played.status() >= '4' && played.status() <= '9');
}


// The whole regular season played through the program, one start per game as the lobby
// would start it, with the computer coaching both sides.
TEST(GamedayProgram, RegularSeasonPlayedThroughTheProgramKeepsTheLeagueConsistent) {
    Gameday gd;
    for (int game = 1; game <= 56; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        fs::remove(gd.desktop.league / "lobby-started");
        gd.start();
        au::click(gd.waitFor("Test League"), "&Yes");
        au::click(gd.waitFor("Test League Season*"), "Play Next Game");
        au::click(gd.waitFor("Welcome To The Veltran Football League"), "Play Game");
        au::click(gd.waitFor("Select Coaches"), "Play the Game");
        au::click(gd.waitFor("Game Statistics"), "Exit");
        ASSERT_TRUE(gd.desktop.lobbyStarted(Deadline));
        ASSERT_TRUE(gd.program->ended(Deadline));
    }
    gameday::testing::expectConsistentRegularSeason(gd.desktop.league);
}

}  // namespace
