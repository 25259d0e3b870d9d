// Injuries during a game, the quarter-by-quarter countdown, the depth order
// that keeps injured players at the bottom of their groups, and the
// substitution rule.
#include <algorithm>
#include <string>

#include "gameday/engine/draws.h"
#include "gameday/engine/routines.h"

namespace fb {
namespace {

// Position groups as first and last depth slot; kicker and punter stay put.
constexpr int kGroups[13][2] = {{1, 3},   {4, 5},   {6, 9},   {10, 15}, {16, 18},
                                {19, 20}, {21, 23}, {24, 26}, {27, 30}, {31, 33},
                                {34, 40}, {41, 44}, {45, 48}};

int groupOf(int slot) {
  for (int i = 0; i < 13; ++i)
    if (slot >= kGroups[i][0] && slot <= kGroups[i][1]) return i;
  return -1;
}

int quarters(const Side& side, int slot) {
  return injuryQuarters(side.roster[side.depth[slot]]);
}

}  // namespace

void injuryCheck(Game& g) {
  GameState& s = g.s;
  if (g.u(260) > 3) return;
  const int sideNo = g.u(2);
  const int place = g.u(11);
  Side& side = s.side[sideNo];
  const int player = side.lineup[place];
  const int b = weighted(g.rnd, {128, 64, 32, 16, 8, 4, 2, 1, 1, 1});
  const int c = weighted(g.rnd, {144, 36, 10, 5, 2, 1, 1, 1, 1, 1});
  const int q = b * (c - rating(s, sideNo, player, 1) + 5);
  if (player < 1 || player > kRosterSize || q < 1) return;
  Player& p = side.roster[player];
  if (s.coachControl != 3)
    g.seam.message(p.name + " of the " + side.name + " is INJURED for " + std::to_string(q) +
                       " quarters!",
                   "KRO");
  p.injury = std::to_string(injuryQuarters(p) + q);
  const int grp = groupOf(player);
  if (grp < 0) return;
  for (int i = kGroups[grp][0]; i < kGroups[grp][1]; ++i)
    if (quarters(side, i + 1) < quarters(side, i)) std::swap(side.depth[i], side.depth[i + 1]);
}

void injuryCountdown(GameState& s) {
  for (int sideNo = 1; sideNo <= 2; ++sideNo)
    for (int i = 1; i <= kRosterSize; ++i) {
      Player& p = s.side[sideNo].roster[i];
      const int q = injuryQuarters(p);
      if (q <= 0) continue;
      std::string t = std::to_string(q - 1);
      if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
      p.injury = t;
    }
}

void resetDepthCharts(GameState& s) {
  for (int sideNo = 1; sideNo <= 2; ++sideNo)
    for (int k = 0; k <= kRosterSize; ++k) s.side[sideNo].depth[k] = k;
}

void moveInjuredDown(GameState& s) {
  for (int sideNo = 1; sideNo <= 2; ++sideNo) {
    Side& side = s.side[sideNo];
    // Quarters by depth slot, read once and exchanged along with the slots.
    int q[kRosterSize + 1];
    for (int i = 1; i <= kRosterSize; ++i) q[i] = quarters(side, i);
    for (const auto& grp : kGroups) {
      int injured = 0;   // counted without a branch per player
      for (int i = grp[0]; i <= grp[1]; ++i) injured |= q[i] >= 1;
      if (!injured) continue;
      for (int i = grp[0]; i <= grp[1]; ++i)
        for (int k = i + 1; k <= grp[1]; ++k)
          if (q[k] < q[i]) {
            std::swap(side.depth[i], side.depth[k]);
            std::swap(q[i], q[k]);
          }
    }
  }
}

bool substitute(GameState& g, int sideNo, int slotA, int slotB) {
  if (slotA < 1 || slotA > kRosterSize || slotB < 1 || slotB > kRosterSize) return false;
  Side& side = g.side[sideNo];
  // Slots of one group share the first two characters of their labels; the
  // kicker and punter slots are groups of one.
  const int ga = groupOf(slotA), gb = groupOf(slotB);
  const bool sameGroup = ga >= 0 ? ga == gb : slotA == slotB;
  if (!sameGroup || quarters(side, slotA) != quarters(side, slotB)) return false;
  std::swap(side.depth[slotA], side.depth[slotB]);
  return true;
}

}  // namespace fb
