// The coin toss, free kicks (kickoff and the kick after a safety), their
// returns and the touchback.
#include <algorithm>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {

int returnLookup(Game& g, const Cumulative& table, int side, int player, int k) {
  const int q = weatherFactor(g);
  int j = drawCumulative(g.rnd, table, 0, 47);
  j += luck(g, side, player, k) + q;
  if (j <= 0) return 0;
  if (j >= 41 && j <= 44) return 40 + 10 * (j - 41) + g.u(10);
  if (j == 45) return 80 + g.u(20);
  if (j == 46) return 90 + g.u(30);
  if (j < 47) return j;
  return 109;
}

int chooseReturner(Game& g, int sideNo, int k, int fallbackBase, int fallbackRange) {
  GameState& s = g.s;
  int total = 0;
  int w[kRosterSize + 1] = {};
  for (int i = 1; i <= kRosterSize; ++i) {
    const int r = rating(s, sideNo, i, k);
    if (r > 0) total += w[i] = pow2(r);
  }
  if (total == 0) return fallbackBase + g.u(fallbackRange);
  const int x = g.u(total);
  int sum = 0;
  for (int i = 1; i <= kRosterSize; ++i) {
    sum += w[i];
    if (w[i] > 0 && sum >= x) return i;
  }
  return kRosterSize;
}

void touchback(Game& g) {
  g.s.ballOn = 20;
  startNewSeries(g.s);
  logText(g, "Touchback");
}

void coinToss(Game& g) {
  GameState& s = g.s;
  s.kickoffPending = false;
  s.play.seconds = 0;
  s.play.huddleSeconds = 0;
  Side* side = s.side.data();
  if (s.quarter == 1 || s.quarter == 5) {
    s.offense = g.u(2);
    s.defense = 3 - s.offense;
    const std::string& winner = side[s.defense].name;
    logText(g, winner + " have won the coin toss");
    bool receive = true;
    if (!computerCoaches(s, s.defense))
      receive = g.seam.coinTossReceive(s, winner + " have won the coin toss",
                                       "Do you wish to receive the ball?\r\n(No = Receive in 2nd half)");
    if (receive) {
      logText(g, winner + " elects to receive");
      const int w = side[kVisitor].windFor;
      side[s.offense].windFor = w;
      side[s.defense].windFor = -w;
      s.openingReceiver = s.defense;
    } else {
      const int w = side[kHome].windFor;
      side[s.offense].windFor = w;
      side[s.defense].windFor = -w;
      exchangeSides(s);
      s.openingReceiver = s.defense;
      s.ballOn = 35;
      s.down = 1;
      s.yardsToGo = 10;
      return;
    }
  } else {
    s.offense = s.openingReceiver;
    s.defense = 3 - s.offense;
    const int w = std::abs(side[kVisitor].windFor);
    side[s.offense].windFor = w;
    side[s.defense].windFor = -w;
  }
  s.ballOn = 35;
  s.down = 1;
  s.yardsToGo = 10;
}

void kickoff(Game& g, int spot) {
  GameState& s = g.s;
  Play& p = s.play;
  s.yardsToGoal = 0;
  resetPlay(s);
  s.kickSpot = spot;
  s.ballOn = spot;
  exchangeSides(s);
  specialTeamsLineup(s, 'K');
  p.conversionMode = stat::KickoffReturnTd;
  p.firstDownKind = -1;
  p.huddleSeconds = 0;
  p.downAtSnap = 0;
  p.kick = true;
  if (s.gameOver) return;
  const int kicking = s.defense;

  char type = 'D';
  if (computerCoaches(s, kicking)) {
    const int l = s.secondsLeft;
    if (s.quarter == 4 && l < 300) {
      const int margin = s.side[kicking].score - s.side[s.offense].score;
      if (margin < 0)
        type = (margin < -8 || l < 121) ? 'O' : 'D';
      else
        type = (l < 15 || (l < 60 && margin > 8)) ? 'S' : 'D';
    }
  } else {
    KickoffView v;
    const Side& k = s.side[kicking];
    const Side& r = s.side[s.offense];
    std::string clock = clockText(s.secondsLeft);
    clock.erase(0, clock.find_first_not_of(' '));
    v.caption = k.name + signPlace(k.score) + "   " + r.name + signPlace(r.score) + "     Qtr:" +
                signPlace(s.quarter) + "   Time Remaining: " + clock;
    v.label = "Kickoff by " + k.name;
    type = g.seam.kickoffForm(s, v);
    if (type != 'S' && type != 'O') type = 'D';
  }
  s.kickType = type;

  s.kicker = s.side[kicking].lineup[3];
  int distance;
  if (type == 'D') {
    const int r = g.u(3456);
    const int base = r <= 41 ? 38 : r <= 95 ? 43 : r <= 334 ? 48 : r <= 1315 ? 53
                     : r <= 2607 ? 58 : r <= 3083 ? 63 : 68;
    distance = base + g.u(10);
  } else if (type == 'S') {
    distance = 35 + g.u(20);
  } else {
    p.kickPlay = true;
    distance = 9 + g.u(9);
  }
  s.kickDistance = distance;
  s.ballOn = 100 - distance - spot;
  logText(g, {s.side[kicking].roster[s.kicker].name, " kicks", signPlace(distance),
                       " yards"});

  const bool onside = type == 'O';
  if (onside && g.u(7) == 1) {
    // The kicking team recovers and keeps the ball.
    p.conversionMode = stat::OtherReturnTd;
    logText(g, s.side[kicking].name + " recover");
    const int player = s.side[kicking].lineup[1 + g.u(10)];
    p.yards = 0;
    logText(g, " " + s.side[kicking].roster[player].name + " 0" + " onside kick return");
    exchangeSides(s);
    s.ballOn = 100 - s.ballOn;
    startNewSeries(s);
    p.seconds = g.u(3);
    runClock(g);
    return;
  }
  if (g.u(35) == 1 && type == 'D' && distance < 70) {
    s.ballOn = 65 - spot;
    logText(g, "Out of Bounds - Kick placed on the " + std::to_string(s.ballOn) + " yd line");
    p.yards = 0;
    p.seconds = 0;
    startNewSeries(s);
    return;
  }
  const bool returned = s.ballOn > 0 || g.u(20) <= s.ballOn + 10;
  if (!returned) {
    p.yards = 0;
    p.seconds = 0;
    touchback(g);
    runClock(g);
    return;
  }

  const int returner = chooseReturner(g, s.offense, 15, 3, 12);
  p.ballCarrier = returner;
  int yards;
  if (!onside) {
    yards = returnLookup(g, g.t.kickoffReturn, s.offense, returner, 15);
    if (yards > 80) yards += g.u(30);
    if (type == 'S' && g.u(2) == 1) yards = g.u(yards);
  } else {
    yards = looseBallAdvance(g);
    if (g.u(2) == 1) yards = 0;
    yards = std::max(yards, 0);
  }
  p.yards = yards;
  keepInField(s);
  yards = p.yards;
  s.ballOn += yards;
  if (s.ballOn <= 0) {
    p.seconds = 0;
    touchback(g);
    runClock(g);
    return;
  }
  addStat(s, s.offense, returner, stat::KickoffReturns, 1);
  addStat(s, s.offense, returner, stat::KickoffReturnYards, yards);
  recordLongest(s, s.offense, returner, stat::LongKickoffReturn, yards);
  sayText(g, {s.side[s.offense].roster[returner].name, signPlace(yards),
                       " yard Kickoff Return"});
  p.seconds = lf::round_half_even(yards / 10.0 + g.u(5) + 4);
  p.fumbleChance = 58;
  if (s.ballOn < 100) {
    if (g.u(s.fumbleRange) <= 58) {
      p.fumble = true;
      fumble(g, 2);
      p.seconds += 3;
    } else if (yards < 60 && g.u(12) == 1) {
      penalty(g, "06.06.17.");
    }
  }
  if (s.ballOn >= 100) {
    touchdown(g);
  } else if (s.ballOn > 0) {
    startNewSeries(s);
    p.yards = 0;
    runClock(g);
  } else {
    safety(g);
  }
}

}  // namespace fb
