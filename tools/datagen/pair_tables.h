#pragma once
// Runs and quick passes draw their yards from a pair of tables. The short table picks an
// index of a chart (index 1 the best result): the matchup and the player's luck are
// subtracted from that index, so they move the everyday gains. The long table gives the
// yards almost directly (with bands for the breakaways) and carries everything the chart
// cannot show. Which table is used is drawn in proportion to their totals.
#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/datagen/distribution.h"
#include "tools/datagen/params.h"
#include "tools/datagen/table_shape.h"

namespace datagen {

// Yards of each chart index, index 1 first, from `best` down to `worst`.
struct Chart {
    std::vector<int> yards;
    int best() const { return yards.front(); }
    int worst() const { return yards.back(); }
};

// A chart of `size` indices over best..worst ([section] keys best, worst and a gain
// model): every yard value gets one index, the common ones get more.
Chart readChart(const Params& p, std::string_view section, int size);

// The rows of a chart for blocking edges `edges` (in file order); edge e reads the base
// chart `shift * e` indices better.
std::vector<std::vector<int64_t>> chartRows(const Chart& chart, const std::vector<int>& edges,
                                            int shift);

// How the long table of a pair reads its indices.
struct LongLayout {
    int first;              // first index in the file
    int last;               // last index in the file
    int lossIndex;          // the index that stands for any loss beyond the chart
    std::vector<Slot> bands;  // breakaway bands above 40 yards
};

struct PairTables {
    std::vector<int64_t> shortTable;  // cumulative, chart indices 1..size
    std::vector<int64_t> longTable;   // cumulative, layout.first..layout.last
};

// Splits `gain` between the two tables: yards the chart shows go to the short table,
// the rest to the long one; `total` is the combined weight of both.
PairTables buildPair(const Distribution& gain, const Chart& chart, const LongLayout& layout,
                     int64_t total);

// Weights for indices first..last: each slot gets the chance of its yards; indices without
// a slot get none. Cumulative, ending in `total`.
std::vector<int64_t> cumulativeTable(const Distribution& d, int first, int last,
                                     const std::vector<Slot>& slots, int64_t total);

}  // namespace datagen
