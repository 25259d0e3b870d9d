// The defensive call: formation digit 1..7 and play 01..25, typed or made by
// the computer, and the defensive line-up.
#include <algorithm>
#include <cstring>
#include <string>

#include "gameday/engine/routines.h"

namespace fb {
namespace {

// Base 4-3: DE1, DE2, DT1, DT2, LB1, LB2, LB3, CB1, CB2, SA2, SA1.
constexpr int kBaseSlots[12] = {0, 27, 28, 31, 32, 34, 35, 36, 41, 42, 46, 45};

struct FormationChange {
  char name[7];
  int changes[3][2];   // place, slot
};
constexpr FormationChange kFormations[] = {
    {"L3B2D6", {{4, 35}, {6, 47}, {7, 43}}},
    {"L3B3D5", {{4, 36}, {7, 43}, {0, 0}}},
    {"L3B4D4", {{4, 37}, {0, 0}, {0, 0}}},
    {"L4B1D6", {{6, 47}, {7, 43}, {0, 0}}},
    {"L4B2D5", {{7, 43}, {0, 0}, {0, 0}}},
    {"L4B4D3", {{10, 37}, {0, 0}, {0, 0}}},
};

std::string upper(std::string e) {
  for (char& c : e)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return e;
}

}  // namespace

bool applyDefensiveCall(Game& g, const std::string& e) {
  if (e.size() < 3) return false;
  const int f = e[0] - '0';
  if (f < 1 || f > 7) return false;
  if (e[1] < '0' || e[1] > '9' || e[2] < '0' || e[2] > '9') return false;
  const int pp = 10 * (e[1] - '0') + (e[2] - '0');
  if (pp < 1 || pp > 25) return false;

  GameState& s = g.s;
  s.play.defensiveFormation = f;
  s.play.defensivePlay = pp;
  Side& def = s.side[s.defense];
  for (int i = 1; i <= 11; ++i) def.lineup[i] = def.depth[kBaseSlots[i]];
  // Names are kept as six characters, the width of every recognised name.
  const std::string& name = g.t.defensiveFormations[f];
  if (name.size() == 6) {
    for (const FormationChange& fc : kFormations) {
      if (std::memcmp(name.data(), fc.name, 6) != 0) continue;
      for (const auto& c : fc.changes)
        if (c[0] != 0) def.lineup[c[0]] = def.depth[c[1]];
      break;   // the names differ from one another
    }
  }
  if (pp == 11) {
    const int x = 7 + g.u(4);
    if (x != 11) std::swap(def.lineup[x], def.lineup[11]);
  }
  return true;
}

void defensiveCall(Game& g) {
  GameState& s = g.s;
  bool computerNext = false;
  for (;;) {
    if (s.gameOver) return;
    const bool computer = computerCoaches(s, s.defense) || computerNext;
    computerNext = false;
    const std::string e = computer ? computerDefensiveEntry(g) : upper(g.seam.defensiveEntry(s));
    s.play.defensiveEntry = e;
    if (!computer) {
      if (e.empty()) continue;
      if (e == "0") {
        computerNext = true;
        continue;
      }
      if (e == "CONTROL" || e == "SUB" || e == "STAT" || e == "LOG" || e == "END") {
        handleCommonCommand(g, e, s.defense);
        continue;
      }
    }
    if (applyDefensiveCall(g, e)) return;
    if (computer) computerNext = true;
  }
}

}  // namespace fb
