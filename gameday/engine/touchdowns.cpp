// Touchdowns, the conversion that follows, the Extrapt form, and the kickoff
// after a score.
#include <algorithm>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {
namespace {

// Margins after the touchdown at which the computer goes for two.
bool goesForTwo(int margin) {
  for (int m : {1, 4, -24, -18, -16, -12, -10, -5, -2})
    if (margin == m) return true;
  return false;
}

std::string shortName(const std::string& name) {
  if (name.empty()) return name;
  const size_t blank = name.find(' ');
  return name.substr(0, 1) + (blank == std::string::npos ? "" : name.substr(blank));
}

// "John Smith 12 yard pass from Bob Jones" -> "J Smith 12 yard pass from B Jones".
std::string scoringText(const std::string& text) {
  std::string t = text;
  const size_t blank = t.find(' ');
  if (!t.empty() && blank != std::string::npos) t = t.substr(0, 1) + t.substr(blank);
  const std::string from = "pass from ";
  const size_t at = t.find(from);
  if (at != std::string::npos && at + from.size() < t.size()) {
    const size_t letter = at + from.size();
    const size_t next = t.find(' ', letter + 1);
    t = t.substr(0, letter + 1) + (next == std::string::npos ? "" : t.substr(next));
  }
  return t;
}

}  // namespace

char conversionForm(Game& g, const std::string& label, int mode) {
  GameState& s = g.s;
  if (s.quarter > 4) s.coachControl = 3;
  ConversionView v;
  v.caption = conversionCaption(s);
  v.label = label;
  v.conversionMode = mode;
  v.preselected = 'D';
  const bool computerOffense = computerCoaches(s, s.offense);
  v.showOptions = !(mode == 0 || s.coachControl == 3 || s.coachControl == s.offense);
  v.command1Caption = mode == 0 ? "Kickoff" : "Continue";
  v.showCommand1 = s.coachControl != 3;
  v.showChangeControl = s.coachControl == 3;
  v.closesItself = s.coachControl == 3;
  if (computerOffense && mode != 0) {
    const int margin = s.side[s.offense].score - s.side[s.defense].score;
    v.preselected = goesForTwo(margin) ? 'S' : 'D';
  }
  const ConversionAnswer a = g.seam.conversionForm(s, v);
  if (a.changedControl) s.coachControl = 0;
  return a.choice == 'S' ? 'S' : 'D';
}

void announcement(Game& g, const std::string& label) {
  conversionForm(g, label, 0);
}

void kickoffAfterScore(Game& g, int spot, int quarterBefore) {
  GameState& s = g.s;
  // A score on the last play of the half is followed by the second-half
  // kickoff the clock has already made; overtime starts with its own toss.
  if (s.gameOver || s.kickoffPending || (s.quarter == 3 && quarterBefore == 2)) return;
  refresh(g);
  kickoff(g, spot);
  s.yardsToGoal = 100 - s.ballOn;
}

void touchdown(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  p.text = scoringText(p.text);
  const int mode = p.conversionMode;
  if (mode > 0) addStat(s, s.offense, p.ballCarrier, mode, 1);
  if (mode == stat::ReceivingTd) addStat(s, s.offense, p.passer, stat::PassingTd, 1);
  if (mode == stat::RushTd || mode == stat::ReceivingTd) firstDownBookkeeping(g, false);
  addPoints(g, 6);
  p.huddleSeconds = 0;
  p.seconds = std::min(p.seconds, std::max(s.secondsLeft, 0));
  refresh(g);
  const std::string label = s.side[s.offense].name + " TOUCHDOWN!!!";
  p.text += " TD ";
  const int quarterBefore = s.quarter;

  if (s.quarter >= 5) {
    p.conversionMode = 0;
    s.secondsLeft -= p.seconds;
    scoringLine(g, p.text);
    announcement(g, label);
    s.secondsLeft += p.seconds;
    runClock(g);
    s.gameOver = true;
    return;
  }
  s.secondsLeft -= p.seconds;
  const char choice = conversionForm(g, label, mode == 0 ? 0 : mode);
  p.offensiveEntry = std::string(1, choice);

  if (choice == 'D') {
    specialTeamsLineup(s, 'F');
    const int kicker = s.side[s.offense].lineup[2];
    const std::string kname = shortName(s.side[s.offense].roster[kicker].name);
    if (g.u(100) <= 95) {
      logText(g, "Extra point good!");
      p.text += "(" + kname + " kick)";
      addPoints(g, 1);
      addStat(s, s.offense, kicker, stat::ExtraPoints, 1);
    } else if (g.u(20) == 1) {
      logText(g, "Extra point blocked!");
      p.text += "(" + kname + " kick bkd)";
      addStat(s, s.offense, kicker, stat::ExtraPointsBlocked, 1);
      addStat(s, s.defense, s.side[s.defense].lineup[g.u(11)], stat::ExtraPointsBlockedByDefence, 1);
    } else {
      logText(g, "Extra point missed!");
      p.text += "(" + kname + " kick NG)";
    }
    addStat(s, s.offense, kicker, stat::ExtraPointAttempts, 1);
  } else {
    if (g.u(100) <= 47) {
      specialTeamsLineup(s, '2');
      int r = g.u(6);
      if (r == 1) r = g.u(6);
      const Side& off = s.side[s.offense];
      const int scorer = off.lineup[std::clamp(off.depth[r], 1, 11)];
      logText(g, "2 point conversion successful!");
      p.text += '(';
      p.text += shortName(off.roster[scorer].name);
      p.text += " 2 pt)";
      addPoints(g, 2);
      addStat(s, s.offense, scorer, stat::TwoPointConversions, 1);
    } else {
      logText(g, "2 point conversion failed!");
      p.text += "(2 pt NG)";
    }
  }
  scoringLine(g, p.text);
  s.secondsLeft += p.seconds;
  runClock(g);
  kickoffAfterScore(g, 30, quarterBefore);
}

}  // namespace fb
