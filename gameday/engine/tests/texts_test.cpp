// Event lines, scoring lines and the scoreboard's values.
#include "gameday/engine/tests/engine_fixture.h"
#include "gameday/engine/texts.h"

namespace {

using fbtest::EngineTest;

TEST_F(EngineTest, EventLinePrefixAndJoinedTexts) {
  s.quarter = 1;
  s.secondsLeft = 14 * 60 + 5;
  s.side[1].code = "ABCD";
  s.yardsToGoal = 35;
  EXPECT_EQ(fb::eventPrefix(s), " 1  14:05  ABCD  35  ");
  s.side[1].code = "EAS ";
  s.secondsLeft = -3;
  s.yardsToGoal = 100;
  EXPECT_EQ(fb::eventPrefix(s), " 1   0:00  EAS  100  ");
  s.eventLineOpen = false;
  run({}, [](fb::Game& g) {
    fb::logText(g, "Plunge vs Pass");
    fb::logText(g, "A Runner 3 yard run");
    fb::logText(g, "Tackle by A Tackler");
  });
  EXPECT_EQ(s.events.back(), " 1   0:00  EAS  100  Plunge vs Pass. A Runner 3 yard run. Tackle by A Tackler");
}

TEST_F(EngineTest, TextsOfSeveralPartsJoinTheEventLineAndThePlayTextKeepsItsOwn) {
  s.eventLineOpen = false;
  run({}, [](fb::Game& g) {
    fb::logText(g, {"Long Bomb", " vs ", "Prevent"});
    fb::sayText(g, {"A Receiver", " ", std::to_string(-4), " yard pass from ", "A Passer"});
    fb::logText(g, {"Tackle by ", "B"});
  });
  EXPECT_EQ(s.play.text, "A Receiver -4 yard pass from A Passer");
  const std::string& line = s.events.back();
  const std::string texts = "Long Bomb vs Prevent. A Receiver -4 yard pass from A Passer. Tackle by B";
  ASSERT_GE(line.size(), texts.size());
  EXPECT_EQ(line.substr(line.size() - texts.size()), texts);
}

TEST_F(EngineTest, ScoringLinesDropRepeatsAndCloseOvertime) {
  run({}, [](fb::Game& g) {
    fb::scoringLine(g, "a");
    fb::scoringLine(g, "a");   // the first repeat is kept: one line is not yet "more than one"
    fb::scoringLine(g, "a");
  });
  EXPECT_EQ(s.scoring.size(), 2u);
  s.quarter = 5;
  run({}, [](fb::Game& g) {
    fb::scoringLine(g, "b");
    fb::scoringLine(g, "c");
    fb::addPoints(g, 3);
  });
  EXPECT_EQ(s.scoring.size(), 3u);
  EXPECT_TRUE(s.overtimeClosed);
  EXPECT_EQ(s.side[1].score, 0);
}

TEST_F(EngineTest, ScoreboardValues) {
  struct Case { int ballOn; const char* label; };
  for (const Case c : {Case{50, "midfield"}, Case{65, "Rangers  35"}, Case{5, "Comets  5"}}) {
    s.ballOn = c.ballOn;
    EXPECT_EQ(fb::scoreboardView(s).ballOn, c.label);
  }
  s.side[1].timeoutsUsed = 2;
  s.side[2].timeoutsUsed = 0;
  s.secondsLeft = 4 * 60 + 7;
  s.side[1].windFor = 1;
  s.weather.windText = "Light Wind";
  const fb::ScoreboardView v = fb::scoreboardView(s);
  EXPECT_EQ(v.visitorLabel, "Comets * -  ");
  EXPECT_EQ(v.homeLabel, "Rangers   ---");
  EXPECT_EQ(v.time, " 4:07");
  EXPECT_EQ(v.wind, "WITH Light Wind");
  s.secondsLeft = -1;
  EXPECT_EQ(fb::scoreboardView(s).time, " 0:00");
}

TEST_F(EngineTest, SpeedAndKickingPlayOneBetterOnTurf) {
  s.side[1].roster[1].ratings = "555555555555555 ";
  for (int surface : {1, 2, 3}) {
    s.weather.surface = surface;
    const int bonus = surface == 1 ? 0 : 1;
    EXPECT_EQ(fb::rating(s, 1, 1, 3), 5 + bonus);
    EXPECT_EQ(fb::rating(s, 1, 1, 13), 5 + bonus);
    EXPECT_EQ(fb::rating(s, 1, 1, 2), 5);
  }
  s.side[1].roster[1].ratings.assign(1, 'x');
  EXPECT_EQ(fb::rating(s, 1, 1, 1), 0);
  EXPECT_EQ(fb::rating(s, 1, 1, 9), 0);
}

TEST_F(EngineTest, ChangeOfPossessionTurnsTheField) {
  for (auto [ballOn, toGo] : {std::pair{30, 10}, std::pair{5, 5}}) {
    s.ballOn = ballOn;
    s.offense = 1, s.defense = 2;
    s.down = 4, s.yardsToGo = 20;
    s.play = fb::Play{};
    run({}, [](fb::Game& g) { fb::downAndDistance(g); });
    EXPECT_EQ(s.ballOn, 100 - ballOn);
    EXPECT_EQ(s.yardsToGo, toGo);
  }
}

}  // namespace
