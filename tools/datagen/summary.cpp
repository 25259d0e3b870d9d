#include "tools/datagen/summary.h"

#include <cstdio>

namespace datagen {

std::string describeGain(const std::string& name, const Distribution& d) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "%-12s mean %5.1f  loss %4.1f%%  0 %4.1f%%  10+ %4.1f%%  20+ %4.1f%%",
                  name.c_str(), mean(d), 100 * share(d, -1000, -1), 100 * share(d, 0, 0),
                  100 * share(d, 10, 1000), 100 * share(d, 20, 1000));
    return buf;
}

}  // namespace datagen
