// Running plays: the yardage from the runner's tables and the run outcome
// (text, tackler, ball security, foul, statistics, ball moved).
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gameday/engine/draws.h"
#include "gameday/engine/routines.h"

namespace fb {
namespace {

// Fumble chance by runner family (FB, HB, other) and run type 1..3.
constexpr int kRunFumbleChance[3][3] = {{30, 30, 37}, {37, 30, 28}, {1, 3, 23}};

int family(const GameState& s, int side, int player) {
  if (positionIs(s, side, player, "FB")) return 0;
  if (positionIs(s, side, player, "HB")) return 1;
  return 2;
}

}  // namespace

int matchup(const Game& g) {
  const Play& p = g.s.play;
  const int row = 9 * (p.group - 1) + p.number;
  if (row < 1 || row > 27 || p.defensivePlay < 1 || p.defensivePlay > 25) return 0;
  return g.t.matchup[row][p.defensivePlay];
}

const TablePair& runTables(const Game& g, int runType) {
  const int f = family(g.s, g.s.offense, g.s.play.ballCarrier);
  const Tables& t = g.t;
  switch (runType) {
    case 1: return f == 0 ? t.fbPlunge : f == 1 ? t.hbPlunge : t.qbPlunge;
    case 2: return f == 0 ? t.fbOffTackle : f == 1 ? t.hbOffTackle : t.qbOffTackle;
    default: return f == 0 ? t.fbEndRun : f == 1 ? t.hbEndRun : t.qbEndRun;
  }
}

int runGain(Game& g, const TablePair& pair, int runType, int m) {
  GameState& s = g.s;
  const int carrier = s.play.ballCarrier;
  const int q = weatherFactor(g);
  const int shortTotal = pair.shortTable.at(35);
  const int r = g.u(shortTotal + pair.longTable.at(47));
  int yards;
  if (r > shortTotal) {
    int i = drawCumulative(g.rnd, pair.longTable, -2, 47);
    const int k = rating(s, s.offense, carrier, runType == 3 ? 3 : 2);
    i += sign(k - g.u(7 - s.offense)) + q;
    if (i == 0) {
      int n;
      if (runType == 1) {
        n = weighted(g.rnd, {350, 350, 252, 252});
      } else if (runType == 2) {
        n = weighted(g.rnd, {112, 112, 112, 112, 112, 109, 109, 109, 109, 109});
      } else {
        n = weighted(g.rnd, {48, 48, 15, 15, 32, 32, 42, 14, 10, 23});
        if (n == 10) n = 9 + g.u(4);
      }
      yards = -n;
      if (s.ballOn > 90) yards = lf::round_half_even(static_cast<double>(yards) / g.u(2));
    } else if (i >= 41 && i <= 44) {
      yards = 40 + 10 * (i - 41) + g.u(10);
    } else if (i == 45) {
      yards = 80 + g.u(20);
    } else if (i == 46) {
      yards = 90 + g.u(30);
    } else if (i < 47) {
      yards = i;
    } else {
      yards = 110;
    }
  } else {
    int i = drawCumulative(g.rnd, pair.shortTable, 1, 35);
    i = std::clamp(i - luck(g, s.offense, carrier, 4) - m - q, 1, 35);
    yards = g.t.rushing[i][4];
  }
  if (s.offense == kVisitor && (s.down == 1 || s.down == 2))
    yards = lf::round_half_even(yards * 0.9);
  return yards;
}

void runYardage(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  startScrimmagePlay(g, 31);
  const int play = p.number;
  int type = play == 1 ? 1 : play <= 3 ? 2 : play <= 5 ? 3 : play == 6 ? g.u(3) : 5;
  p.runType = type;
  const int m = matchup(g);
  Side& off = s.side[s.offense];
  if (type == 5) {
    ++off.reversesUsed;
    int lk = rating(s, s.offense, p.ballCarrier, 3) - g.u(5);
    if (off.reversesUsed > 3) lk -= off.reversesUsed;
    const int x = g.u(135);
    int cls = x <= 6 ? 1 : x <= 23 ? 2 : x <= 99 ? 3 : x <= 128 ? 4 : x <= 131 ? 5 : 6;
    if (lk < 0 && cls < 6) ++cls;
    if (lk > 0 && cls > 1) --cls;
    if (s.ballOn > 90 && cls < 6) ++cls;
    const int sum = g.u(6) + g.u(6) + g.u(6);
    p.yards = g.t.reverse[sum][cls];
    p.fumbleChance = 11;
  } else {
    p.yards = runGain(g, runTables(g, type), type, m);
    p.fumbleChance = kRunFumbleChance[family(s, s.offense, p.ballCarrier)][type - 1];
  }
  keepInField(s);
  p.seconds = lf::round_half_even(4 + g.u(4) + std::abs(p.yards) / 12.0);
}

void chooseTackler(Game& g, int kind) {
  GameState& s = g.s;
  const int y = s.play.yards;
  const int dp = s.play.defensivePlay;
  int place;
  if (kind == 1) {
    if (y < 0) {
      place = dp == 11 ? g.u(5) : dp <= 10 ? g.u(4) : g.u(7);
      if (dp == 11 && place == 5) place = 11;
    } else if (y <= 5) {
      const int x = g.u(5);
      place = x <= 3 ? x + 4 : x == 4 ? g.u(7) : g.u(11);
    } else if (y <= 9) {
      place = g.u(7) + 4;
      const int play = 10 * s.play.group + s.play.number;
      if ((play == 14 || play == 15 || play == 17 || play == 18) && (place == 8 || place == 9))
        place += 2;
    } else {
      place = g.u(11);
      if (place < 5) place += 7;
    }
  } else if (kind == 2) {
    if (y < 0) {
      place = g.u(7);
    } else if (y <= 4) {
      place = g.u(7) + 4;
    } else if (y <= 9) {
      place = g.u(7);
      if (place < 5) place += 4;
      if (place == 8) place = g.u(4);
    } else {
      place = g.u(4) + 7;
    }
  } else {
    place = g.u(11);
  }
  if (place < 1 || place > 11) place = g.u(11);
  s.play.tackler = s.side[s.defense].lineup[place];
}

void runOutcome(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.conversionMode = stat::RushTd;
  p.firstDownKind = 1;
  const Side& off = s.side[s.offense];
  sayText(g, {off.roster[p.ballCarrier].name, " ", std::to_string(p.yards), " yard run"});
  const bool td = s.ballOn + p.yards >= 100;
  if (td) p.touchdown = true;
  if (!td) {
    chooseTackler(g, 1);
    logText(g, {"Tackle by ", s.side[s.defense].roster[p.tackler].name});
  }
  ballSecurityCheck(g);
  if (!p.fumble) penalty(g, "");
  if (p.counts) {
    addStat(s, s.offense, p.ballCarrier, stat::RushAttempts, 1);
    addStat(s, s.offense, p.ballCarrier, stat::RushYards, p.yards);
    recordLongest(s, s.offense, p.ballCarrier, stat::LongRush, p.yards);
    if (!td) addStat(s, s.defense, p.tackler, stat::Tackles, 1);
  }
  s.ballOn += p.yards + p.penaltyYards;
  if (p.fumble) fumble(g, 1);
}

}  // namespace fb
