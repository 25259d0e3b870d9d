#include "gameday/engine/draws.h"

#include "gameday/engine/tables.h"

namespace fb {

int drawCumulative(lf::Random& rnd, const Cumulative& t, int a, int z) {
  const int r = rnd.uniform(t.at(z));
  for (int i = a; i < z; ++i)
    if (t.at(i) >= r) return i;
  return z;
}

}  // namespace fb

#include "gameday/engine/routines.h"

namespace fb {

int weatherFactor(Game& g) {
  int q = 0;
  if (g.u(2) != 1) {
    const int t = g.s.weather.temperature;
    if (t >= 106) q = 1 - g.u(4);
    else if (t >= 91) q = 1 - g.u(3);
    else if (t >= 76) q = 1 - g.u(2);
    else if (t >= 46) q = 0;
    else if (t >= 31) q = -1;
    else if (t >= 16) q = -g.u(2);
    else if (t >= 1) q = -g.u(3);
    else q = -g.u(4);
  }
  g.s.lastWeatherFactor = q;
  return q;
}

}  // namespace fb
