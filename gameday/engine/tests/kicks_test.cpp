// Kickoffs, punts, field goals, touchdowns and conversions reached with
// planned draws.
#include "gameday/engine/tests/engine_fixture.h"

namespace {

using fbtest::EngineTest;
using Draws = std::vector<lf::PlannedDraw>;
namespace st = fb::stat;

Draws operator+(Draws a, const Draws& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(EngineTest, DeepKickoffsLandAndAreReturnedOrDowned) {
  struct Case { int base, extra, spot, outDraw, returnDraw, ballAfter; };
  const Case cases[] = {
      {3456, 2, 30, 2, 11, 20},   // 70 yards: the goal line, not returned: touchback
      {2000, 2, 30, 1, 0, 35},    // 60 yards out of bounds: the receivers' 35
      {2000, 2, 20, 1, 0, 45},    // ... after a safety, from the 20: their 45
      {3456, 2, 30, 1, 11, 20},   // 70 yards never goes out of bounds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.base) + " " + std::to_string(c.spot));
    s.offense = 1, s.defense = 2;
    Draws d = {{3456, double(c.base)}, {10, double(c.extra)}, {35, double(c.outDraw)}};
    if (c.returnDraw) d.push_back({20, double(c.returnDraw)});
    run(d, [&](fb::Game& g) { fb::kickoff(g, c.spot); });
    EXPECT_EQ(s.offense, 2);
    EXPECT_EQ(s.ballOn, c.ballAfter);
    EXPECT_EQ(s.down, 1);
  }
}

TEST_F(EngineTest, KickReturnedFromDeepInTheEndZoneThatStaysThereIsATouchback) {
  s.offense = 1, s.defense = 2;
  int total = 0;
  for (int p = 1; p <= 50; ++p) total += 1 << fb::rating(s, 2, p, 15);
  // 75 yards: five deep; returned (1 of 20 at most 5); returner player 1; 3 yards.
  run({{3456, 3456}, {10, 7}, {35, 2}, {20, 5}, {total, 1}, {2, 1}, {408, 31},
       {5, double(fb::rating(s, 2, 1, 15))}},
      [](fb::Game& g) { fb::kickoff(g, 30); });
  EXPECT_EQ(s.ballOn, 20);
  EXPECT_EQ(s.side[2].stats[st::KickoffReturns], 0);
}

TEST_F(EngineTest, ComputerKicksOnsideOrSquibLateInTheGame) {
  struct Case { int quarter, left, kicking, receiving; char type; };
  const Case cases[] = {
      {4, 299, 10, 20, 'O'},   // nine behind
      {4, 299, 14, 20, 'D'},   // six behind with time left
      {4, 120, 14, 20, 'O'},   // ... but not with two minutes left
      {4, 14, 20, 20, 'S'},    // level, seconds left
      {4, 59, 30, 20, 'S'},    // well ahead in the last minute
      {4, 59, 24, 20, 'D'},
      {4, 300, 0, 20, 'D'},    // five minutes left: always deep
      {2, 10, 0, 20, 'D'},
  };
  for (const Case& c : cases) {
    s.offense = 1, s.defense = 2;
    s.quarter = c.quarter;
    s.secondsLeft = c.left;
    s.side[1].score = c.kicking, s.side[2].score = c.receiving;
    lf::Random rnd(9);
    fb::Game g{s, fbtest::tables(), rnd, seam};
    fb::kickoff(g, 30);
    EXPECT_EQ(s.kickType, c.type) << c.quarter << " " << c.left << " " << c.kicking;
  }
}

// A punt from the 40 whose drawn index is 24 (25 yards once lengthened).
Draws puntTo25(int fate) {
  return {{10, 2}, {6, 6}, {25, 2}, {487, 67}, {5, 2}, {1000, double(fate)}};
}

TEST_F(EngineTest, ShortPuntsGoOutOfBoundsWhateverTheFateDraw) {
  s.ballOn = 40;
  ASSERT_EQ(fb::rating(s, 1, 50, 12), 2);
  run(puntTo25(500) + Draws{{3, 1}}, [](fb::Game& g) { fb::punt(g); });
  EXPECT_EQ(s.offense, 2);
  EXPECT_EQ(s.ballOn, 35);
  EXPECT_NE(s.events.back().find("Out of Bounds"), std::string::npos);
  EXPECT_EQ(s.side[1].stats[st::PuntYards], 25);
  EXPECT_EQ(s.side[1].stats[st::PuntsInside20], 0);
}

TEST_F(EngineTest, PuntReachingTheGoalLineIsCutAndATouchback) {
  s.ballOn = 80;
  // puntin40 index 25, no fate, a bounce that loses a yard, touchback seconds.
  run({{10, 2}, {6, 6}, {25, 2}, {337, 187}, {1000, 1000}, {0, 0.0}, {6, 1}, {6, 1}, {3, 1}},
      [](fb::Game& g) { fb::punt(g); });
  EXPECT_EQ(s.ballOn, 20);
  EXPECT_EQ(s.side[1].stats[st::PuntYards], 20);
  EXPECT_EQ(s.side[1].stats[st::PuntTouchbacks], 1);
  EXPECT_EQ(s.side[1].stats[st::PuntsInside20], 0);
}

TEST_F(EngineTest, PuntBlockedBeyondTheEndLineIsASafetyForTheBlocker) {
  s.ballOn = 5;
  // punting entry 12 is a block; the ball is driven back 16 yards.
  run({{10, 2}, {6, 6}, {25, 2}, {487, 1}, {6, 6}, {6, 6}, {6, 4}, {11, 3}},
      [](fb::Game& g) { fb::punt(g); });
  EXPECT_EQ(s.ballOn, -11);
  EXPECT_EQ(s.play.tackler, s.side[2].lineup[3]);
  EXPECT_EQ(s.side[1].stats[st::PuntsBlocked], 1);
}

class FieldGoalTest : public EngineTest {
 protected:
  // A kick on the last second of a game the home side leads 10 to 0, indoors in
  // heavy rain, with no foul, no block and no fake.
  void kick(int ballOn, int draw) {
    s.ballOn = ballOn;
    s.quarter = 4;
    s.secondsLeft = 1;
    s.side[2].score = 10;
    s.weather.surface = 3;
    s.weather.precipitation = 2;
    s.lastWeatherFactor = 0;
    const int even = fb::rating(s, 1, 49, 13);
    run({{2, 1}, {50, 50}, {2, 2}, {1000, 1000}, {5, double(even)}, {2, 1}, {950, double(draw)}},
        [](fb::Game& g) { fb::fieldGoal(g); });
  }
};

TEST_F(FieldGoalTest, FortyFiveYardsInHeavyRainIsGood530TimesIn950) {
  kick(72, 530);
  EXPECT_EQ(s.side[1].score, 3);
  EXPECT_EQ(s.side[1].stats[48], 1);
  EXPECT_EQ(s.side[1].stats[49], 1);
  EXPECT_EQ(s.side[1].stats[st::LongFieldGoal], 45);
  EXPECT_TRUE(s.gameOver);
}

TEST_F(FieldGoalTest, AMissGivesTheBallAtTheSpotOfTheKick) {
  kick(72, 531);
  EXPECT_EQ(s.side[1].score, 0);
  EXPECT_EQ(s.side[1].missedFieldGoals, " 45");
  EXPECT_EQ(s.offense, 2);
  EXPECT_EQ(s.ballOn, 35);
  kick(80, 950);   // 37 yards
  EXPECT_EQ(s.ballOn, 27);
}

TEST_F(EngineTest, ComputerGoesForTwoByTheMargin) {
  struct Case { int margin; char choice; };
  const Case cases[] = {{1, 'S'}, {4, 'S'}, {-2, 'S'}, {-5, 'S'}, {-10, 'S'}, {-24, 'S'},
                        {7, 'D'}, {0, 'D'}, {2, 'D'},  {-1, 'D'}, {-7, 'D'}, {14, 'D'}};
  for (const Case c : cases) {
    s.side[1].score = 20 + c.margin;
    s.side[2].score = 20;
    char choice = 0;
    run({}, [&](fb::Game& g) { choice = fb::conversionForm(g, "TD", st::RushTd); });
    EXPECT_EQ(choice, c.choice) << c.margin;
  }
}

TEST_F(EngineTest, TwoPointTryCreditsTheScorer) {
  s.ballOn = 100;
  s.quarter = 2;
  s.secondsLeft = 400;
  s.side[1].score = 0, s.side[2].score = 2;   // 6 points make the margin 4: go for two
  s.play.conversionMode = st::RushTd;
  s.play.ballCarrier = 6;
  s.play.text = "First6 Comets6 3 yard run";
  s.play.seconds = 5;
  // Good on 47 of 100; depth slot 3 (r = 3) names line-up place 3; then the kickoff
  // to the other side: deep, out of bounds.
  run({{100, 47}, {6, 3}, {3456, 2000}, {10, 2}, {35, 1}}, [](fb::Game& g) { fb::touchdown(g); });
  EXPECT_EQ(s.side[1].score, 8);
  // Place 3 of the two-point line-up is HB2.
  EXPECT_EQ(s.side[1].roster[7].stats[st::TwoPointConversions], 1);
  EXPECT_EQ(s.scoring.back().substr(21), "F Comets6 3 yard run TD (F Comets7 2 pt)");
  EXPECT_EQ(s.offense, 2);   // the scorers kicked off
}

TEST_F(EngineTest, OvertimeTouchdownEndsTheGameWithoutAConversion) {
  s.quarter = 5;
  s.gameType = 1;
  s.side[1].score = s.side[2].score = 17;
  s.ballOn = 100;
  s.play.conversionMode = st::ReceivingTd;
  s.play.ballCarrier = 10;
  s.play.passer = 1;
  s.play.text = "First10 Comets10 12 yard pass from First1 Comets1";
  s.play.seconds = 6;
  run({}, [](fb::Game& g) { fb::touchdown(g); });
  EXPECT_TRUE(s.gameOver);
  EXPECT_EQ(s.side[1].score, 23);
  EXPECT_EQ(s.side[1].roster[1].stats[st::PassingTd], 1);
  EXPECT_EQ(s.scoring.back().substr(21), "F Comets10 12 yard pass from F Comets1 TD ");
  ASSERT_EQ(seam.conversions.size(), 1u);
  EXPECT_EQ(seam.conversions[0].command1Caption, "Kickoff");
  EXPECT_FALSE(seam.conversions[0].showOptions);
}

}  // namespace
