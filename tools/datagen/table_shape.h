#pragma once
// Turning a yardage distribution into the weights of an outcome table: each table index
// stands for some yards (as the game reads it), so the chance of an index is the chance of
// its yards.
#include <cstdint>
#include <vector>

#include "tools/datagen/distribution.h"

namespace datagen {

// Index `index` of a table yields yards lo..hi.
struct Slot {
    int index;
    int lo;
    int hi;
};

// Slots index..index yielding exactly `index` yards, for first..last.
std::vector<Slot> directSlots(int first, int last);

// Chance of each slot: the yards that several slots hold are shared evenly between them;
// yards that no slot holds go to the nearest slot(s).
std::vector<double> spread(const Distribution& d, const std::vector<Slot>& slots);

// Whole weights in proportion to `chances` that add up to exactly `total` (largest
// remainders get the odd units).
std::vector<int64_t> toWeights(const std::vector<double>& chances, int64_t total);

// Running totals of the weights.
std::vector<int64_t> cumulative(const std::vector<int64_t>& weights);

// The return rule of interceptions and kickoffs: index 0 (or less) no return, 1..40 the
// yards as they stand, 41..45 the bands of the long returns.
std::vector<Slot> returnSlots();

}  // namespace datagen
