// Down and distance, the clock, the two-minute warning, quarters and
// overtime, and injuries with the depth order.
#include "gameday/engine/tests/engine_fixture.h"

namespace {

using fbtest::EngineTest;
using Draws = std::vector<lf::PlannedDraw>;

TEST_F(EngineTest, TwoMinuteWarningStopsTheClockAtTwoMinutes) {
  struct Case { int left, seconds, huddle, after; };
  for (const Case c : {Case{125, 3, 31, 120}, Case{125, 7, 31, 118}, Case{127, 7, 31, 120}}) {
    SCOPED_TRACE(c.left);
    s.quarter = 4;
    s.secondsLeft = c.left;
    s.side[1].score = 7;   // the offence leads: no timeouts wanted
    s.coachControl = 1;
    seam.messages.clear();
    s.play.seconds = c.seconds;
    s.play.huddleSeconds = c.huddle;
    run({}, [](fb::Game& g) { fb::runClock(g); });
    EXPECT_EQ(s.secondsLeft, c.after);
    EXPECT_EQ(seam.messages, std::vector<std::string>{"TWO MINUTE WARNING"});
  }
}

TEST_F(EngineTest, TimeoutSavesTheHuddleButNotThePlay) {
  s.quarter = 4;
  s.secondsLeft = 100;
  s.side[2].score = 3;   // the computer offence trails
  s.play.seconds = 6;
  s.play.huddleSeconds = 31;
  run({}, [](fb::Game& g) { fb::runClock(g); });
  EXPECT_EQ(s.secondsLeft, 94);
  EXPECT_EQ(s.side[1].timeoutsUsed, 1);
  EXPECT_NE(s.events.back().find("Comets call TIMEOUT # 1"), std::string::npos);
}

TEST_F(EngineTest, FourthDownShortOfTheLineTurnsTheBallOver) {
  struct Case { int ballOn, toGo, yards, newBallOn, newToGo; };
  for (const Case c : {Case{62, 5, 2, 38, 10}, Case{95, 8, 2, 5, 10}, Case{5, 7, 1, 95, 5}}) {
    s.offense = 1, s.defense = 2;
    s.down = 4;
    s.ballOn = c.ballOn;
    s.yardsToGo = c.toGo;
    s.play = fb::Play{};
    s.play.yards = c.yards;
    run({}, [](fb::Game& g) { fb::downAndDistance(g); });
    EXPECT_EQ(s.offense, 2);
    EXPECT_EQ(s.ballOn, c.newBallOn);
    EXPECT_EQ(s.down, 1);
    EXPECT_EQ(s.yardsToGo, c.newToGo);
  }
}

TEST_F(EngineTest, EndOfRegulationAndOvertimePeriods) {
  struct Case {
    int quarter, gameType, visitor, home;
    int quarterAfter;
    bool over, kickoffPending;
  };
  const Case cases[] = {
      {4, 0, 7, 7, 5, false, true},    // level: overtime starts with a coin toss
      {4, 0, 10, 7, 4, true, false},   // decided in regulation
      {5, 0, 7, 7, 6, true, false},    // no second overtime period in the regular season
      {5, 1, 7, 7, 6, false, false},   // playoffs play on
      {5, 2, 7, 7, 6, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.quarter) + " " + std::to_string(c.gameType));
    s.quarter = c.quarter;
    s.gameType = c.gameType;
    s.side[1].score = c.visitor, s.side[2].score = c.home;
    s.secondsLeft = 5;
    s.gameOver = false, s.kickoffPending = false;
    s.weather.surface = 3;   // indoors: the temperature holds
    s.play.seconds = 9;
    s.play.huddleSeconds = 0;
    run({}, [](fb::Game& g) { fb::runClock(g); });
    EXPECT_EQ(s.quarter, c.quarterAfter);
    EXPECT_EQ(s.gameOver, c.over);
    EXPECT_EQ(s.kickoffPending, c.kickoffPending);
  }
}

TEST_F(EngineTest, AnOvertimeScoreEndsTheGameAtTheNextClockRun) {
  s.quarter = 5;
  s.gameType = 1;
  s.side[1].score = 10, s.side[2].score = 7;
  s.play.seconds = 4;
  run({}, [](fb::Game& g) { fb::runClock(g); });
  EXPECT_TRUE(s.gameOver);
}

TEST_F(EngineTest, InjuryLengthAndMoveToTheBottomOfTheGroup) {
  struct Case { int b, c, dur, quarters; };
  // b and c are drawn from the weights 128.. (total 257) and 144.. (total 202).
  for (const Case k : {Case{1, 1, 5, 1}, Case{257, 202, 0, 150}}) {
    SCOPED_TRACE(k.quarters);
    s.side[1].roster[1].ratings[0] = static_cast<char>('0' + k.dur);
    s.side[1].roster[1].injury = "    ";
    fb::resetDepthCharts(s);
    call("1525");
    run({{260, 3}, {2, 1}, {11, 1}, {257, double(k.b)}, {202, double(k.c)}},
        [](fb::Game& g) { fb::injuryCheck(g); });
    EXPECT_EQ(fb::injuryQuarters(s.side[1].roster[1]), k.quarters);
    EXPECT_EQ(s.side[1].depth[1], 2);
    EXPECT_EQ(s.side[1].depth[2], 3);
    EXPECT_EQ(s.side[1].depth[3], 1);
  }
}

TEST_F(EngineTest, InjuredKickerKeepsHisSlot) {
  call("1525");
  s.side[1].lineup[5] = 49;
  run({{260, 1}, {2, 1}, {11, 5}, {257, 1}, {202, 1}}, [](fb::Game& g) { fb::injuryCheck(g); });
  EXPECT_GT(fb::injuryQuarters(s.side[1].roster[49]), 0);
  EXPECT_EQ(s.side[1].depth[49], 49);
}

TEST_F(EngineTest, InjuriesCountDownByQuarterAndTheDepthChartResets) {
  s.side[2].roster[6].injury = "1";
  s.side[2].roster[1].injury = "3";
  fb::resetDepthCharts(s);
  fb::moveInjuredDown(s);
  EXPECT_EQ(s.side[2].depth[9], 6);   // HB1 sits at the bottom of the halfbacks
  EXPECT_EQ(s.side[2].depth[3], 1);
  fb::injuryCountdown(s);
  EXPECT_EQ(s.side[2].roster[6].injury, "   0");
  EXPECT_EQ(s.side[2].roster[1].injury, "   2");
  fb::resetDepthCharts(s);
  fb::moveInjuredDown(s);
  EXPECT_EQ(s.side[2].depth[6], 6);   // back in file order
  EXPECT_EQ(s.side[2].depth[3], 1);
}

TEST_F(EngineTest, SubstitutionOnlyWithinAGroupAndBetweenEquallyFitPlayers) {
  EXPECT_TRUE(fb::substitute(s, 1, 1, 2));
  EXPECT_EQ(s.side[1].depth[1], 2);
  EXPECT_FALSE(fb::substitute(s, 1, 3, 4));    // QB3 and FB1
  EXPECT_FALSE(fb::substitute(s, 1, 49, 50));  // kicker and punter
  s.side[1].roster[3].injury = "2";
  EXPECT_FALSE(fb::substitute(s, 1, 1, 3));    // a healthy and an injured quarterback
}

}  // namespace
