// Draws of the engine. Every random number comes from the one lf::Random of
// the program run (a scripted one in tests), in the order the rules give.
#pragma once

#include <algorithm>
#include <limits>

#include "leaguefiles/random.h"

namespace fb {

// Weighted draw over w[0..n-1]: r = uniform 1..total (1 when the total is
// 0); the result is the smallest i (1-based) whose running sum reaches r, and
// n when none does.
inline int weighted(lf::Random& rnd, const int* w, int n) {
  int total = 0;
  for (int i = 0; i < n; ++i) total += w[i];
  const int r = total > 0 ? rnd.uniform(total) : 1;
  // The first sum to reach r is where the highest sum so far first does; that never
  // falls, so the place is one past the count of places where it is still below r.
  // Counted without a branch: where a draw lands cannot be predicted, and the
  // mispredicted loop exit cost more than the whole count.
  int sum = 0, top = std::numeric_limits<int>::min(), below = 0;
  for (int i = 0; i < n; ++i) {
    sum += w[i];
    top = std::max(top, sum);
    below += top < r;
  }
  return below < n ? below + 1 : n;
}
template <int N>
int weighted(lf::Random& rnd, const int (&w)[N]) { return weighted(rnd, w, N); }

}  // namespace fb
