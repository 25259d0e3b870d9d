#include "leaguefiles/random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Random, UniformStaysInRangeAndSeedsRepeat) {
    lf::Random a(42), b(42);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 2000; ++i) {
        const int v = a.uniform(6);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        ++seen[v];
        EXPECT_EQ(v, b.uniform(6));
    }
    for (int v = 1; v <= 6; ++v) EXPECT_GT(seen[v], 0) << v;
    const double u = a.unit();
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
}

TEST(Random, ScriptedDrawsCheckTheirRange) {
    lf::Random r = lf::Random::scripted({{1000, 559}, {0, 0.25}, {6, 2}});
    EXPECT_EQ(r.uniform(1000), 559);
    EXPECT_DOUBLE_EQ(r.unit(), 0.25);
    EXPECT_THROW(r.uniform(10), std::logic_error);  // planned a draw of 6
    lf::Random done = lf::Random::scripted({{6, 2}});
    EXPECT_EQ(done.uniform(6), 2);
    EXPECT_EQ(done.remaining(), 0u);
    EXPECT_THROW(done.uniform(6), std::logic_error);
    for (const lf::PlannedDraw bad : {lf::PlannedDraw{6, 7}, lf::PlannedDraw{6, 0}, lf::PlannedDraw{0, 1.0}}) {
        lf::Random r2 = lf::Random::scripted({bad});
        EXPECT_THROW(bad.n ? r2.uniform(6) : r2.unit(), std::logic_error);
    }
}

TEST(Random, RoundHalfEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},   {2.4999, 2},
                                            {2.51, 3}, {-0.5, 0}, {-1.5, -2}, {-2.6, -3},
                                            {-2.5, -2}, {-3.5, -4}, {-0.2, 0}, {-7.0, -7},
                                            {7.0, 7}};
    for (const auto& [x, r] : cases) EXPECT_EQ(lf::round_half_even(x), r) << x;
}

TEST(Random, SeededUniformIsOnePlusTheFloorOfTheScaledUnitDraw) {
    lf::Random a(42), b(42);
    for (int round = 0; round < 50; ++round)
        for (int n : {1, 2, 6, 100, 1000000, 0, -5}) {
            const double u = b.unit();
            EXPECT_EQ(a.uniform(n), 1 + static_cast<int>(std::floor(n * u))) << n;
        }
}
