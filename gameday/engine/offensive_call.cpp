// The offensive call: a four-digit code (group, play, runner, formation) or a
// command, typed or made by the computer, and the line-ups that follow from it.
#include <algorithm>
#include <stdexcept>

#include "gameday/engine/routines.h"

namespace fb {
namespace {

// Depth-chart slots of skill places 2..6 by formation 0..9.
constexpr int kFormationSlots[10][5] = {
    {6, 10, 11, 16, 17}, {6, 10, 11, 12, 16}, {6, 10, 11, 12, 13}, {6, 7, 10, 11, 16},
    {4, 6, 10, 16, 17},  {4, 6, 10, 11, 16},  {4, 6, 10, 11, 12},  {4, 6, 7, 16, 17},
    {4, 6, 7, 10, 16},   {4, 6, 7, 10, 11}};

// Places 1 and 7..11: QB1, OT2, OG2, CE1, OG1, OT1.
constexpr int kFixedPlaces[6][2] = {{1, 1}, {7, 25}, {8, 22}, {9, 19}, {10, 21}, {11, 24}};

int digitAt(const std::string& e, size_t i) {
  return i < e.size() && e[i] >= '0' && e[i] <= '9' ? e[i] - '0' : 0;
}

int descriptorDigit(const std::string& d, size_t i) {
  return i < d.size() && d[i] >= '0' && d[i] <= '9' ? d[i] - '0' : 0;
}

bool inList(int v, std::initializer_list<int> l) {
  for (int x : l)
    if (x == v) return true;
  return false;
}

// Line-up place of runner R (0..9) in formation f (0..9), 0 when not valid.
int runnerPlace(int r, int f, int backs, int wides) {
  const int tights = 5 - backs - wides;
  switch (r) {
    case 0: return 1;
    case 1: return f >= 3 ? 2 : 0;
    case 2: return f <= 3 ? 2 : 3;
    case 3: return inList(f, {3, 5, 7, 8, 9}) ? (f == 3 ? 3 : 4) : 0;
    case 4: return f != 7 ? backs + 2 : 0;
    case 5: return !inList(f, {4, 7, 8}) ? backs + 3 : 0;
    case 6: return inList(f, {1, 2, 6}) ? backs + 4 : 0;
    case 7: return f == 2 ? backs + 5 : 0;
    case 8: return !inList(f, {2, 6, 9}) ? 7 - tights : 0;
    case 9: return inList(f, {0, 4, 7}) ? 8 - tights : 0;
  }
  return 0;
}

}  // namespace

void fillRunPlayWeights(GameState& s) {
  for (int side = 1; side <= 2; ++side)
    for (int i = 1; i <= 6; ++i) s.side[side].runPlayWeights[i] = 5;
}

bool applyOffensiveCall(Game& g, const std::string& e) {
  GameState& s = g.s;
  const int f = digitAt(e, 3);
  const int group = digitAt(e, 0);
  const int number = digitAt(e, 1);
  const int r = digitAt(e, 2);
  if (group < 1 || group > 3 || number < 1) return false;
  const std::string& desc = g.t.formations[f + 1];
  const int place = runnerPlace(r, f, descriptorDigit(desc, 1), descriptorDigit(desc, 3));
  if (place == 0) return false;
  const int play = 10 * group + number;
  if (play >= 11 && play <= 16 && r > 3) return false;
  if ((play == 17 || play == 18) && r < 4) return false;
  if (play == 19 && (r < 1 || r > 3)) return false;
  if (group >= 2 && r == 0) return false;
  if (play >= 36 && play <= 39 && s.ballOn > 80) return false;

  Play& p = s.play;
  p.group = group;
  p.number = number;
  p.runnerCode = r + 1;
  p.formationCode = f + 1;
  Side& off = s.side[s.offense];
  for (const auto& fp : kFixedPlaces) off.lineup[fp[0]] = off.depth[fp[1]];
  for (int i = 0; i < 5; ++i) off.lineup[2 + i] = off.depth[kFormationSlots[f][i]];
  p.ballCarrier = off.lineup[place];
  return true;
}

void handleCommonCommand(Game& g, const std::string& e, int side) {
  GameState& s = g.s;
  if (e == "CONTROL") {
    s.coachControl = g.seam.selectCoaches(s);
  } else if (e == "SUB") {
    g.seam.substitution(s, side);
  } else if (e == "STAT") {
    g.seam.showStatistics(s);
  } else if (e == "LOG") {
    g.seam.showLog(s);
  } else if (e == "END") {
    s.abandoned = true;
    throw GameAbandoned{};
  }
}

static bool isCommonCommand(const std::string& e) {
  return e == "CONTROL" || e == "SUB" || e == "STAT" || e == "LOG" || e == "END";
}

static std::string upper(std::string e) {
  for (char& c : e)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return e;
}

void offensiveCall(Game& g) {
  GameState& s = g.s;
  bool computerNext = false;
  int refused = 0;
  for (;;) {
    if (s.gameOver || s.kickoffPending || s.ballOn >= 100) return;
    resetPlay(s);
    const bool computer = computerCoaches(s, s.offense) || computerNext;
    computerNext = false;
    const std::string e = computer ? computerOffensiveEntry(g) : upper(g.seam.offensiveEntry(s));
    s.play.offensiveEntry = e;
    if (!computer) {
      if (e.empty()) continue;
      if (e == "0") {
        computerNext = true;
        continue;
      }
      if (isCommonCommand(e)) {
        handleCommonCommand(g, e, s.offense);
        continue;
      }
    }
    if (e == "PU") {
      if (s.ballOn < 71) {
        s.play.group = 4;
        return;
      }
      g.seam.message("You are too close to punt!\r\nGo for it or kick a field goal!", "KRO");
      continue;
    }
    if (e == "FG") {
      if (s.ballOn > 46) {
        s.play.group = 5;
        return;
      }
      g.seam.message("You are too far away to try a field goal!\r\nGo for it or punt!", "KRO");
      continue;
    }
    if (applyOffensiveCall(g, e)) {
      defensiveCall(g);
      return;
    }
    if (computer) {
      // The computer simply chooses again; tables that never give a valid call are broken.
      if (++refused > 10000) throw std::runtime_error("The computer offense finds no valid call");
      computerNext = true;
    }
  }
}

void specialTeamsLineup(GameState& s, char variant) {
  static constexpr int kOffense[12] = {0, 2, 5, 7, 14, 15, 18, 25, 22, 20, 23, 26};
  static constexpr int kDefense[12] = {0, 29, 28, 33, 32, 38, 39, 40, 43, 44, 48, 47};
  Play& p = s.play;
  p.offensiveEntry = "1116";
  p.defensiveEntry = "605";
  p.group = 1;
  p.number = 1;
  p.runnerCode = 7;
  p.formationCode = 2;
  p.defensiveFormation = 6;
  p.defensivePlay = 5;
  Side& off = s.side[s.offense];
  Side& def = s.side[s.defense];
  for (int i = 1; i <= 11; ++i) {
    off.lineup[i] = off.depth[kOffense[i]];
    def.lineup[i] = def.depth[kDefense[i]];
  }
  if (variant == 'P') off.lineup[1] = off.depth[50];
  if (variant == 'K') {
    off.lineup[1] = off.depth[7];
    def.lineup[3] = def.depth[49];
  }
  if (variant == 'F') off.lineup[2] = off.depth[49];
}

}  // namespace fb
