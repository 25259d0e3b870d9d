// Fouls of scrimmage plays and returns: one code drawn from a list, its
// yards, the accept and decline outcomes in words, the decision and its
// enforcement.
#include <cstdlib>
#include <algorithm>
#include <string>
#include <string_view>

#include "gameday/engine/routines.h"

namespace fb {
namespace {

const char* const kGeneralList = "01.01.03.03.05.20.20.20.20.";

const char* ordinal(int down) {
  static const char* const k[] = {"1st", "2nd", "3rd", "4th"};
  return k[std::clamp(down, 1, 4) - 1];
}

struct Outcome {
  int down, toGo, spot, a, b;   // a has the ball, b is the other side
};

// The outcome of a foul in words, after the deciding side's name and ":".
std::string words(const GameState& s, const std::string& head, Outcome o) {
  o.toGo = std::min(o.toGo, 100 - o.spot);
  const std::string& a = s.side[o.a].name;
  const std::string& b = s.side[o.b].name;
  if (o.spot <= 0) return head + " SAFETY for " + s.side[s.defense].name;
  std::string t = head + " " + a;
  if (o.spot >= 100) return t + " TOUCHDOWN";
  std::string place = o.spot == 50  ? "50"
                      : o.spot > 50 ? b + " " + std::to_string(100 - o.spot)
                                    : a + " " + std::to_string(o.spot);
  return t + " " + ordinal(o.down) + " and " + std::to_string(o.toGo) + " on the " + place +
         " yard line";
}

void charge(GameState& s, int side, int y) {
  addStat(s, side, 0, stat::Penalties, 1);
  addStat(s, side, 0, stat::PenaltyYards, std::abs(y));
}

void firstDownByPenalty(Game& g) {
  g.s.play.firstDownKind = 3;
  firstDownBookkeeping(g, true);
}

}  // namespace

bool computerAcceptsPenalty(const GameState& s, bool defenseDecides, int y) {
  const int yp = s.play.yards;
  const int t = s.yardsToGo;
  const int b = s.ballOn;
  const int p = std::abs(y);
  if (!defenseDecides) {
    if (b + yp >= 100) return false;
    if (b + yp > 0 && p < yp) return yp >= t ? false : s.down >= 3;
    return true;
  }
  if (b + yp >= 100) return true;
  if (b + yp <= 0) return false;
  if (yp >= t || (b > 60 && t - yp <= 9)) return true;
  switch (s.down) {
    case 1:
      if (b >= 21 && yp >= -2) return true;
      if (yp < 6 && t > 4 && (yp < 1 || p < 6)) return t - yp < 10 && p > 9;
      return true;
    case 2:
      if ((b >= 21 && yp >= -2) || yp >= 6 || t <= 4 || (yp >= 1 && p >= 6) || t - yp <= 6)
        return true;
      return t - yp < 10 && p > 9;
    case 3:
      return !((b <= 20 || yp < 1 || t - yp > 4) && (b + yp <= 70 || t - yp > 9 || yp < 0));
    default:
      return false;
  }
}

void penalty(Game& g, std::string_view given) {
  GameState& s = g.s;
  Play& p = s.play;
  if (p.kickPlay) return;
  std::string_view list = given;
  if (list.empty()) {
    if (g.u(30) != 1) return;
    list = kGeneralList;
  }
  const int n = std::max(1, lf::round_half_even(list.size() / 3.0));
  const int k = g.u(n);
  const int code = std::atoi(std::string(list.substr(3 * (k - 1), 2)).c_str());
  const int b = s.ballOn;

  std::string text;
  int y = 0;
  switch (code) {
    case 1: case 5: case 2:
      if (b < 2) return;
      text = code == 1 ? "OFFENSE OFFSIDES " : code == 5 ? "OFFENSE MOTION " : "OFFENSE FALSE START ";
      y = b < 10 ? -(b / 2) : -5;
      if (code == 2) p.yards = 0;
      break;
    case 3: case 4: case 6:
      if (b < (code == 6 ? 10 : 2)) return;
      text = code == 3 ? "OFFENSE HOLDING " : code == 4 ? "OFFENSE PASS INTERFERENCE " : "ILLEGAL BLOCK ";
      y = b < 20 ? -(b / 2) : -10;
      break;
    case 17: {
      if (b > 90) return;
      const int x = g.u(8);
      text = x == 1 ? "FACE MASK (15) " : x <= 4 ? "FACE MASK (5) " : x <= 7 ? "PILING ON " : "UNNECESSARY ROUGHNESS ";
      y = (x >= 2 && x <= 4) ? 5 : 15;
      if (b > 100 - 2 * y) y = (100 - b) / 2;
      break;
    }
    case 18: case 19:
      if (b < 2) return;
      text = code == 18 ? "DEFENSE OFFSIDES (Unabated to QB) " : "DEFENSE ENCROACHMENT ";
      y = 5;
      p.yards = 0;
      break;
    case 20: case 21: case 23:
      if (b > 98) return;
      text = code == 20 ? "DEFENSE OFFSIDES " : code == 21 ? "DEFENSIVE HOLDING " : "DEFENSE ILLEGAL CONTACT ";
      y = b > 90 ? (100 - b) / 2 : 5;
      break;
    case 22:
      if (b > 98) return;
      text = "DEFENSIVE PASS INTERFERENCE ";
      y = p.depth == 3 ? 5 + g.u(5) : 17 + g.u(18);
      y = std::min(y, 99 - b);
      break;
    default:
      return;
  }
  if (code != 22) p.huddleSeconds = 0;

  const int off = s.offense, def = s.defense;
  const bool offensiveFoul = code <= 6;
  const bool defenseDecides = code <= 5 || code == 17;
  const int decider = defenseDecides ? def : off;
  Outcome accept{s.down, s.yardsToGo - y, b + y, off, def};
  if (code == 6 || code == 17 || code >= 21) accept = {1, 10, b + y, off, def};
  if (code >= 18 && code <= 20 && accept.toGo < 1) accept.down = 1, accept.toGo = 10;
  const std::string& deciderName = s.side[decider].name;

  const bool choice = code == 1 || code == 3 || code == 4 || code == 5 || code == 20;
  bool accepted = true;
  if (choice) {
    Outcome decline{s.down + 1, s.yardsToGo - p.yards, b + p.yards, off, def};
    if (decline.toGo < 1) {
      decline.down = 1, decline.toGo = 10;
    } else if (decline.down > 4) {
      decline = {1, 10, 100 - decline.spot, def, off};
    }
    // The form is built only when it is shown: with the computer on both sides nobody sees it.
    const auto ask = [&](bool showAccept, bool showDecline) {
      PenaltyView v;
      v.playText = p.text;
      v.description = text + std::to_string(code == 20 ? y : -y) + " yds";
      v.acceptText = words(s, deciderName + " ACCEPT:", accept);
      v.declineText = words(s, deciderName + " DECLINE:", decline);
      v.decider = decider;
      v.showAccept = showAccept;
      v.showDecline = showDecline;
      return g.seam.penaltyChoice(s, v);
    };
    if (computerCoaches(s, decider)) {
      accepted = computerAcceptsPenalty(s, defenseDecides, y);
      if (s.coachControl != 3) accepted = ask(accepted, !accepted);
    } else {
      accepted = ask(true, true);
    }
    if (accepted) {
      // A first down by penalty when the foul's yards alone make the line.
      if (p.yards < s.yardsToGo && decider == off && s.yardsToGo - y < 1) firstDownByPenalty(g);
      p.penaltyYards = y;
      p.yards = 0;
      --s.down;
      p.counts = false;
      charge(s, offensiveFoul ? off : def, y);
    } else {
      p.penaltyYards = 0;
      p.counts = true;
    }
    if (code == 20) p.firstDownClock = true;
  } else {
    p.penaltyYards = 0;
    switch (code) {
      case 2:
        s.yardsToGo -= y;
        s.ballOn += y;
        p.counts = false;
        charge(s, off, y);
        break;
      case 6:
      case 17:
        s.ballOn += y;
        startNewSeries(s);
        p.counts = true;
        charge(s, code == 6 ? off : def, y);
        if (code == 17) p.firstDownClock = true;
        break;
      case 18:
      case 19:
        p.firstDownKind = 3;
        s.yardsToGo -= y;
        s.ballOn += y;
        if (s.yardsToGo < 1) {
          startNewSeries(s);
          firstDownByPenalty(g);
        }
        p.counts = false;
        charge(s, def, y);
        p.firstDownClock = true;
        break;
      default:  // 21, 22, 23: automatic first down
        s.ballOn += y;
        firstDownByPenalty(g);
        p.yards = 0;
        startNewSeries(s);
        p.counts = false;
        charge(s, def, y);
        p.firstDownClock = true;
        break;
    }
  }
  p.penaltyAccepted = accepted;
  if (accepted) {
    logText(g, "Penalty Accepted: " + text);
  } else {
    logText(g, "Penalty Refused: " + text);
    p.firstDownClock = false;
  }
}

}  // namespace fb
