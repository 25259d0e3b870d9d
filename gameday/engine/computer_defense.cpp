// The computer's defensive call: a formation by weights, a mode, a play from
// two-dice tables, then the late-game adjustments.
#include <algorithm>
#include <string>

#include "gameday/engine/draws.h"
#include "gameday/engine/routines.h"

namespace fb {
namespace {

constexpr int kShortYardage[7] = {0, 0, 40, 0, 0, 40, 20};
constexpr int kLongYardage[7] = {10, 20, 20, 10, 20, 20, 0};
constexpr int kByOffenseFormation[10][7] = {
    {50, 20, 0, 10, 20, 0, 0},   {0, 15, 25, 0, 15, 25, 20}, {10, 20, 20, 10, 20, 20, 0},
    {10, 20, 20, 10, 20, 20, 0}, {0, 0, 40, 0, 0, 40, 20},   {0, 0, 50, 0, 50, 0, 0},
    {10, 20, 20, 10, 20, 20, 0}, {0, 0, 20, 0, 0, 20, 60},   {0, 0, 35, 0, 0, 35, 30},
    {5, 20, 20, 5, 20, 20, 10}};

// Situations of the dice tables.
enum Situation {
  Down1Short, Down1Long, Down2Short, Down2Mid, Down2Long,
  Down34Short, Down34Mid, Down34Long, Goal, Long, kSituations
};

// Plays by mode 1..3 and situation, for dice sums 2..12.
constexpr int kDiceTables[3][kSituations][11] = {
    {{3, 11, 7, 5, 1, 1, 2, 5, 7, 9, 3},
     {11, 3, 8, 7, 5, 1, 5, 1, 2, 2, 6},
     {8, 7, 12, 2, 3, 5, 1, 2, 12, 7, 8},
     {1, 1, 2, 7, 5, 1, 5, 7, 2, 1, 3},
     {3, 2, 1, 8, 7, 5, 7, 9, 1, 2, 6},
     {12, 5, 4, 1, 12, 19, 3, 3, 3, 4, 6},
     {3, 6, 7, 5, 5, 6, 1, 5, 1, 2, 11},
     {1, 6, 7, 5, 9, 19, 9, 8, 5, 5, 1},
     {5, 3, 2, 5, 3, 4, 1, 5, 1, 3, 5},
     {5, 8, 5, 7, 9, 19, 9, 9, 7, 7, 11}},
    {{3, 6, 5, 5, 1, 2, 1, 5, 5, 6, 4},
     {11, 8, 7, 5, 5, 1, 2, 1, 3, 6, 4},
     {7, 7, 12, 1, 2, 5, 2, 1, 12, 5, 6},
     {8, 7, 2, 1, 5, 5, 1, 2, 1, 3, 6},
     {8, 7, 5, 2, 1, 5, 1, 2, 5, 7, 8},
     {12, 5, 1, 4, 12, 19, 3, 3, 3, 4, 6},
     {3, 6, 5, 1, 5, 6, 1, 1, 7, 2, 11},
     {1, 7, 1, 5, 9, 19, 5, 1, 7, 6, 1},
     {1, 3, 2, 5, 3, 4, 1, 5, 2, 3, 1},
     {5, 8, 5, 7, 9, 19, 9, 7, 5, 1, 11}},
    {{11, 8, 7, 5, 1, 1, 5, 7, 8, 9, 2},
     {11, 9, 8, 7, 5, 5, 1, 1, 5, 2, 3},
     {8, 7, 12, 5, 1, 5, 1, 5, 12, 7, 8},
     {11, 8, 1, 7, 5, 5, 5, 1, 1, 2, 9},
     {1, 1, 9, 8, 7, 5, 7, 8, 9, 1, 11},
     {12, 5, 4, 5, 12, 19, 3, 3, 2, 4, 6},
     {3, 6, 5, 7, 5, 6, 1, 7, 5, 2, 11},
     {1, 8, 7, 5, 9, 19, 9, 7, 8, 5, 1},
     {1, 7, 2, 5, 1, 4, 1, 5, 5, 7, 1},
     {5, 8, 7, 7, 9, 19, 9, 9, 7, 9, 11}}};

int situation(const GameState& s) {
  const int t = s.yardsToGo;
  if (t >= 20) return Long;
  if (s.ballOn >= 91) return Goal;
  switch (s.down) {
    case 1: return t < 10 ? Down1Short : Down1Long;
    case 2: return t < 7 ? Down2Short : t <= 10 ? Down2Mid : Down2Long;
    case 3:
    case 4: return t < 4 ? Down34Short : t <= 6 ? Down34Mid : Down34Long;
  }
  return -1;
}

}  // namespace

std::string computerDefensiveEntry(Game& g) {
  GameState& s = g.s;
  const int d = s.side[s.offense].score - s.side[s.defense].score;
  const int t = s.yardsToGo;
  const int* fw = t <= 3 ? kShortYardage
                  : t >= 11 ? kLongYardage
                            : kByOffenseFormation[std::clamp(s.play.formationCode - 1, 0, 9)];
  const int formation = weighted(g.rnd, fw, 7);

  int m;
  if (d > 7 && s.quarter == 4)
    m = 2;
  else if (d < -7 && s.quarter == 4)
    m = 3;
  else if ((s.down == 3 || s.down == 4) && s.quarter < 4)
    m = t <= 3 ? 2 : t <= 7 ? 1 : 3;
  else
    m = g.u(3);
  if (s.quarter == 4 && s.secondsLeft < 121) {
    if (d > 0) m = 2;
    if (d < 0) m = 3;
    if (d == 0 && s.ballOn > 70) m = g.u(2);
  }

  const int dice = g.u(6) + g.u(6);
  int play = 1;
  const int sit = situation(s);
  if (sit >= 0) play = kDiceTables[m - 1][sit][dice - 2];

  if (s.down == 3 && s.side[s.defense].defensiveStyle == 1) {
    if (play == 5) play = 19;
    else if (play == 1) play = 12;
  }
  const int l = s.secondsLeft;
  if (s.quarter == 2 && l < 120) {
    if ((play == 3 || play == 4) && (t > 2 || s.ballOn < 60)) play = 2;
    if (l < 30 && s.ballOn < 81 && play < 7) play = 6 + g.u(4);
  }
  if (s.quarter == 4 && l < 120) {
    if (d < 0 && s.ballOn < 81) {
      if (play < 5 && (d < -3 || s.ballOn < 70)) play = 6 + g.u(4);
    } else if (d < 0) {
      if (d < -8 && play < 5) play = t < 4 ? 4 + g.u(2) : 6 + g.u(4);
    } else if (d == 0) {
      if (s.ballOn > 80 && (play == 9 || play == 10)) play = 7;
    } else if (s.down < 3) {
      if (play == 5) play = 1;
      else if ((play >= 7 && play <= 10) || play == 19) play = 12;
    }
  }
  if (s.ballOn > 80) {
    if (play == 9) play = 7;
    else if (play == 10) play = 8;
  }
  if (play == 12) play = 11 + g.u(7);
  else if (play == 19) play = 18 + g.u(7);

  std::string e(1, static_cast<char>('0' + formation));
  e += static_cast<char>('0' + play / 10);
  e += static_cast<char>('0' + play % 10);
  return e;
}

}  // namespace fb
