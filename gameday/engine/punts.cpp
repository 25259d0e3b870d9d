// Punts: the receiving side's choice, fouls on the kicker, fakes, blocks, the
// kick's distance and fate, fair catches and returns.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {

namespace {

const std::string& name(const GameState& s, int side, int player) {
  return s.side[side].roster[player].name;
}

void kickingPenaltyClock(Game& g) {
  g.s.play.text = "Kicking Penalty";
  runClock(g);
}

// Fate limits (out of bounds, rolls dead) by distance.
void fateLimits(int distance, bool shortField, int& l1, int& l2) {
  if (shortField) {
    if (distance < 20) l1 = 366, l2 = 78;
    else if (distance < 30) l1 = 332, l2 = 492;
    else l1 = 339, l2 = 449;
    return;
  }
  if (distance < 20) l1 = 707, l2 = 0;
  else if (distance < 30) l1 = 192, l2 = 213;
  else if (distance < 40) l1 = 84, l2 = 85;
  else if (distance < 50) l1 = 83, l2 = 103;
  else if (distance < 60) l1 = 318, l2 = 436;
  else l1 = 64, l2 = 805;
}

void insideTwentyCredit(GameState& s) {
  if (s.ballOn < 20) addStat(s, s.defense, s.punter, stat::PuntsInside20, 1);
}

void blockedPunt(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.group = 0;
  p.kick = true;
  const int loss = -(g.u(6) + g.u(6) + g.u(6));
  s.ballOn += loss;
  s.yardsToGo -= loss;
  logText(g, name(s, s.offense, s.punter) + " has punt BLOCKED!!");
  const int blocker = s.side[s.defense].lineup[g.u(11)];
  addStat(s, s.offense, s.punter, stat::PuntsBlocked, 1);
  addStat(s, s.defense, blocker, stat::PuntsBlockedByDefence, 1);
  if (s.ballOn < -9) {
    logText(g, name(s, s.defense, blocker) + " Blocks Punt out of End Zone");
    p.tackler = blocker;   // the safety goes to the blocker
    return;
  }
  if (g.u(4) == 1) {
    logText(g, name(s, s.offense, s.punter) + " recovers punt");
    p.ballCarrier = s.punter;
    p.yards = looseBallAdvance(g);
    if (s.ballOn + p.yards < 1) {
      p.yards = 0;
      s.ballOn = 0;
    }
    p.fumbleChance = 0;
    p.seconds = lf::round_half_even(std::abs(p.yards) / 12.0 + g.u(5) + 12);
    p.text = name(s, s.offense, s.punter);
    runOutcome(g);
    return;
  }
  returnBlockedKick(g, blocker, loss, "punt");
}

}  // namespace

void foulOnKicker(Game& g, int limit) {
  GameState& s = g.s;
  Play& p = s.play;
  int y = 15;
  std::string_view foul = "Roughing the Kicker";
  if (s.ballOn > 70 || g.u(100) < limit) {
    y = 5;
    foul = "Running into Kicker";
  } else {
    s.yardsToGo = 0;
  }
  logText(g, foul);
  p.yards = 0;
  s.ballOn += y;
  s.yardsToGo -= y;
  if (s.yardsToGo < 1) {
    p.firstDownKind = 3;
    startNewSeries(s);
    addStat(s, s.offense, 0, stat::FirstDownsBase + 3, 1);
  }
  addStat(s, s.defense, 0, stat::Penalties, 1);
  addStat(s, s.defense, 0, stat::PenaltyYards, y);
  p.firstDownClock = true;
}

void fakeKick(Game& g, int kind, int carrier, int extraSeconds) {
  GameState& s = g.s;
  Play& p = s.play;
  if (kind <= 4 && s.down == 3) addStat(s, s.offense, 0, stat::ThirdDownAttempts, 1);
  if (kind <= 4 && s.down == 4) addStat(s, s.offense, 0, stat::FourthDownAttempts, 1);
  if (kind <= 3) {
    p.passer = carrier;
    p.ballCarrier = s.side[s.offense].lineup[1 + g.u(5)];
    p.depth = 3;
    if (kind == 1) completion(g);
    else if (kind == 2) incompletePass(g);
    else interception(g);
    return;
  }
  p.ballCarrier = carrier;
  p.runType = 3;
  if (kind == 4) {
    p.yards = runGain(g, runTables(g, 3), 3, g.t.matchup[1][5]);
    p.fumbleChance = 30;
  } else {
    p.yards = -9 - g.u(8);
    p.fumbleChance = 500;
  }
  keepInField(s);
  p.seconds = lf::round_half_even(std::abs(p.yards) / 12.0 + g.u(5) + extraSeconds);
  p.huddleSeconds = 30;
  runOutcome(g);
}

void punt(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  specialTeamsLineup(s, 'P');
  resetPlay(s);
  p.huddleSeconds = 0;
  p.firstDownKind = -1;
  p.downAtSnap = s.down;

  const int receiving = s.defense;
  if (s.coachControl != 0 && s.coachControl != s.offense) {
    s.puntDefense = g.u(10) == 1 ? 2 : 1;
    if (s.secondsLeft < 120 && s.quarter >= 4 &&
        s.side[receiving].score < s.side[s.offense].score)
      s.puntDefense = 2;
  } else {
    KickDefenceView v;
    v.caption = s.side[s.offense].name + " are in PUNT formation.";
    v.option0 = "Set up a RETURN";
    v.option1 = "Try to BLOCK it";
    v.button = "Punt";
    s.puntDefense = g.seam.kickDefenceForm(s, v) == 1 ? 2 : 1;
  }
  logText(g, "PUNTING");
  s.punter = s.side[s.offense].lineup[1];
  p.seconds = 8;

  if (g.u(6) <= s.puntDefense) {
    foulOnKicker(g, s.puntDefense == 1 ? 75 : 50);
    kickingPenaltyClock(g);
    return;
  }
  if (g.u(25) == 1 && s.ballOn > 10 && s.secondsLeft > 20) {
    logText(g, "Ineligible Man Downfield");
    s.ballOn -= 5;
    s.yardsToGo += 5;
    addStat(s, s.offense, 0, stat::Penalties, 1);
    addStat(s, s.offense, 0, stat::PenaltyYards, 5);
    kickingPenaltyClock(g);
    return;
  }

  const int wind = s.side[s.offense].windFor;
  int distance = 0;
  int l1 = 0, l2 = 0;
  int fake = 0;   // 1..5 as fakeKick, 6 blocked
  if (s.ballOn < 61) {
    int index = drawCumulative(g.rnd, g.t.punting, 12, 66);
    if (index > 18) index += sign(rating(s, s.offense, s.punter, 12) - g.u(5));
    if (index + wind > 17) index += wind;
    if (index <= 12) fake = 6;
    else if (index <= 17) fake = index - 12;
    else if (index == 18) {
      if (s.puntDefense == 2) fake = 6;
      else distance = g.u(5) + g.u(6) - 1;
    } else if (index == 19) distance = 10 + g.u(5);
    else if (index == 20) distance = 15 + g.u(5);
    else if (index <= 64) distance = index;
    else if (index == 65) distance = 64 + g.u(6);
    else distance = 70 + g.u(30);
    if (!fake) {
      distance = lf::round_half_even(distance * 1.05);
      fateLimits(distance, false, l1, l2);
    }
  } else {
    int index = drawCumulative(g.rnd, g.t.puntIn40, 1, 40);
    if (index + wind > 6) index += wind;
    if (index <= 1) fake = 6;
    else if (index <= 6) fake = index - 1;
    else if (index == 7) {
      if (s.puntDefense == 2) fake = 6;
      else distance = 7;
    } else distance = index;
    if (!fake) {
      s.yardsToGoal = 0;
      fateLimits(distance, true, l1, l2);
    }
  }
  if (fake == 6) {
    blockedPunt(g);
    return;
  }
  if (fake) {
    fakeKick(g, fake, s.punter, 5);
    return;
  }

  const int r = g.u(1000);
  bool outOfBounds = r <= l1;
  bool rollsDead = r > l1 && r <= l2;
  if (!outOfBounds && !rollsDead && s.ballOn + distance > 90) {
    const double u = g.rnd.unit();
    distance = lf::round_half_even(distance + u + g.u(6) + g.u(6) - 3);
  }
  distance = std::min(distance, 100 - s.ballOn);
  s.puntDistance = distance;
  logText(g, {name(s, s.offense, s.punter), " punts", signPlace(distance), " yards"});
  addStat(s, s.offense, s.punter, stat::Punts, 1);
  addStat(s, s.offense, s.punter, stat::PuntYards, distance);
  recordLongest(s, s.offense, s.punter, stat::LongPunt, distance);
  s.ballOn = 100 - (s.ballOn + distance);
  exchangeSides(s);
  startNewSeries(s);
  // From here the punter belongs to the defense side.
  if (s.ballOn == 0) {
    touchback(g);
    p.seconds = g.u(3) + 8;
    addStat(s, s.defense, s.punter, stat::PuntTouchbacks, 1);
    runClock(g);
    return;
  }
  if (distance < 30) outOfBounds = true;
  if (rollsDead || outOfBounds) {
    logText(g, rollsDead ? "Rolls Dead" : "Out of Bounds");
    insideTwentyCredit(s);
    p.seconds = rollsDead ? g.u(5) + 8 : g.u(3) + 7;
    runClock(g);
    return;
  }

  const int returner = chooseReturner(g, s.offense, 14, 40, 8);
  p.ballCarrier = returner;
  if (s.ballOn >= 1 && s.ballOn <= 9) {
    p.seconds = g.u(6) + 9;
    logText(g, "downed on " + std::to_string(s.ballOn) + " yard line");
    addStat(s, s.defense, s.punter, stat::PuntsInside20, 1);
    runClock(g);
    return;
  }
  if (!(g.u(1000 / s.puntDefense) > 140 && distance > 34)) {
    logText(g, name(s, s.offense, returner) + " FAIR CATCH");
    addStat(s, s.offense, returner, stat::FairCatches, 1);
    addStat(s, s.defense, s.punter, stat::PuntsFairCaught, 1);
    p.seconds = g.u(3) + 7;
    runClock(g);
    p.firstDownClock = true;
    return;
  }

  int index = drawCumulative(g.rnd, g.t.puntReturn, 0, 47);
  index += sign(rating(s, s.offense, returner, 14) - g.u(5));
  int yards;
  if (index < 0) yards = -g.u(5);
  else if (index <= 40) yards = index;
  else if (index <= 45) yards = 40 + 10 * (index - 41) + g.u(10);
  else if (index == 46) yards = 90 + g.u(30);
  else yards = 109;
  p.yards = yards;
  keepInField(s);
  yards = p.yards;
  p.conversionMode = stat::PuntReturnTd;
  addStat(s, s.offense, returner, stat::PuntReturns, 1);
  addStat(s, s.offense, returner, stat::PuntReturnYards, yards);
  recordLongest(s, s.offense, returner, stat::LongPuntReturn, yards);
  addStat(s, s.defense, s.punter, stat::PuntsReturned, 1);
  addStat(s, s.defense, s.punter, stat::PuntReturnYardsAllowed, yards);
  s.yardsToGoal = 0;
  p.seconds = lf::round_half_even(g.u(3) + 10 + std::abs(yards) / 10.0);
  s.ballOn += yards;
  if (s.ballOn < 100) {
    startNewSeries(s);
  } else {
    p.touchdown = true;
    p.kick = true;
  }
  sayText(g, name(s, s.offense, returner) + signPlace(yards) + " yard Punt Return");
  insideTwentyCredit(s);
  p.fumbleChance = 74;
  p.yards = 0;
  if (s.ballOn < 100) {
    if (g.u(s.fumbleRange) <= 74) {
      p.fumble = true;
      fumble(g, 2);
      p.seconds += 3;
    } else if (s.ballOn < 80 && g.u(12) == 1) {
      penalty(g, "06.06.17.");
    }
  }
  if (s.ballOn > 0 && s.ballOn < 100) runClock(g);
}

}  // namespace fb
