// Offensive and defensive calls: parsing, validation and line-ups, and the
// computer coaches' choices that the rules pin down.
#include "gameday/engine/tests/engine_fixture.h"

namespace {

using fbtest::EngineTest;

struct OffenceCase {
  const char* entry;
  int ballOn;
  bool valid;
  int carrier;   // player number of the ball carrier when valid
};

TEST_F(EngineTest, OffensiveCallsAreValidatedAndFindTheirCarrier) {
  const OffenceCase cases[] = {
      {"1525", 35, true, 6},     // End Run Left by HB 1 from FB1 HB1 WR1 WR2 TE1: place 3
      {"3850", 80, true, 11},    // Flag Right to WR 2 from formation 0
      {"3850", 81, false, 0},    // ... refused inside the 20
      {"1100", 35, true, 1},     // Plunge by the QB
      {"2100", 35, false, 0},    // Screen Right to the QB
      {"1700", 35, false, 0},    // Reverse Right by the QB
      {"1742", 35, true, 10},    // Reverse Right by WR 1 from formation 2: place 3
      {"1113", 35, true, 6},     // FB in formation 3 is HB1 in place 2
      {"2135", 35, true, 10},    // HB 2 in formation 5 is the player in place 4, WR1
      {"1110", 35, false, 0},    // no fullback in formation 0
      {"1910", 35, false, 0},    // option pass needs a back
      {"4111", 35, false, 0},    // no group 4
      {"1011", 35, false, 0},    // no play 0
      {"11", 35, true, 1},       // missing digits read 0: QB plunge from formation 0
  };
  for (const OffenceCase& c : cases) {
    SCOPED_TRACE(c.entry);
    fb::resetPlay(s);
    s.ballOn = c.ballOn;
    bool valid = false;
    run({}, [&](fb::Game& g) { valid = fb::applyOffensiveCall(g, c.entry); });
    EXPECT_EQ(valid, c.valid);
    if (valid) {
      EXPECT_EQ(s.play.ballCarrier, c.carrier);
    }
  }
}

TEST_F(EngineTest, OffensiveLineupFollowsTheFormationAndDepthChart) {
  std::swap(s.side[1].depth[10], s.side[1].depth[11]);   // WR2 now first
  call("1525");
  const int expected[12] = {0, 1, 4, 6, 11, 10, 16, 25, 22, 19, 21, 24};
  for (int place = 1; place <= 11; ++place) EXPECT_EQ(s.side[1].lineup[place], expected[place]);
}

TEST_F(EngineTest, DefensiveEntriesAreParsed) {
  for (const char* bad : {"005", "805", "905", "600", "626", "60", "6x5", ""}) {
    bool valid = true;
    run({}, [&](fb::Game& g) { valid = fb::applyDefensiveCall(g, bad); });
    EXPECT_FALSE(valid) << bad;
  }
  call("1525", "605");
  const int base[12] = {0, 27, 28, 31, 32, 34, 35, 36, 41, 42, 46, 45};
  for (int place = 1; place <= 11; ++place) EXPECT_EQ(s.side[2].lineup[place], base[place]);
  EXPECT_EQ(s.play.defensivePlay, 5);
}

TEST_F(EngineTest, FreeSafetyBlitzFromThe32SwapsPlaceElevenWithADrawnBack) {
  // 3-2: place 4 LB2, 6 SA3, 7 CB3; the blitz swaps place 7 + 1..4 with place 11.
  struct Case { int draw; int place11; int moved; };
  for (const Case c : {Case{1, 41, 8}, Case{2, 42, 9}, Case{3, 46, 10}, Case{4, 45, 11}}) {
    fb::resetPlay(s);
    run({{4, double(c.draw)}}, [&](fb::Game& g) { ASSERT_TRUE(fb::applyDefensiveCall(g, "111")); });
    const auto& l = s.side[2].lineup;
    EXPECT_EQ(l[4], 35);
    EXPECT_EQ(l[6], 47);
    EXPECT_EQ(l[11], c.place11);
    if (c.moved != 11) {
      EXPECT_EQ(l[c.moved], 45);
    }
  }
}

TEST_F(EngineTest, PuntAndFieldGoalCommandsHaveLimits) {
  struct Case { const char* entry; int ballOn; int group; };
  for (const Case c : {Case{"FG", 46, 0}, Case{"FG", 47, 5}, Case{"PU", 71, 0}, Case{"PU", 70, 4}}) {
    SCOPED_TRACE(std::string(c.entry) + " at " + std::to_string(c.ballOn));
    s.ballOn = c.ballOn;
    s.coachControl = 0;
    // A typed entry that is refused is asked again; END then leaves the game.
    struct Typist : fbtest::RecordingSeam {
      std::vector<std::string> entries;
      std::string offensiveEntry(const fb::GameState&) override {
        std::string e = entries.front();
        entries.erase(entries.begin());
        return e;
      }
    } typist;
    typist.entries = {c.entry, "END"};
    lf::Random rnd = lf::Random::scripted({});
    fb::Game g{s, fbtest::tables(), rnd, typist};
    bool ended = false;
    try {
      fb::offensiveCall(g);
    } catch (const fb::GameAbandoned&) {
      ended = true;
    }
    EXPECT_EQ(s.play.group, c.group);
    EXPECT_EQ(ended, c.group == 0);
    EXPECT_EQ(typist.messages.size(), c.group == 0 ? 1u : 0u);
  }
}

TEST_F(EngineTest, DeadBallFoulsOnlyOnScrimmageCallsBetweenTheTens) {
  struct Case { int group, ballOn, quarter, seconds; bool possible; };
  const Case cases[] = {
      {1, 50, 1, 900, true},  {4, 50, 1, 900, false}, {5, 50, 1, 900, false},
      {2, 10, 1, 900, false}, {2, 11, 1, 900, true},  {3, 89, 1, 900, true},
      {3, 90, 1, 900, false}, {1, 50, 4, 120, false}, {1, 50, 4, 121, true},
      {1, 50, 5, 100, false}, {1, 50, 2, 30, true},   {0, 50, 1, 900, false},
  };
  for (const Case& c : cases) {
    s.play.group = c.group;
    s.ballOn = c.ballOn;
    s.quarter = c.quarter;
    s.secondsLeft = c.seconds;
    EXPECT_EQ(fb::deadBallFoulPossible(s), c.possible)
        << c.group << " " << c.ballOn << " " << c.quarter << " " << c.seconds;
  }
}

TEST_F(EngineTest, StrategyValueAbove99SplitsBySecondQuarter) {
  // Everything runs through code 5 (field goal or punt) at a far field position when
  // the strategy value is 12 * 100 + 5 outside the second quarter.
  fb::Tables t = fbtest::tables();
  for (auto& a : t.strategy) for (auto& b : a) for (auto& c : b) for (auto& d : c) d.fill(1205);
  s.ballOn = 30;
  s.down = 2;
  for (int quarter : {1, 2}) {
    s.quarter = quarter;
    lf::Random rnd(3);
    fb::Game g{s, t, rnd, seam};
    const std::string e = fb::computerOffensiveEntry(g);
    if (quarter == 2)
      EXPECT_NE(e, "PU");   // code 12: a run or pass
    else
      EXPECT_EQ(e, "PU");   // code 5 from the 30: punt
  }
}

TEST_F(EngineTest, ComputerOffenceCallsNoTrickPlaysOutsideTheFirstTimeBandNorAfterFour) {
  // Thousands of computer calls on first down from midfield.
  lf::Random rnd(11);
  fb::Game g{s, fbtest::tables(), rnd, seam};
  s.ballOn = 50;
  int tricks = 0;
  for (int n = 0; n < 3000; ++n) {
    s.quarter = n % 2 ? 2 : 4;
    s.secondsLeft = 200;   // time band 2
    if (n % 3 == 0) {
      s.quarter = 1;       // time band 1, but every trick play used up
      s.side[1].reversesUsed = s.side[1].optionPassesUsed = 4;
    }
    const std::string e = fb::computerOffensiveEntry(g);
    if (e.size() == 4 && e[0] == '1' && (e[1] == '7' || e[1] == '8' || e[1] == '9')) ++tricks;
  }
  EXPECT_EQ(tricks, 0);
}

TEST_F(EngineTest, ComputerDefenceWithOneYardToGoUsesOnlyHeavyFronts) {
  lf::Random rnd(5);
  fb::Game g{s, fbtest::tables(), rnd, seam};
  s.yardsToGo = 1;
  for (int n = 0; n < 2000; ++n) {
    const std::string e = fb::computerDefensiveEntry(g);
    EXPECT_TRUE(e[0] == '3' || e[0] == '6' || e[0] == '7') << e;
  }
}

}  // namespace
