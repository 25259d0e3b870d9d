// Down and distance after a play, the game clock with the two-minute warning
// and timeouts, the ends of quarters, halftime, overtime and the game.
#include <algorithm>
#include <cctype>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {
namespace {

bool lateInHalf(const GameState& s) {
  return s.quarter == 2 || s.quarter >= 4;
}

char computerTimeout(const GameState& s, int side, bool offense, int L) {
  const Side& a = s.side[side];
  if (L > 120 || a.score > s.side[3 - side].score || (s.quarter > 4 && s.gameType != 0))
    return 'N';
  if (a.timeoutsUsed < 3) return (!offense && s.quarter < 4) ? 'N' : 'Y';
  return offense ? 'H' : 'N';
}

char askTimeout(Game& g, const std::string& prompt, const std::string& allowed) {
  for (;;) {
    std::string a = g.seam.timeoutAnswer(g.s, prompt);
    for (char& c : a) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (a.size() == 1 && allowed.find(a[0]) != std::string::npos) return a[0];
  }
}

void endOfQuarter(Game& g) {
  GameState& s = g.s;
  std::swap(s.side[1].windFor, s.side[2].windFor);
  s.secondsLeft = 900;
  ++s.quarter;
  if (s.weather.surface != 3) s.weather.temperature += g.u(3) - g.u(3);
  injuryCountdown(s);
  resetDepthCharts(s);
  moveInjuredDown(s);
  const bool level = s.side[1].score == s.side[2].score;
  if (s.quarter == 3) {
    if (s.coachControl != 3) g.seam.message("END OF HALF", "KRO");
    s.side[1].timeoutsUsed = s.side[2].timeoutsUsed = 0;
    s.eventLineOpen = false;   // the second half opens its own event line
    coinToss(g);
    kickoff(g, 30);
    s.yardsToGoal = 100 - s.ballOn;
    s.secondsLeft -= s.play.seconds;
    s.play.seconds = 0;
    refresh(g);
  } else if (s.quarter == 5) {
    if (level) {
      g.seam.message("OVERTIME", "KRO");
      s.side[1].timeoutsUsed = s.side[2].timeoutsUsed = 0;
      s.kickoffPending = true;
      s.overtime = true;
    } else {
      s.quarter = 4;
      s.secondsLeft = 0;
      s.gameOver = true;
    }
  } else if (s.quarter == 2 || s.quarter == 4 || s.gameType != 0) {
    refresh(g);
  } else {
    s.gameOver = true;
  }
}

}  // namespace

void firstDownBookkeeping(Game& g, bool print) {
  GameState& s = g.s;
  Play& p = s.play;
  if (p.firstDownKind <= 0 || p.kick || p.text == "NO PLAY") return;
  addStat(s, s.offense, 0, stat::FirstDownsBase + p.firstDownKind, 1);
  if (print) logText(g, "FIRST DOWN");
  if (p.downAtSnap == 3) addStat(s, s.offense, 0, stat::ThirdDownConversions, 1);
  if (p.downAtSnap == 4) addStat(s, s.offense, 0, stat::FourthDownConversions, 1);
  p.firstDownKind = 0;
}

void startScrimmagePlay(Game& g, int huddleSeconds) {
  GameState& s = g.s;
  if (s.down == 3) addStat(s, s.offense, 0, stat::ThirdDownAttempts, 1);
  if (s.down == 4) addStat(s, s.offense, 0, stat::FourthDownAttempts, 1);
  s.play.huddleSeconds = huddleSeconds;
  s.play.downAtSnap = s.down;
  startEventLineWithCalls(g);
}

void downAndDistance(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  if (p.newSeries) return;
  ++s.down;
  s.yardsToGo -= p.yards + p.penaltyYards;
  if (s.yardsToGo > 0) {
    if (s.down <= 4) return;
    // Turned over on downs.
    const int old = s.ballOn;
    exchangeSides(s);
    s.yardsToGoal = old;
    s.ballOn = 100 - old;
    s.down = 1;
    s.yardsToGo = s.ballOn > 90 ? s.yardsToGoal : 10;
    p.huddleSeconds = 0;
    runClock(g);
    return;
  }
  firstDownBookkeeping(g, true);
  s.down = 1;
  s.yardsToGo = s.ballOn > 90 ? 100 - s.ballOn : 10;
  runClock(g);
}

void timeouts(Game& g, int& sec, int& h) {
  GameState& s = g.s;
  const int L = s.secondsLeft;
  if (h == 0 || sec >= L || (L >= 120 && L - sec <= 120)) return;
  const int off = s.offense, def = s.defense;
  char a;
  if (computerCoaches(s, off)) {
    a = computerTimeout(s, off, true, L);
  } else {
    refresh(g);
    a = askTimeout(g, s.side[off].name + ": Timeout (Y/N/H)?", "YNH");
    if (a == 'Y' && s.side[off].timeoutsUsed > 2) a = 'H';
  }
  int side = off;
  if (a != 'Y') {
    char d;
    if (computerCoaches(s, def))
      d = computerTimeout(s, def, false, L);
    else if (s.side[def].timeoutsUsed < 3)
      d = askTimeout(g, s.side[def].name + ": Timeout (Y/N)?", "YN");
    else
      d = 'N';
    if (d == 'Y') {
      a = 'Y';
      side = def;
    }
  }
  Side& t = s.side[side];
  if (a == 'Y') {
    ++t.timeoutsUsed;
    h = 0;
    logText(g, t.name + " call TIMEOUT #" + signPlace(t.timeoutsUsed));
  } else if (a == 'H') {
    const int r = 10 + g.u(4);
    if (r < h) h = r;
    logText(g, t.name + " Hurry");
  }
}

void runClock(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  int sec = p.seconds;
  int h = p.huddleSeconds;
  // Nothing runs without seconds, nor once the game is over (the clock would
  // otherwise go below zero).
  if (sec == 0 || s.gameOver) {
    p.seconds = 0;
    return;
  }
  int L = s.secondsLeft;
  if (L <= sec) {
    sec = L;
    h = 0;
  }
  if (h > 0 && L - sec < h) h = L - sec;
  if (lateInHalf(s)) {
    if (L < 180) timeouts(g, sec, h);
    const int after = L - sec - h;
    if (after == 120 || (after < 120 && L > 120)) {
      sec = std::max(sec, L - 120);
      h = 0;
      if (s.coachControl != 3) g.seam.message("TWO MINUTE WARNING", "KRO");
    }
  }
  if (p.firstDownClock) {
    if (lateInHalf(s) && L - sec < 1) sec = L - sec + 1;
    p.firstDownClock = false;
  }
  addStat(s, s.possessionAtSnap, 0, stat::PossessionSeconds, sec + h);
  s.secondsLeft = L - sec - h;
  p.seconds = 0;
  p.huddleSeconds = 0;
  if (s.quarter <= 4 || s.side[1].score == s.side[2].score) {
    if (s.secondsLeft > 0) {
      refresh(g);
      return;
    }
    s.secondsLeft = 0;
    endOfQuarter(g);
    return;
  }
  s.gameOver = true;
}

}  // namespace fb
