#include "tools/datagen/table_shape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <stdexcept>

namespace datagen {

std::vector<Slot> directSlots(int first, int last) {
    std::vector<Slot> s;
    for (int i = first; i <= last; ++i) s.push_back({i, i, i});
    return s;
}

std::vector<double> spread(const Distribution& d, const std::vector<Slot>& slots) {
    std::vector<double> out(slots.size(), 0.0);
    for (const auto& [y, p] : d) {
        std::vector<size_t> holders;
        for (size_t k = 0; k < slots.size(); ++k)
            if (y >= slots[k].lo && y <= slots[k].hi) holders.push_back(k);
        if (holders.empty()) {
            int best = -1;
            for (size_t k = 0; k < slots.size(); ++k) {
                const int gap = y < slots[k].lo ? slots[k].lo - y : y - slots[k].hi;
                if (best < 0 || gap < best) {
                    best = gap;
                    holders = {k};
                } else if (gap == best) {
                    holders.push_back(k);
                }
            }
        }
        for (size_t k : holders) out[k] += p / holders.size();
    }
    return out;
}

std::vector<int64_t> toWeights(const std::vector<double>& chances, int64_t total) {
    const double sum = std::accumulate(chances.begin(), chances.end(), 0.0);
    if (sum <= 0) throw std::runtime_error("a table has no weight at all");
    std::vector<int64_t> w(chances.size());
    std::vector<std::pair<double, size_t>> rest;
    int64_t used = 0;
    for (size_t i = 0; i < chances.size(); ++i) {
        const double exact = chances[i] / sum * static_cast<double>(total);
        w[i] = static_cast<int64_t>(std::floor(exact));
        used += w[i];
        rest.push_back({exact - static_cast<double>(w[i]), i});
    }
    // Largest remainders first; the lower index wins a tie so the result never wobbles.
    std::stable_sort(rest.begin(), rest.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t k = 0; used < total; ++k, ++used) ++w[rest[k % rest.size()].second];
    return w;
}

std::vector<int64_t> cumulative(const std::vector<int64_t>& weights) {
    std::vector<int64_t> c(weights.size());
    std::partial_sum(weights.begin(), weights.end(), c.begin());
    return c;
}

std::vector<Slot> returnSlots() {
    std::vector<Slot> s{{0, -1000, 0}};
    for (int i = 1; i <= 40; ++i) s.push_back({i, i, i});
    for (const Slot& b : {Slot{41, 41, 50}, Slot{42, 51, 60}, Slot{43, 61, 70}, Slot{44, 71, 80}, Slot{45, 81, 1000}})
        s.push_back(b);
    return s;
}

}  // namespace datagen
