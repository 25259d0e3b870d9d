#include "tools/datagen/pair_tables.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace datagen {

Chart readChart(const Params& p, std::string_view section, int size) {
    const int best = p.getInt(section, "best");
    const int worst = p.getInt(section, "worst");
    const int values = best - worst + 1;
    if (values < 2 || values > size)
        throw std::runtime_error("[" + std::string(section) + "]: best..worst must hold 2.." +
                                 std::to_string(size) + " yard values");
    Distribution ref = gainDistribution(readGainModel(p, section));
    std::vector<double> chances;
    for (int y = best; y >= worst; --y) chances.push_back(ref.count(y) ? ref[y] : 0.0);
    // One index each, the spare ones in proportion to how common the yards are.
    std::vector<int64_t> extra = toWeights(chances, size - values);
    Chart c;
    for (int k = 0; k < values; ++k)
        for (int64_t n = 0; n < 1 + extra[k]; ++n) c.yards.push_back(best - k);
    return c;
}

std::vector<std::vector<int64_t>> chartRows(const Chart& chart, const std::vector<int>& edges,
                                            int shift) {
    const int size = static_cast<int>(chart.yards.size());
    std::vector<std::vector<int64_t>> rows;
    for (int e : edges) {
        std::vector<int64_t> row;
        for (int i = 1; i <= size; ++i) row.push_back(chart.yards[std::clamp(i - shift * e, 1, size) - 1]);
        rows.push_back(row);
    }
    return rows;
}

std::vector<int64_t> cumulativeTable(const Distribution& d, int first, int last,
                                     const std::vector<Slot>& slots, int64_t total) {
    const std::vector<double> chances = spread(d, slots);
    std::vector<double> byIndex(last - first + 1, 0.0);
    for (size_t k = 0; k < slots.size(); ++k) byIndex[slots[k].index - first] += chances[k];
    return cumulative(toWeights(byIndex, total));
}

PairTables buildPair(const Distribution& gain, const Chart& chart, const LongLayout& layout,
                     int64_t total) {
    Distribution core, outer;
    for (const auto& [y, p] : gain) (y >= chart.worst() && y <= chart.best() ? core : outer)[y] += p;
    double coreShare = 0;
    for (const auto& [y, p] : core) coreShare += p;
    const int64_t shortTotal =
        std::clamp<int64_t>(std::llround(coreShare * static_cast<double>(total)), 1, total - 1);
    // The long table always keeps some weight: a pair never loses its breakaways.
    if (outer.empty()) outer[chart.best() + 1] = 1.0;

    std::vector<Slot> shortSlots;
    for (size_t i = 0; i < chart.yards.size(); ++i)
        shortSlots.push_back({static_cast<int>(i) + 1, chart.yards[i], chart.yards[i]});
    std::vector<Slot> longSlots{{layout.lossIndex, -1000, chart.worst() - 1}};
    for (int i = chart.best() + 1; i <= 40; ++i) longSlots.push_back({i, i, i});
    longSlots.insert(longSlots.end(), layout.bands.begin(), layout.bands.end());

    PairTables t;
    t.shortTable = cumulativeTable(core, 1, static_cast<int>(chart.yards.size()), shortSlots, shortTotal);
    t.longTable = cumulativeTable(outer, layout.first, layout.last, longSlots, total - shortTotal);
    return t;
}

}  // namespace datagen
