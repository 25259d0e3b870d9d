// Runs, passes, sacks, fumbles and penalties reached with planned draws.
#include "gameday/engine/tests/engine_fixture.h"

namespace {

using fbtest::EngineTest;
namespace st = fb::stat;
using Draws = std::vector<lf::PlannedDraw>;

Draws operator+(Draws a, const Draws& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// No fumble (a draw of the whole range), no foul (one in fifteen, then one in thirty).
const Draws kSafeBall = {{1300, 1300}};
const Draws kNoFoul = {{15, 2}, {30, 2}};

TEST_F(EngineTest, ShortPassAtTheNinetyOneCompletesOn559NotOn560) {
  for (int x : {559, 560}) {
    SCOPED_TRACE(x);
    s.ballOn = 91;
    s.side[1].stats.fill(0);
    call("2120");   // Screen Right to HB 1: depth 1
    const int luckDraw = fb::rating(s, 1, 6, 2);   // the receiver's PWR: luck 0
    const Draws completed = Draws{{1000, double(x)}, {50, 50}, {800, 2}, {2, 1}, {969, 1},
                                  {900, 1}, {5, double(luckDraw)}, {5, 1}, {7, 1}} +
                            kSafeBall + kNoFoul;
    const Draws incomplete = {{1000, double(x)}, {3, 1}, {15, 2}, {30, 2}};
    run(x == 559 ? completed : incomplete, [](fb::Game& g) { fb::passPlay(g); });
    EXPECT_EQ(s.side[1].stats[st::Completions], x == 559 ? 1 : 0);
    EXPECT_EQ(s.side[1].stats[st::PassAttempts], 1);
  }
}

TEST_F(EngineTest, SackLossesStopAt23YardsAndAtTheOwnGoalLine) {
  struct Case { int ballOn, extra, yards, ballAfter; };
  for (const Case c : {Case{35, 4, -23, 12}, Case{35, 1, -20, 15}, Case{10, 1, -10, 0}}) {
    SCOPED_TRACE(c.ballOn);
    s.ballOn = c.ballOn;
    call("3150");   // Slant Right to WR 2
    // qbshort entry 22 is a sack; sacknorm's last entry j = 20; pass rush even;
    // the rusher in place 1; the loss 19 + extra.
    int P = 0;
    for (int place = 7; place <= 11; ++place) P += fb::rating(s, 1, s.side[1].lineup[place], 8) + 1;
    P += fb::rating(s, 1, 1, 4) + fb::rating(s, 1, 1, 8);
    int R = 0, total = 0;
    for (int place = 1; place <= 4; ++place) R += 2 + fb::rating(s, 2, s.side[2].lineup[place], 11);
    total = R;
    for (int place = 5; place <= 7; ++place) total += fb::rating(s, 2, s.side[2].lineup[place], 11);
    const Draws script = Draws{{426, 424}, {115, 115}, {2, 1}, {P, 1}, {R, 1}, {total, 1},
                               {4, double(c.extra)}, {5, 1}} +
                         kSafeBall + Draws{{30, 2}};
    run(script, [](fb::Game& g) { fb::passPlay(g); });
    EXPECT_EQ(s.play.yards, c.yards);
    EXPECT_EQ(s.ballOn, c.ballAfter);
    EXPECT_EQ(s.side[1].stats[st::TimesSacked], 1);
    EXPECT_EQ(s.side[2].stats[st::SacksMade], 1);
    EXPECT_EQ(s.play.sacker, 27);
    s.side[1].stats.fill(0);
    s.side[2].stats.fill(0);
  }
}

TEST_F(EngineTest, SackWipedOutByAnAcceptedFoulLeavesTheBallAtTheFoulSpot) {
  s.ballOn = 35;
  call("3150");
  int P = 0;
  for (int place = 7; place <= 11; ++place) P += fb::rating(s, 1, s.side[1].lineup[place], 8) + 1;
  P += fb::rating(s, 1, 1, 4) + fb::rating(s, 1, 1, 8);
  int R = 0, total = 0;
  for (int place = 1; place <= 4; ++place) R += 2 + fb::rating(s, 2, s.side[2].lineup[place], 11);
  total = R;
  for (int place = 5; place <= 7; ++place) total += fb::rating(s, 2, s.side[2].lineup[place], 11);
  // The general foul, entry 6: defence offside, which the computer offence accepts.
  run(Draws{{426, 424}, {115, 115}, {2, 1}, {P, 1}, {R, 1}, {total, 1}, {4, 4}, {5, 1}} + kSafeBall +
          Draws{{30, 1}, {9, 6}},
      [](fb::Game& g) { fb::passPlay(g); });
  EXPECT_EQ(s.ballOn, 40);
  EXPECT_EQ(s.side[1].stats[st::TimesSacked], 0);
  EXPECT_EQ(s.side[2].stats[st::Penalties], 1);
}

TEST_F(EngineTest, IllegalContactOnALongIncompletionIsFiveYardsAndAFirstDown) {
  call("3150");
  s.ballOn = 60, s.down = 2, s.yardsToGo = 9;
  s.play.depth = 4;
  s.play.passer = 1;
  s.play.ballCarrier = 11;
  run({{3, 1}, {15, 1}, {11, 11}}, [](fb::Game& g) { fb::incompletePass(g); });
  EXPECT_EQ(s.ballOn, 65);
  EXPECT_EQ(s.down, 1);
  EXPECT_NE(s.events.back().find("Penalty Accepted: DEFENSE ILLEGAL CONTACT"), std::string::npos);
}

TEST_F(EngineTest, FumblesAreRecoveredByTheDefenceAtPlacesSetByKindAndGain) {
  struct Case { int kind, yards, range, plus; };
  const Case cases[] = {{1, -3, 7, 0}, {1, 0, 7, 0},  {1, 3, 3, 4},  {1, 10, 7, 4},
                        {1, 20, 4, 7}, {2, 10, 10, 1}, {2, 25, 11, 0}};
  for (const Case c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.yards));
    call("1525");
    s.offense = 1, s.defense = 2;
    s.ballOn = 50;
    s.play.yards = c.yards;
    s.play.seconds = 5;
    run({{1000, 1000}, {c.range, double(c.range)}, {5984, 5984}, {3, 1}},
        [&](fb::Game& g) { fb::fumble(g, c.kind); });
    EXPECT_EQ(s.offense, 2);
    EXPECT_EQ(s.ballOn, 50);
    EXPECT_EQ(s.play.ballCarrier, s.side[2].lineup[c.range + c.plus]);
    EXPECT_EQ(s.side[2].stats[st::OpponentFumblesRecovered], 1);
    s.side[2].stats[st::OpponentFumblesRecovered] = 0;
  }
}

TEST_F(EngineTest, ReversesLoseLuckAfterTheThird) {
  // WR 1's speed is 1; a luck draw of 1 is even, unless four reverses lower it.
  ASSERT_EQ(fb::rating(s, 1, 10, 3), 1);
  for (int before : {0, 3}) {
    call("1742");
    s.side[1].reversesUsed = before;
    run({{5, 1}, {135, 50}, {6, 1}, {6, 1}, {6, 1}, {4, 1}}, [](fb::Game& g) { fb::runYardage(g); });
    EXPECT_EQ(s.play.yards, fbtest::tables().reverse[3][before == 3 ? 4 : 3]);
    EXPECT_EQ(s.side[1].reversesUsed, before + 1);
  }
}

TEST_F(EngineTest, VisitorsEarlyDownRunsAreCutByATenthRoundedToEven) {
  fb::Tables t = fbtest::tables();
  for (auto& row : t.matchup) row.fill(0);
  struct Case { int table, side, down, yards; };
  for (const Case c : {Case{5, 1, 1, 4}, Case{7, 1, 2, 6}, Case{7, 1, 3, 7}, Case{7, 2, 1, 7}}) {
    t.rushing[1][4] = c.table;
    s.offense = c.side, s.defense = 3 - c.side;
    s.down = c.down;
    s.play.ballCarrier = 6;
    const int run = fb::rating(s, c.side, 6, 4);
    lf::Random rnd = lf::Random::scripted({{2, 1}, {1120, 1}, {1050, 1}, {5, double(run)}});
    fb::Game g{s, t, rnd, seam};
    EXPECT_EQ(fb::runGain(g, t.hbPlunge, 1, 0), c.yards) << c.table << " " << c.side << " " << c.down;
  }
}

TEST_F(EngineTest, LongRunLuckIsDrawnFromSixForTheVisitorAndFiveAtHome) {
  for (int side : {1, 2}) {
    s.offense = side, s.defense = 3 - side;
    s.down = 3;
    s.play.ballCarrier = 6;
    // A long run (beyond the short total of 1050), index 10 of the long table.
    run({{2, 1}, {1120, 1120}, {70, 26}, {7 - side, 1}}, [](fb::Game& g) {
      EXPECT_EQ(fb::runGain(g, g.t.hbEndRun, 3, 0), 10 + fb::sign(fb::rating(g.s, g.s.offense, 6, 3) - 1));
    });
  }
}

TEST_F(EngineTest, RunReachingTheGoalLinePrintsNoTacklerAndCreditsNoTackle) {
  call("1525");
  s.ballOn = 96;
  s.play.yards = 4;
  run({{30, 2}}, [](fb::Game& g) { fb::runOutcome(g); });
  EXPECT_TRUE(s.play.touchdown);
  EXPECT_EQ(s.events.back().find("Tackle by"), std::string::npos);
  int tackles = 0;
  for (int p = 1; p <= 50; ++p) tackles += s.side[2].roster[p].stats[st::Tackles];
  EXPECT_EQ(tackles, 0);
  EXPECT_EQ(s.ballOn, 100);
}

TEST_F(EngineTest, FoulYardsAreLimitedNearTheGoalLines) {
  struct Case { const char* list; Draws draws; int ballOn, yards, ballAfter; };
  const Case cases[] = {
      {"03.", {{1, 1}}, 12, -6, 6},          // holding, half the distance
      {"03.", {{1, 1}}, 25, -10, 15},
      {"17.", {{1, 1}, {8, 1}}, 80, 10, 90},   // face mask (15): half of the remaining 20
      {"17.", {{1, 1}, {8, 2}}, 80, 5, 85},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " at " + std::to_string(c.ballOn));
    call("1525");
    s.ballOn = c.ballOn;
    s.down = 1, s.yardsToGo = 10;
    s.play.yards = 3;
    run(c.draws, [&](fb::Game& g) {
      fb::penalty(g, c.list);
      g.s.ballOn += g.s.play.yards + g.s.play.penaltyYards;
    });
    EXPECT_EQ(s.play.penaltyYards == 0 ? s.ballOn - c.ballOn - 3 : s.play.penaltyYards, c.yards);
    EXPECT_EQ(s.ballOn, c.ballAfter + (s.play.counts ? 3 : 0));
  }
}

TEST_F(EngineTest, PenaltyOutcomesAreWrittenInWords) {
  struct Case { const char* list; int ballOn, down, toGo, yards; const char *description, *accept, *decline; };
  const Case cases[] = {
      {"01.", 30, 2, 7, 4, "OFFENSE OFFSIDES 5 yds",
       "Rangers ACCEPT: Comets 2nd and 12 on the Comets 25 yard line",
       "Rangers DECLINE: Comets 3rd and 3 on the Comets 34 yard line"},
      {"01.", 60, 4, 7, 2, "OFFENSE OFFSIDES 5 yds",
       "Rangers ACCEPT: Comets 4th and 12 on the Rangers 45 yard line",
       "Rangers DECLINE: Rangers 1st and 10 on the Rangers 38 yard line"},
      {"20.", 60, 1, 10, 45, "DEFENSE OFFSIDES 5 yds",
       "Comets ACCEPT: Comets 1st and 5 on the Rangers 35 yard line",
       "Comets DECLINE: Comets TOUCHDOWN"},
      {"03.", 5, 1, 10, -6, "OFFENSE HOLDING 2 yds",
       "Rangers ACCEPT: Comets 1st and 12 on the Comets 3 yard line",
       "Rangers DECLINE: SAFETY for Rangers"},
      {"20.", 45, 3, 8, 0, "DEFENSE OFFSIDES 5 yds",
       "Comets ACCEPT: Comets 3rd and 3 on the 50 yard line",
       "Comets DECLINE: Comets 4th and 8 on the Comets 45 yard line"},
      {"20.", 46, 3, 4, 0, "DEFENSE OFFSIDES 5 yds",
       "Comets ACCEPT: Comets 1st and 10 on the Rangers 49 yard line",
       "Comets DECLINE: Comets 4th and 4 on the Comets 46 yard line"},
  };
  s.coachControl = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.accept);
    call("1525");
    seam.penalties.clear();
    s.ballOn = c.ballOn, s.down = c.down, s.yardsToGo = c.toGo;
    s.play.yards = c.yards;
    run({{1, 1}}, [&](fb::Game& g) { fb::penalty(g, c.list); });
    ASSERT_EQ(seam.penalties.size(), 1u);
    EXPECT_EQ(seam.penalties[0].description, c.description);
    EXPECT_EQ(seam.penalties[0].acceptText, c.accept);
    EXPECT_EQ(seam.penalties[0].declineText, c.decline);
  }
}

TEST_F(EngineTest, ComputerDecidesPenaltiesByItsRules) {
  struct Case { bool defenceDecides; int ballOn, down, toGo, yards, y; bool accept; };
  const Case cases[] = {
      {true, 70, 2, 5, 30, -10, true},    // wipes out a touchdown
      {true, 5, 1, 10, -6, -2, false},    // keeps a safety
      {true, 40, 1, 10, 12, -10, true},   // the play made the first down
      {true, 30, 1, 10, 2, -5, true},     // first down beyond the 20
      {true, 15, 1, 10, 0, -7, false},    // deep in own end, little to gain: keep the down
      {true, 30, 3, 8, 1, -10, false},    // third down short of the line: decline
      {true, 30, 4, 8, 1, -10, false},    // fourth down: always decline
      {false, 70, 1, 10, 30, 5, false},   // a touchdown play: keep it
      {false, 40, 3, 10, 7, 5, true},     // better than the gain on third down
      {false, 40, 1, 10, 7, 5, false},    // ... but not on first down
      {false, 40, 1, 10, 3, 5, true},     // the foul is worth more than the play
  };
  for (const Case& c : cases) {
    s.ballOn = c.ballOn, s.down = c.down, s.yardsToGo = c.toGo;
    s.play.yards = c.yards;
    EXPECT_EQ(fb::computerAcceptsPenalty(s, c.defenceDecides, c.y), c.accept)
        << c.defenceDecides << " " << c.ballOn << " " << c.down << " " << c.yards;
  }
}

TEST_F(EngineTest, DefensiveFoulOnIncompletePassMovesTheBallAndGivesAFirstDown) {
  call("3150");
  s.ballOn = 40, s.down = 3, s.yardsToGo = 8;
  s.play.depth = 3;
  s.play.passer = 1;
  s.play.ballCarrier = 11;
  // One in fifteen draws a foul from the long list; entry 5 is defensive holding.
  run({{3, 1}, {15, 1}, {11, 5}}, [](fb::Game& g) { fb::incompletePass(g); });
  EXPECT_EQ(s.ballOn, 45);
  EXPECT_EQ(s.down, 1);
  EXPECT_EQ(s.yardsToGo, 10);
  EXPECT_EQ(s.side[1].stats[st::FirstDownsBase + 3], 1);
  EXPECT_EQ(s.side[2].stats[st::Penalties], 1);
}

}  // namespace
