// Passing plays: the outcome chain (attempt, incompletion, interception,
// pressure, sack, fumble), the pass rush, and the three endings.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gameday/engine/draws.h"
#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {
namespace {

// Blitzing places of defensive plays 11..25.
void blitzers(int play, int out[3], int& n) {
  n = 0;
  switch (play) {
    case 11: out[n++] = 11; break;
    case 12: case 19: out[n++] = 5; out[n++] = 6; out[n++] = 7; break;
    case 13: case 20: out[n++] = 6; break;
    case 14: case 21: out[n++] = 5; break;
    case 15: case 22: out[n++] = 7; break;
    case 16: case 23: out[n++] = 5; out[n++] = 6; break;
    case 17: case 24: out[n++] = 6; out[n++] = 7; break;
    case 18: case 25: out[n++] = 5; out[n++] = 7; break;
  }
}

const std::string& name(const GameState& s, int side, int player) {
  return s.side[side].roster[player].name;
}

void evaluation(Game& g, int i);
void completionAttempt(Game& g);

// The sack check and the move of the ball that follows it; a fumble goes to
// the fumble routine after the ball has moved.
void sackCheck(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  ballSecurityCheck(g);
  if (!p.fumble) penalty(g, "");
  if (p.counts) {
    addStat(s, s.offense, p.passer, stat::TimesSacked, 1);
    addStat(s, s.offense, p.passer, stat::SackYards, p.yards);
    addStat(s, s.defense, p.sacker, stat::SacksMade, 1);
    addStat(s, s.defense, p.tackler, stat::Tackles, 1);
  }
  s.ballOn += p.yards + p.penaltyYards;
  if (p.fumble) {
    p.ballCarrier = p.passer;
    fumble(g, 1);
  }
}

// A loss behind the line charged as a sack, from the keep-in-field step on.
void sackLoss(Game& g, bool sackHuddle) {
  GameState& s = g.s;
  Play& p = s.play;
  keepInField(s);
  sayText(g, {name(s, s.defense, p.sacker), " sacks ", name(s, s.offense, p.passer),
                       " for ", std::to_string(-p.yards), " yard loss"});
  p.seconds = lf::round_half_even(7 + g.u(5) + std::abs(p.yards) / 10.0);
  if (sackHuddle) p.huddleSeconds = 12;
  p.tackler = p.sacker;
  logText(g, {"Tackle by ", name(s, s.defense, p.sacker)});
  sackCheck(g);
}

void scramble(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  if (s.quarter >= 4 && s.secondsLeft < 15 && s.ballOn < 95 && g.u(10) > 1) {
    incompletePass(g);
    return;
  }
  logText(g, name(s, s.offense, p.passer) + " UNDER PRESSURE!");
  const int j = drawCumulative(g.rnd, g.t.scramble, -1, 41) + luck(g, s.offense, p.passer, 4);
  if (j < 0) {
    p.yards = -weighted(g.rnd, {866, 933, 181, 116, 116});
  } else if (j > 40) {
    const int gl = 100 - s.ballOn;
    p.yards = gl > 40 ? 40 + 1 + static_cast<int>(std::floor(1.2 * gl * g.rnd.unit())) : gl;
  } else {
    p.yards = j;
  }
  p.fumbleChance = 83;
  keepInField(s);
  const int receiver = p.ballCarrier;
  p.ballCarrier = p.passer;
  if (p.yards < 0) {
    passRush(g, receiver);
    sackLoss(g, false);
    return;
  }
  p.seconds = lf::round_half_even(8 + g.u(5) + std::abs(p.yards) / 10.0);
  p.huddleSeconds = 33;
  runOutcome(g);
}

void sack(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  const int receiver = p.ballCarrier;
  p.ballCarrier = p.passer;
  logText(g, name(s, s.offense, p.passer) + " UNDER PRESSURE!");
  int j = drawCumulative(g.rnd, p.defensivePlay > 10 ? g.t.sackBlitz : g.t.sackNormal, -2, 20);
  j -= passRush(g, receiver);
  if (j < -1) {
    p.ballCarrier = s.side[s.offense].lineup[g.u(5) + 1];
    completionAttempt(g);
    return;
  }
  if (j <= 0) {
    p.ballCarrier = s.side[s.offense].lineup[g.u(5) + 1];
    incompletePass(g);
    return;
  }
  p.yards = j > 19 ? -(19 + g.u(4)) : -j;
  sackLoss(g, true);
}

void fumbleDroppingBack(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.fumbleChance = s.fumbleRange;
  if (g.u(2) == 1) {
    sayText(g, name(s, s.offense, p.passer) + " FUMBLES dropping back to pass");
    p.yards = -5 - g.u(7);
    passRush(g, p.ballCarrier);
    p.ballCarrier = p.passer;
    sackLoss(g, true);
  } else {
    sayText(g, name(s, s.offense, p.passer) + " FUMBLES snap");
    p.yards = std::max(-g.u(3), -s.ballOn);
    p.ballCarrier = p.passer;
    runOutcome(g);
  }
}

void evaluation(Game& g, int i) {
  GameState& s = g.s;
  Play& p = s.play;
  int q = weatherFactor(g);
  const int limit = s.ballOn < 81 ? 11 : s.ballOn <= 90 ? 10 : 9;
  if (p.depth == 4 && s.side[s.offense].windFor < -1) s.lastWeatherFactor = --q;
  i = i - matchup(g) - luck(g, s.offense, p.passer, 5);
  if (i > limit + sign(q)) {
    if (i > 19)
      interception(g);
    else
      incompletePass(g);
    return;
  }
  completionAttempt(g);
}

void completionAttempt(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  if (g.u(50) <= s.weather.precipitation) {
    incompletePass(g);
    return;
  }
  if (p.depth < 4 && g.u(800) == 1) {
    const int k = g.u(6);
    p.ballCarrier = s.side[s.offense].lineup[k == 1 ? 1 : k + 5];
    p.depth = 1;
    logText(g, "Pass is tipped");
  }
  completion(g);
}

}  // namespace

int passRush(Game& g, int receiver) {
  GameState& s = g.s;
  Play& p = s.play;
  const Side& off = s.side[s.offense];
  int P = 0;
  for (int place = 7; place <= 11; ++place) P += rating(s, s.offense, off.lineup[place], 8) + 1;
  P += rating(s, s.offense, off.lineup[1], 4);
  const int f = p.formationCode - 1;
  const int b = f <= 2 ? 1 : f <= 6 ? g.u(2) : g.u(3);
  if (off.lineup[b] != receiver) P += rating(s, s.offense, off.lineup[b], 8);

  const Side& def = s.side[s.defense];
  int w[12] = {};
  for (int place = 1; place <= 4; ++place) w[place] = 2 + rating(s, s.defense, def.lineup[place], 11);
  int bl[3], n;
  blitzers(p.defensivePlay, bl, n);
  for (int i = 0; i < n; ++i) w[bl[i]] = 2 + rating(s, s.defense, def.lineup[bl[i]], 11);
  int R = weatherFactor(g);
  for (int place = 1; place <= 11; ++place) R += w[place];
  const int result = sign(g.u(P) - g.u(R));

  int total = 0;
  for (int place = 1; place <= 11; ++place) {
    if (place >= 5) w[place] *= 10;
    if (place >= 5 && place <= 7 && positionIs(s, s.defense, def.lineup[place], "LB"))
      w[place] += rating(s, s.defense, def.lineup[place], 11);
    total += w[place];
  }
  const int r = g.u(total);
  int sum = 0, chosen = 11;
  for (int place = 1; place <= 11; ++place) {
    sum += w[place];
    if (sum >= r) {
      chosen = place;
      break;
    }
  }
  p.sacker = def.lineup[chosen];
  return result;
}

void passPlay(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  startScrimmagePlay(g, 29);
  Side& off = s.side[s.offense];
  p.passer = off.lineup[1];
  const int play = 10 * p.group + p.number;
  if (play == 19) {
    p.passer = p.ballCarrier;
    const int x = g.u(5);
    p.ballCarrier = off.lineup[x + 1];
    if (p.ballCarrier == p.passer) p.ballCarrier = off.lineup[1];
    p.depth = s.ballOn > 80 ? 3 : 5;
  } else if (play <= 24) {
    p.depth = s.ballOn > 95 ? 3 : 1;
  } else if (play <= 29) {
    p.depth = s.ballOn > 95 ? 3 : 2;
  } else if (play <= 35) {
    p.depth = 3;
  } else {
    p.depth = s.ballOn > 80 ? 3 : 4;
  }

  if (p.depth <= 2) {
    const int x = g.u(1000);
    const bool near = s.ballOn >= 91;
    if (x <= (near ? 559 : 659))
      completionAttempt(g);
    else if (x <= (near ? 975 : 985))
      incompletePass(g);
    else
      interception(g);
  } else if (p.depth <= 4) {
    const int i = drawCumulative(g.rnd, p.depth == 3 ? g.t.qbShort : g.t.qbLong, 1, 23);
    if (i <= 20) {
      evaluation(g, i);
    } else if (i == 21) {
      scramble(g);
    } else if (i == 22) {
      p.fumbleChance = p.depth == 3 ? 95 : 148;
      sack(g);
    } else {
      fumbleDroppingBack(g);
    }
  } else {
    const int used = ++off.optionPassesUsed;
    p.depth = used == 1 ? 4 : used <= 3 ? 3 : 2;
    const int i = drawCumulative(g.rnd, g.t.hbOption, 1, 23);
    if (i > 20) {
      p.yards = g.u(3) + g.u(3);
      if (s.ballOn > 90) p.yards += g.u(3) - 4;
      p.fumbleChance = 1;
      p.ballCarrier = p.passer;
      keepInField(s);
      runOutcome(g);
    } else {
      evaluation(g, i);
    }
  }
}

void incompletePass(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.yards = 0;
  p.seconds = g.u(3) + p.depth + 1 + (p.depth == 1 ? 2 : 0);
  p.huddleSeconds = 0;
  sayText(g, {"Incomplete pass by ", name(s, s.offense, p.passer)});
  logText(g, {"Intended for ", name(s, s.offense, p.ballCarrier)});
  p.fumble = false;
  if (s.ballOn < 99 && g.u(15) == 1)
    penalty(g, p.depth <= 2 ? "03.21." : "03.03.03.03.21.21.21.21.22.22.23.");
  else
    penalty(g, "");
  if (p.counts) addStat(s, s.offense, p.passer, stat::PassAttempts, 1);
  // An accepted foul moves the ball from the line of scrimmage.
  s.ballOn += p.penaltyYards;
}

void interception(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  if (g.u(40) <= s.side[s.offense].roster[p.passer].years ||
      g.u(50) <= s.weather.precipitation) {
    incompletePass(g);
    return;
  }
  s.yardsToGoal = 0;
  p.conversionMode = stat::InterceptionTd;
  int depth = p.depth;
  int d;
  switch (depth) {
    case 1: d = 1 - g.u(10); break;
    case 2: d = g.u(6) - 1; break;
    case 3: d = 5 + g.u(12); break;
    default: d = 17 + g.u(23); break;
  }
  if (s.ballOn + d >= 110) d = 109 - s.ballOn;
  const int old = s.ballOn;
  exchangeSides(s);
  s.ballOn = 100 - d - old;

  // The interceptor: the side that now has the ball.
  const Side& def = s.side[s.offense];
  int v[12] = {};
  const auto mark = [&](int from, int to) {
    for (int place = from; place <= to; ++place)
      v[place] = 1 + rating(s, s.offense, def.lineup[place], 10);
  };
  const int x = g.u(5214);
  if (depth <= 3) {
    if (x <= 130) depth == 3 ? mark(5, 9) : mark(1, 2);
    else if (x <= 192) depth == 3 ? mark(5, 9) : mark(3, 4);
    else if (x <= 2336) mark(5, 7);
    else if (x <= 4480) mark(8, 9);
    else mark(10, 11);
  } else {
    if (x >= 43 && x <= 1822) mark(8, 9);
    else mark(5, 7);
  }
  if (depth >= 3) {
    if (p.defensivePlay == 11) {
      v[7 + g.u(4)] = 0;
    } else {
      int bl[3], n;
      blitzers(p.defensivePlay, bl, n);
      for (int i = 0; i < n; ++i) v[bl[i]] = 0;
    }
  }
  int total = 0;
  for (int place = 1; place <= 11; ++place) total += v[place];
  const int place = total > 0 ? weighted(g.rnd, v + 1, 11) : 7 + g.u(4);
  const int interceptor = def.lineup[place];
  p.ballCarrier = interceptor;

  int ret = returnLookup(g, depth == 4 ? g.t.intLong : g.t.intShort, s.offense, interceptor,
                         depth == 4 ? 3 : 2);
  if (s.ballOn + ret <= 0) ret = 0;
  p.yards = ret;
  keepInField(s);
  ret = p.yards;
  s.ballOn += ret;
  startNewSeries(s);
  p.seconds = lf::round_half_even(5 + g.u(5) + d / 10.0 + ret / 10.0);
  p.huddleSeconds = 0;
  logText(g, {"Intercepted (", std::to_string(d), " yards downfield)"});
  sayText(g, {name(s, s.offense, interceptor), signPlace(ret),
                       " yard Interception return"});
  if (s.ballOn <= 0) touchback(g);
  if (s.ballOn < 100) s.yardsToGoal = 100 - s.ballOn;
  addStat(s, s.defense, p.passer, stat::PassAttempts, 1);
  addStat(s, s.defense, p.passer, stat::InterceptionsThrown, 1);
  addStat(s, s.offense, interceptor, stat::Interceptions, 1);
  addStat(s, s.offense, interceptor, stat::InterceptionYards, ret);
  recordLongest(s, s.offense, interceptor, stat::LongInterception, ret);
  // A return into the end zone is timed by the touchdown.
  if (s.ballOn < 100) runClock(g);
}

void completion(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  const Side& off = s.side[s.offense];
  const int f = p.formationCode - 1;
  if ((p.depth == 3 || p.depth == 4) && p.group == 3) {
    const int x = g.u(100);
    if (x > 12 * p.depth + 25) {
      int place;
      if (p.depth == 3) place = g.u(5) + 1;
      else if (f <= 2) place = g.u(4) + 2;
      else if (f <= 6) place = g.u(3) + 3;
      else place = g.u(2) + 4;
      p.ballCarrier = off.lineup[place];
    }
  }
  p.conversionMode = stat::ReceivingTd;
  p.firstDownKind = 2;
  const auto is = [&](const char (&code)[3]) { return positionIs(s, s.offense, p.ballCarrier, code); };
  const int blitz = (p.defensivePlay == 12 || p.defensivePlay == 19) ? 1 : 0;
  int yards;
  if (p.depth <= 2) {
    const TablePair& pair = p.depth == 1 ? (is("HB") ? g.t.hbQuick : g.t.fbQuick)
                                         : (is("WR") ? g.t.wrQuick : g.t.teQuick);
    int q = weatherFactor(g) + blitz;
    s.lastWeatherFactor = q;
    const int shortTotal = pair.shortTable.at(30);
    const int r = g.u(shortTotal + pair.longTable.at(46));
    if (r > shortTotal) {
      const int i = drawCumulative(g.rnd, pair.longTable, -2, 46) +
                    luck(g, s.offense, p.ballCarrier, p.depth == 1 ? 3 : 2) + q;
      if (i < 0)
        yards = -(p.depth == 1 ? g.u(10) : g.u(3));
      else if (i > 40)
        yards = 100 - s.ballOn > 40 ? 10 * i - 370 + g.u(10) : 100 - s.ballOn;
      else
        yards = i;
    } else {
      int i = drawCumulative(g.rnd, pair.shortTable, 1, 30) - matchup(g) -
              luck(g, s.offense, p.ballCarrier, p.depth == 1 ? 2 : 3) - q;
      i = std::clamp(i, 1, 30);
      yards = (p.depth == 1 ? g.t.screenChart : g.t.quickChart)[i][3];
    }
  } else {
    const Cumulative& table =
        p.depth == 3 ? (is("WR") ? g.t.wrShort : is("TE") ? g.t.teShort
                        : is("HB") ? g.t.hbShort : g.t.fbShort)
                     : (is("WR") ? g.t.wrLong : is("TE") ? g.t.teLong : g.t.hbLong);
    const int i = drawCumulative(g.rnd, table, 1, table.last());
    const int q = weatherFactor(g) + blitz;
    s.lastWeatherFactor = q;
    const int total = i + q + luck(g, s.offense, p.ballCarrier, p.depth == 3 ? 2 : 3);
    if (p.depth == 3) {
      const int gain = total + 4;
      if (gain <= 30) {
        yards = gain;
        if (s.ballOn <= 90) yards += sign(gain);
      } else {
        yards = s.ballOn < 70 ? 10 * gain - 280 + g.u(10) : 100 - s.ballOn;
      }
    } else {
      const int gain = total + 17;
      yards = gain <= 40 ? gain : s.ballOn < 60 ? 10 * gain - 370 + g.u(10) : 100 - s.ballOn;
    }
  }
  p.yards = yards;
  if (s.ballOn < 90) p.yards += p.depth - 1;
  keepInField(s);
  sayText(g, {name(s, s.offense, p.ballCarrier), " ", std::to_string(p.yards),
                       " yard pass from ", name(s, s.offense, p.passer)});
  p.seconds = lf::round_half_even(5 + g.u(5) + std::abs(p.yards) / 10.0);
  const bool td = s.ballOn + p.yards >= 100;
  if (td) p.touchdown = true;
  if (!td) {
    chooseTackler(g, 2);
    logText(g, {"Tackle by ", name(s, s.defense, p.tackler)});
  }
  ballSecurityCheck(g);
  if (!p.fumble) {
    if (s.ballOn > 1 && g.u(15) == 1)
      penalty(g, p.depth <= 2 ? "01.03.20.20." : "03.04.20.20.");
    else
      penalty(g, "");
  }
  if (p.counts) {
    addStat(s, s.offense, p.ballCarrier, stat::Receptions, 1);
    addStat(s, s.offense, p.ballCarrier, stat::ReceivingYards, p.yards);
    recordLongest(s, s.offense, p.ballCarrier, stat::LongReception, p.yards);
    addStat(s, s.offense, p.passer, stat::PassAttempts, 1);
    addStat(s, s.offense, p.passer, stat::Completions, 1);
    addStat(s, s.offense, p.passer, stat::PassingYards, p.yards);
    recordLongest(s, s.offense, p.passer, stat::LongPass, p.yards);
    if (!td) addStat(s, s.defense, p.tackler, stat::Tackles, 1);
  }
  s.ballOn += p.yards + p.penaltyYards;
  if (p.fumble) {
    // The catch still gained its yards: the distance to go shrinks with them.
    s.yardsToGo -= p.yards;
    p.yards = 0;
    fumble(g, 1);
  }
}

}  // namespace fb
