// The run decided look by look: each listing of the desktop gives the button to press next.
#include <gtest/gtest.h>

#include "batchplay/simulation.h"
#include "batchplay/tests/desktop.h"
#include "ui/title_pattern.h"

namespace {

using namespace batchplaytest;
using batchplay::Outcome;
using batchplay::Stage;

const std::string kWeek = "Veltran League Season # 2";

Window weekDisplay() { return window("w1", kWeek, "form", {button("Prior Week"), button("Play Next Game")}); }
Window kroBox(const std::string& id) { return window(id, "KRO", "dialog", {label("Touchdown!"), button("OK")}); }

batchplay::Run started(int games) {
    batchplay::Start start = batchplay::startRun({weekDisplay()}, std::to_string(games));
    EXPECT_TRUE(start.run);
    return *start.run;
}

// Presses the one button the run asks for on this desktop and checks it was caption of window id.
Outcome press(batchplay::Run& run, const std::vector<Window>& desktop, const std::string& id,
              const std::string& caption) {
    const auto p = batchplay::nextPress(run, desktop);
    EXPECT_TRUE(p) << "nothing to press, expected " << caption;
    if (!p) return Outcome::Going;
    EXPECT_EQ(p->window.id, id);
    EXPECT_TRUE(ui::titleMatches(caption, p->caption) || p->caption == caption) << p->caption;
    return batchplay::pressed(run, *p);
}

TEST(Detection, ReadyOnlyWithAWeekDisplayAndItsButton) {
    batchplay::Detection d = batchplay::detect({weekDisplay()});
    EXPECT_TRUE(d.ready);
    EXPECT_EQ(d.detected, "Veltran League Season #2");
    EXPECT_EQ(d.status, "Status: Ready");
    for (const std::vector<Window>& desktop :
         {std::vector<Window>{}, {window("w1", kWeek, "form", {button("Play Next Game", false)})},
          {window("w1", kWeek, "dialog", {button("Play Next Game")})}}) {
        d = batchplay::detect(desktop);
        EXPECT_FALSE(d.ready);
        EXPECT_EQ(d.detected, "KRO Season Game Window Not Detected");
        EXPECT_EQ(d.status, "Status: Searching For KRO Season Game Window...");
    }
}

TEST(StartRun, RefusedWithoutNumberOrWeekDisplay) {
    EXPECT_EQ(batchplay::startRun({weekDisplay()}, "").message, batchplay::NoGamesMessage);
    EXPECT_EQ(batchplay::startRun({}, "3").message, batchplay::NotOpenMessage);
    const batchplay::Start s = batchplay::startRun({weekDisplay()}, "3");
    ASSERT_TRUE(s.run);
    EXPECT_EQ(s.run->leagueTitle, "Veltran League");
    EXPECT_EQ(s.run->weekTitle, kWeek);
    EXPECT_EQ(batchplay::runStatus(*s.run), "Status: Simulating Game 1 of 3...");
}

TEST(GamesToSimulate, IntegerPartOfTheLeadingNumber) {
    const std::vector<std::pair<std::string, int>> cases{
        {"12", 12}, {" 7", 7}, {"3.9", 3}, {".5", 0}, {"4%", 4}, {"99999999999999", 2147483647}};
    for (const auto& [text, n] : cases) EXPECT_EQ(batchplay::gamesToSimulate(text), n) << text;
}

TEST(Run, TwoGamesThroughEveryWindowAnsweringTheGamesBoxes) {
    batchplay::Run run = started(2);
    const std::string league = run.leagueTitle;
    for (int game = 1; game <= 2; ++game) {
        EXPECT_EQ(run.game, game);
        const std::string n = std::to_string(game);
        // Nothing to press while the week display is not there yet.
        EXPECT_FALSE(batchplay::nextPress(run, {window("q" + n, league, "dialog", {button("&Yes")})}));
        press(run, {window("k" + n, "KRO", "form", {}), weekDisplay()}, "w1", "Play Next Game");
        press(run, {window("t" + n, "Welcome To The Veltran Football League", "form", {button("Play Game")})},
              "t" + n, "Play Game");
        press(run, {window("c" + n, "Select Coaches", "form", {button("Play the Game")})}, "c" + n,
              "Play the Game");
        EXPECT_TRUE(run.gameStarted);
        press(run, {kroBox("b" + n)}, "b" + n, "OK");
        // The box pressed is still listed until it closes: it is not pressed twice.
        EXPECT_FALSE(batchplay::nextPress(run, {kroBox("b" + n)}));
        Window stats = window("s" + n, "Game Statistics", "form", {button("Exit")});
        Window blocked = stats;
        blocked.blocked = true;
        press(run, {blocked, kroBox("x" + n)}, "x" + n, "OK");
        const Outcome out = press(run, {stats}, "s" + n, "Exit");
        if (game == 2) {
            EXPECT_EQ(out, Outcome::Finished);
            break;
        }
        EXPECT_EQ(out, Outcome::Going);
        press(run, {window("m" + n, "Veltran Football League", "form", {button("Play A Game")}, 200)}, "m" + n,
              "Play A Game");
        press(run, {window("q" + n, league, "dialog", {label("Is this a league game?"), button("&Yes"), button("&No")})},
              "q" + n, "&Yes");
    }
}

TEST(Run, AGameBoxBeforeTheWelcomeWindowSendsTheRunBackToTheWeekDisplay) {
    batchplay::Run run = started(1);
    press(run, {weekDisplay()}, "w1", "Play Next Game");
    press(run, {kroBox("b1"), window("t", "Welcome To The Veltran Football League", "form", {button("Play Game")})},
          "b1", "OK");
    EXPECT_EQ(run.stage, Stage::WeekDisplay);
    Window again = weekDisplay();
    again.id = "w9";
    press(run, {again}, "w9", "Play Next Game");
    EXPECT_EQ(run.stage, Stage::Welcome);
}

TEST(Run, PostseasonNoticeBeforeTheWeekDisplayIsAnswered) {
    batchplay::Run run = started(1);
    press(run, {window("n", "KRO", "dialog", {label("Setting Up Postseason"), button("OK")})}, "n", "OK");
    EXPECT_EQ(run.stage, Stage::WeekDisplay);
}

TEST(Run, SeasonCompleteBoxHaltsTheRun) {
    batchplay::Run run = started(5);
    const Window done = window("d", run.leagueTitle, "dialog", {label("The season is complete!"), button("OK")});
    EXPECT_EQ(press(run, {done}, "d", "OK"), Outcome::Halted);
    // Under another title, or with the text twice, it is not the season's end.
    run = started(5);
    Window other = done;
    other.title = "Another League";
    EXPECT_FALSE(batchplay::nextPress(run, {other}));
    Window twice = done;
    twice.controls.push_back(label("The season is complete!"));
    EXPECT_FALSE(batchplay::nextPress(run, {twice}));
}

TEST(Run, StopRequestEndsTheRunWhenTheStatisticsWindowCloses) {
    batchplay::Run run = started(10);
    press(run, {weekDisplay()}, "w1", "Play Next Game");
    press(run, {window("t", "Welcome To The Veltran Football League", "form", {button("Play Game")})}, "t",
          "Play Game");
    press(run, {window("c", "Select Coaches", "form", {button("Play the Game")})}, "c", "Play the Game");
    run.stopRequested = true;
    EXPECT_EQ(press(run, {window("s", "Game Statistics", "form", {button("Exit")})}, "s", "Exit"),
              Outcome::Finished);
}

}  // namespace
