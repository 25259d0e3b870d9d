// The football models and the way a distribution becomes table weights.
#include <gtest/gtest.h>

#include <numeric>

#include "tools/datagen/distribution.h"
#include "tools/datagen/table_shape.h"

namespace datagen {
namespace {

TEST(GainModel, KeepsTheSharesItIsGiven) {
    GainModel m;
    m.loss = 0.1;
    m.lossMean = 2;
    m.zero = 0.08;
    m.gainMean = 4;
    m.gainShape = 2;
    m.tail = 0.05;
    m.tailFrom = 20;
    m.tailMean = 10;
    const Distribution d = gainDistribution(m);
    EXPECT_NEAR(share(d, -1000, 1000), 1.0, 1e-12);
    EXPECT_NEAR(share(d, -1000, -1), 0.10, 1e-12);
    EXPECT_NEAR(share(d, 0, 0), 0.08, 1e-12);
    EXPECT_NEAR(share(d, 20, 1000), 0.05, 1e-12);
    // The average loss and the tail's average beyond its start come out as asked (the
    // longest loss and gain are cut off, so nearly).
    double loss = 0, beyond = 0;
    for (const auto& [y, p] : d) {
        if (y < 0) loss -= y * p;
        if (y >= 20) beyond += (y - 20) * p;
    }
    EXPECT_NEAR(loss / 0.10, 2.0, 0.01);
    EXPECT_NEAR(beyond / 0.05, 10.0, 0.2);
    // Ordinary gains start where they are told to.
    m.gainFrom = 8;
    m.loss = m.zero = 0;
    EXPECT_EQ(gainDistribution(m).begin()->first, 8);
}

TEST(TableShape, SpreadsYardsOverTheSlotsThatHoldThem) {
    const Distribution d{{-5, 0.1}, {1, 0.3}, {2, 0.2}, {15, 0.4}};
    // Slot 1 and 2 both give 1 yard; slot 3 gives 2; slot 4 gives 10..12.
    const std::vector<Slot> slots{{1, 1, 1}, {2, 1, 1}, {3, 2, 2}, {4, 10, 12}};
    const std::vector<double> c = spread(d, slots);
    // -5 lies nearest to the 1-yard slots and is shared by both; 15 goes to the band.
    EXPECT_NEAR(c[0], 0.15 + 0.05, 1e-12);
    EXPECT_NEAR(c[1], 0.15 + 0.05, 1e-12);
    EXPECT_NEAR(c[2], 0.2, 1e-12);
    EXPECT_NEAR(c[3], 0.4, 1e-12);
}

TEST(TableShape, WholeWeightsAddUpToTheTotalExactly) {
    for (int64_t total : {7, 100, 10000, 100000}) {
        const std::vector<int64_t> w = toWeights({1.0 / 3, 1.0 / 3, 1.0 / 3, 0.0}, total);
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), int64_t{0}), total);
        EXPECT_EQ(w[3], 0);
        EXPECT_LE(w[0] - w[2], 1);
        const std::vector<int64_t> c = cumulative(w);
        EXPECT_EQ(c.back(), total);
    }
    EXPECT_THROW(toWeights({0.0, 0.0}, 10), std::runtime_error);
}

}  // namespace
}  // namespace datagen
