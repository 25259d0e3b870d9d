// Whole games with the computer coaching both sides: every game ends, and the
// game's own bookkeeping agrees with itself game after game.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>
#include <string>

#include "gameday/engine/game.h"
#include "gameday/engine/routines.h"
#include "gameday/engine/tests/test_tables.h"

namespace {

using fb::GameState;
namespace st = fb::stat;

// Watches the state between snaps: a refresh with no event line open is the
// one at the start of a snap.
class WatchingSeam : public fb::AutoSeam {
 public:
  void refreshScoreboard(const GameState& g) override {
    minClock = std::min(minClock, g.secondsLeft);
    if (!g.eventLineOpen) {
      minBall = std::min(minBall, g.ballOn);
      maxBall = std::max(maxBall, g.ballOn);
    }
  }
  void message(const std::string& text, const std::string&) override {
    if (text.rfind("END OF GAME", 0) != 0 && text != "OVERTIME") errors += text + "\n";
  }
  int minClock = 900, minBall = 50, maxBall = 50;
  std::string errors;
};

bool isLongest(int i) {
  for (int m : {4, 8, 14, 21, 30, 35, 39, 53, 62})
    if (i == m) return true;
  return false;
}

// Seconds of game time run: four quarters, then any overtime played.
int elapsed(const GameState& g) {
  if (g.quarter <= 4) return 900 * (g.quarter - 1) + 900 - g.secondsLeft;
  return 3600 + 900 * (g.quarter - 5) + 900 - g.secondsLeft;
}

void checkGame(const GameState& g, const WatchingSeam& seam, uint64_t seed) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  ASSERT_TRUE(g.gameOver);
  EXPECT_EQ(seam.errors, "");
  EXPECT_GE(seam.minClock, 0);
  EXPECT_GE(seam.minBall, 0);
  EXPECT_LE(seam.maxBall, 100);
  int possession = 0;
  for (int s = 1; s <= 2; ++s) {
    SCOPED_TRACE("side " + std::to_string(s));
    const auto& t = g.side[s].stats;
    const auto& o = g.side[3 - s].stats;
    const int touchdowns = t[st::RushTd] + t[st::ReceivingTd] + t[st::InterceptionTd] +
                           t[st::PuntReturnTd] + t[st::KickoffReturnTd] + t[st::FumbleReturnTd] +
                           t[st::OtherReturnTd];
    EXPECT_EQ(g.side[s].score, 6 * touchdowns + t[st::ExtraPoints] + 2 * t[st::TwoPointConversions] +
                                   3 * t[st::FieldGoals] + 2 * t[st::Safeties]);
    int byQuarter = 0;
    for (int q = 84; q <= 88; ++q) byQuarter += t[q];
    EXPECT_EQ(g.side[s].score, byQuarter);
    for (int i = 1; i <= 71; ++i) {
      int sum = 0, longest = fb::kNotYet;
      for (int p = 1; p <= fb::kRosterSize; ++p) {
        sum += g.side[s].roster[p].stats[i];
        longest = std::max(longest, g.side[s].roster[p].stats[i]);
      }
      EXPECT_EQ(t[i], isLongest(i) ? longest : sum) << "statistic " << i;
    }
    EXPECT_EQ(t[st::Completions], t[st::Receptions]);
    EXPECT_EQ(t[st::PassingYards], t[st::ReceivingYards]);
    EXPECT_EQ(t[st::SacksMade], o[st::TimesSacked]);
    EXPECT_EQ(t[st::Interceptions], o[st::InterceptionsThrown]);
    EXPECT_LE(t[st::Completions], t[st::PassAttempts]);
    possession += t[st::PossessionSeconds];
  }
  EXPECT_EQ(possession, elapsed(g));
}

void playMany(const fb::Tables& tables, int games) {
  const fb::GameSetup setup = fbtest::setup();
  for (int n = 0; n < games; ++n) {
    const uint64_t seed = 1000 + n;
    WatchingSeam seam;
    GameState g;
    lf::Random rnd(seed);
    fb::GameSetup s = setup;
    s.gameType = n % 3;   // regular season, playoff and championship overtime rules
    ASSERT_EQ(fb::playGame(g, s, tables, rnd, seam), fb::GameEnd::Finished);
    checkGame(g, seam, seed);
    if (testing::Test::HasFailure()) return;
  }
}

TEST(WholeGame, IdentitiesHoldOverManySeededGames) {
  playMany(fbtest::tables(), 400);
}

TEST(WholeGame, IdentitiesHoldWithTheShippedTables) {
  playMany(fb::loadTables(std::string(VELTRAN_SOURCE_DIR) + "/data"), 300);
}

// Humans coach both sides and let the computer make every call ("0"); every
// window is answered as a person might.
class HumanSeam : public WatchingSeam {
 public:
  int selectCoaches(const GameState&) override { return 0; }
  std::string offensiveEntry(const GameState&) override { return ++entries % 7 ? "0" : "STAT"; }
  std::string defensiveEntry(const GameState&) override { return "0"; }
  bool penaltyChoice(const GameState&, const fb::PenaltyView& v) override {
    ++penalties;
    return !v.acceptText.empty();
  }
  std::string timeoutAnswer(const GameState&, const std::string&) override {
    return ++timeouts % 2 ? "y" : "x";   // a wrong answer is asked again
  }
  bool coinTossReceive(const GameState&, const std::string&, const std::string&) override {
    return ++tosses % 2;
  }
  char kickoffForm(const GameState&, const fb::KickoffView&) override { return "DSO"[++kicks % 3]; }
  int kickDefenceForm(const GameState&, const fb::KickDefenceView&) override { return ++kickDefences % 2; }
  fb::ConversionAnswer conversionForm(const GameState&, const fb::ConversionView&) override {
    ++conversions;
    return {conversions % 2 ? 'S' : 'D', false};
  }
  void message(const std::string& text, const std::string& title) override {
    if (text.find("INJURED") == std::string::npos && text != "TWO MINUTE WARNING" &&
        text != "END OF HALF")
      WatchingSeam::message(text, title);
  }
  int entries = 0, penalties = 0, timeouts = 0, tosses = 0, kicks = 0, kickDefences = 0,
      conversions = 0;
};

TEST(WholeGame, HumanCoachesGoThroughEveryWindow) {
  HumanSeam seam;
  for (int n = 0; n < 40; ++n) {
    GameState g;
    lf::Random rnd(500 + n);
    ASSERT_EQ(fb::playGame(g, fbtest::setup(), fbtest::tables(), rnd, seam), fb::GameEnd::Finished);
    checkGame(g, seam, 500 + n);
  }
  EXPECT_GT(seam.penalties, 0);
  EXPECT_GT(seam.timeouts, 0);
  EXPECT_GT(seam.tosses, 0);
  EXPECT_GT(seam.kicks, 0);
  EXPECT_GT(seam.kickDefences, 0);
  EXPECT_GT(seam.conversions, 0);
}

TEST(WholeGame, EndTypedInTheBoxAbandonsTheGame) {
  struct Quitter : WatchingSeam {
    int selectCoaches(const GameState&) override { return 1; }   // a human home side
    std::string defensiveEntry(const GameState&) override { return "end"; }
    void message(const std::string& text, const std::string&) override { messages += text; }
    std::string messages;
  } seam;
  GameState g;
  lf::Random rnd(3);
  EXPECT_EQ(fb::playGame(g, fbtest::setup(), fbtest::tables(), rnd, seam), fb::GameEnd::Abandoned);
  EXPECT_TRUE(g.abandoned);
  EXPECT_EQ(seam.messages.find("END OF GAME"), std::string::npos);
}

TEST(WholeGame, AnErrorEndsTheLoopAndTheGameGoesOnToTheFinalMessage) {
  struct Failing : WatchingSeam {
    void playText(const GameState&, std::string_view) override {
      if (++texts == 30) throw std::runtime_error("Disk full");
    }
    void message(const std::string& text, const std::string&) override { messages.push_back(text); }
    int texts = 0;
    std::vector<std::string> messages;
  } seam;
  GameState g;
  lf::Random rnd(3);
  EXPECT_EQ(fb::playGame(g, fbtest::setup(), fbtest::tables(), rnd, seam), fb::GameEnd::Finished);
  ASSERT_EQ(seam.messages.size(), 2u);
  EXPECT_EQ(seam.messages[0], "Disk full");
  EXPECT_EQ(seam.messages[1].rfind("END OF GAME   \r\n", 0), 0u);
}

TEST(WholeGame, FinalMessageListsTheWinnerFirstAndTheHomeSideOnATie) {
  GameState g;
  g.side[1].name = "Comets";
  g.side[2].name = "Rangers";
  struct Case { int visitor, home; const char* text; };
  for (const Case c : {Case{24, 17, "END OF GAME   \r\nComets   24\r\nRangers   17"},
                       Case{3, 10, "END OF GAME   \r\nRangers   10\r\nComets   3"},
                       Case{20, 20, "END OF GAME   \r\nRangers   20\r\nComets   20"}}) {
    g.side[1].score = c.visitor;
    g.side[2].score = c.home;
    EXPECT_EQ(fb::finalMessage(g), c.text);
  }
}

}  // namespace
