// Ball security after a gain, fumbles and their recovery, safeties, and the
// one routine through which every point is added.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {
namespace {

int sidelineChance(int play) {
  switch (play) {
    case 12: case 13: return 94;
    case 14: case 15: case 17: case 18: case 19: return 241;
    case 21: case 22: case 23: case 24: return 44;
    case 25: case 26: case 27: return 6;
    case 28: case 29: return 55;
    case 31: case 32: case 33: return 67;
    case 34: case 35: return 674;
    case 36: case 37: return 16;
    case 38: case 39: return 164;
  }
  return 0;
}

}  // namespace

void ballSecurityCheck(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.fumble = false;
  p.safety = false;
  if (s.ballOn + p.yards < 100) p.fumble = g.u(s.fumbleRange) < p.fumbleChance;
  p.touchdown = s.ballOn + p.yards >= 100;
  p.safety = s.ballOn + p.yards <= 0 && !p.fumble;
  if (p.fumble || p.touchdown || p.safety) return;
  if ((s.quarter == 2 || s.quarter >= 4) && s.secondsLeft <= 300) {
    const bool out = g.u(1000) <= sidelineChance(10 * p.group + p.number) ||
                     (p.yards > 30 && g.u(30) == 1);
    if (out) {
      p.huddleSeconds = 0;
      logText(g, "Out of Bounds");
    }
  }
}

int ownReturnYards(Game& g) {
  const int x = g.u(5984);
  if (x <= 52) return -g.u(12);
  if (x <= 106) return 1;
  if (x <= 142) return 2;
  if (x <= 194) return 2 + g.u(3);
  if (x <= 317) return 5 + g.u(5);
  if (x <= 364) return 10 + g.u(10);
  if (x <= 385) return 20 + g.u(10);
  if (x <= 399) return 30 + g.u(90);
  return 0;
}

int looseBallAdvance(Game& g) {
  g.s.play.yards = ownReturnYards(g);
  keepInField(g.s);
  return g.s.play.yards;
}

int opponentReturnYards(Game& g, int range) {
  const int x = g.u(range);
  int r = 0;
  if (x <= 108) r = g.u(5);
  else if (x <= 255) r = 5 + g.u(5);
  else if (x <= 413) r = 10 + g.u(5);
  else if (x <= 508) r = 15 + g.u(5);
  else if (x <= 608) r = 20 + g.u(10);
  else if (x <= 693) r = 30 + g.u(10);
  else if (x <= 760) r = 40 + g.u(10);
  else if (x <= 770) r = 50 + g.u(70);
  g.s.play.yards = r;
  keepInField(g.s);
  return std::max(g.s.play.yards, 0);
}

int blockedKickReturn(Game& g) {
  return opponentReturnYards(g, 1000);
}

void returnBlockedKick(Game& g, int blocker, int loss, const char* kick) {
  GameState& s = g.s;
  Play& p = s.play;
  p.conversionMode = stat::OtherReturnTd;
  s.yardsToGoal = 0;
  logText(g, signPlace(-loss) + " yards behind line of scrimmage");
  p.ballCarrier = blocker;
  s.ballOn = 100 - s.ballOn;
  exchangeSides(s);
  p.yards = blockedKickReturn(g);
  sayText(g, s.side[s.offense].roster[blocker].name + signPlace(p.yards) + " yard blocked " + kick + " return");
  s.ballOn += p.yards;
  addStat(s, s.offense, blocker, stat::BlockedKickReturns, 1);
  addStat(s, s.offense, blocker, stat::BlockedKickReturnYards, p.yards);
  p.seconds = lf::round_half_even(std::abs(p.yards) / 12.0 + g.u(5) + 6);
  startNewSeries(s);
}

void fumble(Game& g, int kind) {
  GameState& s = g.s;
  Play& p = s.play;
  if (p.touchdown) return;
  addStat(s, s.offense, p.ballCarrier, stat::Fumbles, 1);
  logText(g, "!!!  FUMBLE   !!!");
  const int playYards = p.yards;
  if (g.u(1000) < 355 + 50 * s.offense) {
    p.conversionMode = stat::FumbleReturnTd;
    if (g.u(1000) >= 333) {
      int place;
      if (kind == 2) {
        place = g.u(11);
      } else if (playYards < 6) {
        place = g.u(6);
        if (place == 6) place = 1;
      } else {
        place = 1 + g.u(5);
      }
      p.ballCarrier = s.side[s.offense].lineup[place];
    }
    s.yardsToGo -= playYards;
    const int r = looseBallAdvance(g);
    s.ballOn += r;
    p.yards = r;
    sayText(g, {s.side[s.offense].roster[p.ballCarrier].name, signPlace(r),
                         " yard (own) fumble return"});
    addStat(s, s.offense, p.ballCarrier, stat::OwnFumblesRecovered, 1);
    addStat(s, s.offense, p.ballCarrier, stat::FumbleReturnYards, r);
    recordLongest(s, s.offense, p.ballCarrier, stat::LongFumbleReturn, r);
    return;
  }
  p.conversionMode = stat::FumbleReturnTd;
  s.yardsToGoal = 0;
  int place;
  if (kind == 2)
    place = playYards <= 20 ? 1 + g.u(10) : g.u(11);
  else if (playYards > 0)
    place = playYards <= 5 ? 4 + g.u(3) : playYards <= 15 ? 4 + g.u(7) : 7 + g.u(4);
  else
    place = g.u(7);
  p.ballCarrier = s.side[s.defense].lineup[place];
  exchangeSides(s);
  s.ballOn = 100 - s.ballOn;
  const int r = opponentReturnYards(g, 5984);
  sayText(g, {s.side[s.offense].roster[p.ballCarrier].name, signPlace(r),
                       " yard (opp) fumble return"});
  s.ballOn += r;
  if (s.ballOn < 100) s.yardsToGoal = 100 - s.ballOn;
  addStat(s, s.offense, p.ballCarrier, stat::OpponentFumblesRecovered, 1);
  addStat(s, s.offense, p.ballCarrier, stat::FumbleReturnYards, r);
  recordLongest(s, s.offense, p.ballCarrier, stat::LongFumbleReturn, r);
  startNewSeries(s);
  p.seconds = lf::round_half_even(p.seconds + g.u(3) + std::abs(r) / 12.0);
  p.huddleSeconds = 0;
}

void addPoints(Game& g, int points) {
  GameState& s = g.s;
  if (s.overtimeClosed) return;
  s.side[s.offense].score += points;
  addStat(s, s.offense, 0, stat::PointsBase + std::min(s.quarter, 5), points);
  refresh(g);
}

void safety(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  s.yardsToGoal = 0;
  p.conversionMode = 0;
  // A play that named no tackler credits the safety to a defender at random.
  if (p.tackler == 0) chooseTackler(g, 0);
  exchangeSides(s);
  addPoints(g, 2);
  sayText(g, s.side[s.offense].roster[p.tackler].name + " SAFETY");
  addStat(s, s.offense, p.tackler, stat::Safeties, 1);
  p.seconds += 2;
  p.huddleSeconds = 0;

  // The announcement shows the clock as if the play had run.
  const int shown = std::min(p.seconds, std::max(s.secondsLeft, 0));
  s.secondsLeft -= shown;
  announcement(g, s.side[s.offense].name + " SAFETY");
  s.secondsLeft += shown;

  scoringLine(g, p.text);
  exchangeSides(s);
  const int quarterBefore = s.quarter;
  runClock(g);
  kickoffAfterScore(g, 20, quarterBefore);
}

}  // namespace fb
