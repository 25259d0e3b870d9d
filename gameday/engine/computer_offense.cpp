// The computer's offensive call: a strategy code from the strategy table,
// turned into a play category, a play, a runner and a formation.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "gameday/engine/draws.h"
#include "gameday/engine/routines.h"

namespace fb {
namespace {

// Formation weights (formations 0..9) by runner code 1..10, for yards to go
// below 6 and otherwise.
constexpr int kFormationWeights[11][2][10] = {
    {},
    {{3, 0, 0, 5, 3, 5, 0, 3, 1, 1}, {1, 4, 4, 5, 0, 5, 4, 0, 0, 0}},  // QB
    {{0, 0, 0, 5, 3, 5, 0, 3, 1, 1}, {0, 0, 0, 5, 0, 5, 4, 0, 1, 1}},  // FB
    {{3, 0, 0, 5, 3, 5, 0, 3, 1, 1}, {1, 4, 4, 5, 0, 5, 4, 0, 1, 1}},  // HB 1
    {{0, 0, 0, 5, 0, 0, 0, 3, 1, 1}, {0, 0, 0, 5, 0, 0, 0, 0, 1, 1}},  // HB 2
    {{3, 0, 0, 5, 3, 5, 0, 0, 1, 1}, {1, 4, 4, 5, 0, 5, 4, 0, 1, 1}},  // WR 1
    {{3, 0, 0, 5, 0, 5, 0, 0, 0, 1}, {1, 4, 4, 5, 0, 5, 4, 0, 0, 1}},  // WR 2
    {{0, 1, 0, 0, 0, 0, 1, 0, 0, 0}, {0, 4, 4, 0, 0, 0, 4, 0, 0, 0}},  // WR 3
    {},                                                                 // WR 4: formation 2
    {{3, 0, 0, 5, 3, 5, 0, 3, 1, 0}, {1, 4, 0, 5, 0, 5, 0, 0, 1, 0}},  // TE 1
    {{3, 0, 0, 0, 3, 0, 0, 3, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},  // TE 2
};

// Depth slots whose players the runner weights read, by runner code 1..10.
constexpr int kRunnerSlots[11] = {0, 1, 4, 6, 7, 10, 11, 12, 13, 16, 17};

constexpr double kPow15[11] = {1.0,       1.5,        2.25,        3.375,       5.0625,     7.59375,
                               11.390625, 17.0859375, 25.62890625, 38.443359375, 57.6650390625};

int timeBand(const GameState& s) {
  if (s.quarter == 1 || s.quarter == 3 || (s.quarter > 4 && s.gameType == 1)) return 1;
  const int l = s.secondsLeft;
  return l >= 301 ? 1 : l >= 121 ? 2 : l >= 61 ? 3 : l >= 16 ? 4 : 5;
}

// The bands are looked up, not tested one after another: they change from snap to
// snap, and a chain of comparisons mispredicted at nearly every call.

// Score band by margin, -9 (nine or more behind) .. 8 (eight or more ahead).
constexpr int kScoreBands[18] = {7, 6, 6, 6, 6, 6, 5, 5, 5, 4, 3, 3, 3, 2, 2, 2, 2, 1};
int scoreBand(int d) { return kScoreBands[std::clamp(d, -9, 8) + 9]; }

// Field band by ball on 0..100: up to 5, 35, 65, 95, beyond.
constexpr auto kFieldBands = [] {
  std::array<int, 101> b{};
  for (int i = 0; i <= 100; ++i) b[i] = i <= 5 ? 1 : i <= 35 ? 2 : i <= 65 ? 3 : i <= 95 ? 4 : 5;
  return b;
}();
int fieldBand(int b) { return kFieldBands[std::clamp(b, 0, 100)]; }

// Distance band by yards to go 0..11 (11 for anything longer): 1, 2..5, 6..10, more.
constexpr int kDistanceBands[12] = {2, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4};
int distanceBand(int t) { return kDistanceBands[std::clamp(t, 0, 11)]; }

std::string digits(int group, int play, int runner, int formation) {
  return {static_cast<char>('0' + group), static_cast<char>('0' + play),
          static_cast<char>('0' + runner), static_cast<char>('0' + formation)};
}

}  // namespace

std::string computerOffensiveEntry(Game& g) {
  GameState& s = g.s;
  const Side& off = s.side[s.offense];
  const int T = timeBand(s);
  const int d = off.score - s.side[s.defense].score;
  const int S = scoreBand(d);
  const int L = fieldBand(s.ballOn);
  const int D = distanceBand(s.yardsToGo);
  const int down = std::clamp(s.down, 1, 4);
  const int v = g.t.strategy[T][S][L][down][D];
  int code = v > 99 ? (s.quarter == 2 ? v / 100 : v - 100 * (v / 100)) : v;

  const int e = (T == 1 && s.ballOn >= 11 && s.ballOn <= 79) ? 5 : 0;
  if (s.down == 1) {
    int style = off.offensiveStyle;
    if (s.weather.temperature < 15) style = g.u(style);
    if (style == 1) {
      if (code == 2) code = 52;
      if (code == 51) code = 2;
    } else if (style == 2) {
      if (code == 52 || code == 51) code = 2;
    } else if (style == 3) {
      if (code == 2) code = 51;
      if (code == 52) code = 2;
    }
  }
  if (T > 1 && s.down == 4 && d < -16) {
    if (s.yardsToGo < 16 && s.ballOn > 19) {
      if (s.secondsLeft < 15 && s.ballOn > 20) code = s.yardsToGo > 10 ? 4 : 3;
    } else {
      code = s.ballOn > 50 ? 3 : 5;
    }
  }
  if (s.down == 4 && T <= 3 && S > 5 && L > 3 && D == 1) {
    const int x = g.u(7);
    if (d < -11 || x == 1) code = g.u(2);
  }
  if (s.ballOn > 49 && (s.quarter == 4 || (s.quarter > 4 && s.gameType == 0)) &&
      s.secondsLeft < 25 && d >= -3 && d <= 0) {
    if (off.timeoutsUsed > 2 || s.secondsLeft < 15) code = 19;
  }

  const int kick = rating(s, s.offense, 49, 13);
  const auto range = [&](int m) {
    return s.ballOn > m - kick - 2 * off.windFor + pow2(s.weather.precipitation);
  };
  const auto puntOrKick = [&]() { return std::string(s.ballOn > 69 ? "FG" : "PU"); };

  int C = 0;
  while (C == 0) {
    switch (code) {
      case 2: C = weighted(g.rnd, {70, e, 7, 18, 17, 8}); break;
      case 3: C = weighted(g.rnd, {0, e, 7, 18, 17, 8}); break;
      case 4: return range(70) ? "FG" : puntOrKick();
      case 5:
      case 6:
        if (range(code == 5 ? 64 : 60)) return "FG";
        if (s.ballOn > 70) {
          code = 2;
          continue;
        }
        return puntOrKick();
      case 7: if (range(64)) return "FG"; C = 1; break;
      case 8: if (range(64)) return "FG"; C = 2 + g.u(2); break;
      case 9: if (range(64)) return "FG"; C = 5; break;
      case 10:
        if (range(64)) return "FG";
        code = 16;
        continue;
      case 11: C = weighted(g.rnd, {45, 5, 7, 18, 0, 0}); break;
      case 12: C = weighted(g.rnd, {0, e, 7, 18, 17, 0}); break;
      case 13: C = weighted(g.rnd, {0, e, 0, 0, 34, 16}); break;
      case 14: C = weighted(g.rnd, {0, e, 7, 18, 0, 0}); break;
      case 15: C = 5; break;
      case 16:
        if (s.ballOn > 80)
          C = 5;
        else if (d >= -16 && s.secondsLeft >= 16)
          C = 4 + g.u(2);
        else
          C = 6;
        break;
      case 17: C = weighted(g.rnd, {20, 30, 3, 7, 17, 8}); break;
      case 18: if (range(64)) return "FG"; C = weighted(g.rnd, {45, 5, 7, 18, 17, 8}); break;
      case 19: if (range(64)) return "FG"; C = 4 + g.u(2); break;
      case 20: if (range(64)) return "FG"; C = 2 + g.u(4); break;
      case 31:
      case 32:
      case 33: {
        const int x = g.u(100);
        const int limit = code == 31 ? 3 : code == 32 ? 5 : 10;
        if (s.yardsToGo > limit || x < 70 + 2 * d * s.quarter)
          code = 5;
        else
          code = code == 31 ? 1 : code == 32 ? 2 : 13;
        continue;
      }
      case 51: C = weighted(g.rnd, {200, 0, 7, 18, 17, 8}); break;
      case 52: C = weighted(g.rnd, {30, 20, 21, 54, 51, 24}); break;
      default: C = 1; break;
    }
  }

  if (C == 6 && s.ballOn > 80) C = 5;
  if (s.ballOn < 6) {
    if (C == 2) C = 1;
    if (C == 3) C = 2 + g.u(2);
  }

  int group = 1, play = 1;
  switch (C) {
    case 1: {
      int p[7];
      for (int i = 1; i <= 6; ++i) p[i] = off.runPlayWeights[i];
      if (T > 3 && S < 4)
        for (int i = 4; i <= 6; ++i) p[i] = lf::round_half_even(p[i] / 10.0);
      const int r = (T == 1 && off.reversesUsed <= 3) ? 1 : 0;
      const int o = (T == 1 && off.optionPassesUsed <= 3) ? 1 : 0;
      play = weighted(g.rnd, {5 * p[1], 4 * p[2], 3 * p[3], 3 * p[4], 3 * p[5], p[6], r, r, o});
      break;
    }
    case 2: play = (T < 4 || S > 3) ? 6 : 1; break;
    case 3: group = 2; play = weighted(g.rnd, {10, 10, 10, 10, 0, 0, 0, 0, 0}); break;
    case 4: group = 2; play = weighted(g.rnd, {0, 0, 0, 0, 10, 10, 10, 15, 15}); break;
    case 5: group = 3; play = weighted(g.rnd, {10, 10, 10, 15, 15, 0, 0, 0, 0}); break;
    case 6: group = 3; play = weighted(g.rnd, {0, 0, 0, 0, 0, 10, 10, 10, 10}); break;
    default: group = 1 + g.u(2); play = g.u(9); break;
  }

  // Runner or receiver.
  const int code10 = 10 * group + play;
  int w[10] = {};
  const auto r = [&](int runner, int k) {
    return rating(s, s.offense, off.depth[kRunnerSlots[runner]], k);
  };
  if (code10 >= 11 && code10 <= 16) {
    const int k = code10 <= 13 ? 2 : 3;
    w[0] = r(1, 4) + r(1, k);
    for (int c = 2; c <= 4; ++c)
      w[c - 1] = lf::round_half_even(pow2(r(c, 4)) + kPow15[std::clamp(r(c, k), 0, 10)]);
    if ((s.down == 3 || s.down == 4) && s.yardsToGo >= 3) w[0] = 0;
  } else if (code10 == 17 || code10 == 18) {
    for (int c = 5; c <= 10; ++c) w[c - 1] = pow2(r(c, 3));
  } else if (code10 == 19) {
    for (int c = 2; c <= 4; ++c) w[c - 1] = 1 + pow2(r(c, 5));
  } else {
    const int k = code10 <= 24 ? 4 : code10 <= 29 ? 6 : code10 <= 35 ? 2 : 3;
    for (int c = 2; c <= 10; ++c) w[c - 1] = r(c, k) + pow2(r(c, 6));
  }
  const int runner = weighted(g.rnd, w, 10);
  const int formation =
      runner == 8 ? 3 : weighted(g.rnd, kFormationWeights[runner][s.yardsToGo < 6 ? 0 : 1], 10);
  return digits(group, play, runner - 1, formation - 1);
}

}  // namespace fb
