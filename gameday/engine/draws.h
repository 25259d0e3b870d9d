// Draws of the engine. Every random number comes from the one lf::Random of
// the program run (a scripted one in tests), in the order the rules give.
#pragma once

#include "leaguefiles/random.h"

namespace fb {

// Weighted draw over w[0..n-1]: r = uniform 1..total (1 when the total is
// 0); the result is the smallest i (1-based) whose running sum reaches r, and
// n when none does.
inline int weighted(lf::Random& rnd, const int* w, int n) {
  int total = 0;
  for (int i = 0; i < n; ++i) total += w[i];
  const int r = total > 0 ? rnd.uniform(total) : 1;
  int sum = 0;
  for (int i = 0; i < n; ++i) {
    sum += w[i];
    if (sum >= r) return i + 1;
  }
  return n;
}
template <int N>
int weighted(lf::Random& rnd, const int (&w)[N]) { return weighted(rnd, w, N); }

}  // namespace fb
