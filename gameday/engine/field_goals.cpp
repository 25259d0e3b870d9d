// Field-goal attempts: the defence's guess, fouls on the kicker, fakes,
// blocks, and the kick itself.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {

namespace {

struct Band {
  int upTo, base, perPoint, made;
};
constexpr Band kBands[] = {{19, 995, 5, 42},  {29, 930, 10, 44}, {39, 833, 15, 46},
                           {49, 610, 20, 48}, {54, 508, 25, 50}, {59, 200, 30, 50},
                           {1000, 40, 35, 50}};

const Band& bandFor(int distance) {
  for (const Band& b : kBands)
    if (distance <= b.upTo) return b;
  return kBands[6];
}

const std::string& name(const GameState& s, int side, int player) {
  return s.side[side].roster[player].name;
}

}  // namespace

void fieldGoal(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  resetPlay(s);
  specialTeamsLineup(s, 'F');
  p.conversionMode = 0;
  p.huddleSeconds = 0;

  if (s.coachControl != 0 && s.coachControl != s.offense) {
    s.blockSide = g.u(2);
  } else {
    KickDefenceView v;
    v.caption = s.side[s.offense].name + " are in FG formation.";
    v.option0 = "Block LEFT";
    v.option1 = "Block RIGHT";
    v.button = "Attempt Field Goal";
    s.blockSide = g.seam.kickDefenceForm(s, v) == 1 ? 2 : 1;
  }
  const int kicker = s.side[s.offense].lineup[2];
  s.kicker = kicker;
  const int distance = 117 - s.ballOn;
  s.fieldGoalDistance = distance;
  const Band& band = bandFor(distance);

  if (s.ballOn < 91 && g.u(50) < 3) {
    foulOnKicker(g, g.u(2) == s.blockSide ? 75 : 50);
    p.text = "Kicking Penalty";
    p.firstDownKind = 3;
    p.seconds = lf::round_half_even(g.u(2) + 2 + distance / 15.0);
    runClock(g);
    return;
  }

  const int L = g.u(2) == s.blockSide ? -10 : 10;
  const int K = g.u(1000);
  if (K > L + 50 && K <= L + 72) {
    const int holder = s.side[s.offense].lineup[1];
    if (K <= L + 59) fakeKick(g, 1, holder, 6);
    else if (K <= L + 63) fakeKick(g, 2, holder, 6);
    else if (K == L + 64) fakeKick(g, 3, holder, 6);
    else if (K <= L + 69) fakeKick(g, 4, holder, 6);
    else fakeKick(g, 5, kicker, 6);
    return;
  }

  if (K <= L + 50) {
    p.group = 0;
    p.kick = true;
    s.partialBlock = g.u(9) < 3;
    const int loss = s.partialBlock ? 0 : 2 - g.u(8) - g.u(8) - g.u(7);
    s.ballOn += loss;
    s.yardsToGo -= loss;
    const int blocker = s.side[s.defense].lineup[g.u(11)];
    logText(g, name(s, s.offense, kicker) + " has FG " + (s.partialBlock ? "partially " : "") +
                   "BLOCKED by " + name(s, s.defense, blocker));
    addStat(s, s.offense, kicker, stat::FieldGoalsBlocked, 1);
    addStat(s, s.defense, blocker, stat::FieldGoalsBlockedByDefence, 1);
    addStat(s, s.offense, kicker, band.made + 1, 1);
    addStat(s, s.offense, kicker, stat::FieldGoalAttempts, 1);
    if (!s.partialBlock) {
      if (g.u(4) == 1) {
        logText(g, name(s, s.offense, kicker) + " recovers FG");
        p.ballCarrier = kicker;
        p.yards = looseBallAdvance(g);
        p.fumbleChance = 0;
        p.seconds = lf::round_half_even(std::abs(p.yards) / 12.0 + g.u(5) + 11);
        p.text = name(s, s.offense, kicker);
        runOutcome(g);
        return;
      }
      returnBlockedKick(g, blocker, loss, "FG");
      return;
    }
  }

  p.kick = true;
  const int kickRating = rating(s, s.offense, kicker, 13);
  const int sf = s.side[s.offense].windFor - pow2(s.weather.precipitation) +
                 sign(kickRating - g.u(5)) + s.lastWeatherFactor;
  int f;
  if (s.partialBlock) {
    f = 0;
    s.partialBlock = false;
  } else {
    f = std::max(1, band.base + band.perPoint * sf);
  }
  p.seconds = lf::round_half_even(g.u(2) + 2 + distance / 15.0);
  if (g.u(950) <= f) {
    s.yardsToGoal = s.yardsToGoal + s.ballOn - 100;
    sayText(g, name(s, s.offense, kicker) + signPlace(distance) + " yd FIELD GOAL");
    addPoints(g, 3);
    addStat(s, s.offense, kicker, stat::FieldGoals, 1);
    addStat(s, s.offense, kicker, stat::FieldGoalAttempts, 1);
    addStat(s, s.offense, kicker, band.made, 1);
    addStat(s, s.offense, kicker, band.made + 1, 1);
    recordLongest(s, s.offense, kicker, stat::LongFieldGoal, distance);
    // The announcement and the scoring line show the clock after the kick.
    const int shown = std::min(p.seconds, std::max(s.secondsLeft, 0));
    s.secondsLeft -= shown;
    refresh(g);
    announcement(g, s.side[s.offense].name + " FIELD GOAL");
    scoringLine(g, p.text);
    s.secondsLeft += shown;
    const int quarterBefore = s.quarter;
    runClock(g);
    if (!s.gameOver) startNewSeries(s);
    kickoffAfterScore(g, 30, quarterBefore);
    return;
  }
  sayText(g, name(s, s.offense, kicker) + signPlace(distance) + " yd Field Goal Missed");
  s.side[s.offense].missedFieldGoals += signPlace(distance);
  addStat(s, s.offense, kicker, band.made + 1, 1);
  addStat(s, s.offense, kicker, stat::FieldGoalAttempts, 1);
  // The defence takes over at the spot of the kick. The change of possession
  // comes before the clock, so a half that ends on the miss starts the second
  // half from a settled state.
  const int old = s.ballOn;
  exchangeSides(s);
  s.ballOn = 107 - old;
  s.yardsToGoal = old - 7;
  startNewSeries(s);
  runClock(g);
}

}  // namespace fb
