// Every outcome table in the shape the game loads, and the yards it gives read the way the
// game reads it.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "shipped.h"

namespace {

struct Shape {
    const char* file;
    int count;
    bool cumulative;
    bool wide;  // 32-bit values
};

const Shape Shapes[] = {
    {"Ologic.dat", 2800, false, false}, {"dex.dat", 675, false, false},     {"rushing.dat", 315, false, false},
    {"qkchart.dat", 210, false, false}, {"dlychart.dat", 210, false, false}, {"qbscram.dat", 43, true, true},
    {"fbpp.dat", 35, true, true},       {"fbppyds.dat", 50, true, true},     {"hbpp.dat", 35, true, true},
    {"hbppyds.dat", 50, true, true},    {"qbpp.dat", 35, true, true},        {"qbppyds.dat", 50, true, true},
    {"fbot.dat", 35, true, true},       {"fbotyds.dat", 50, true, true},     {"hbot.dat", 35, true, true},
    {"hbotyds.dat", 50, true, true},    {"qbot.dat", 35, true, true},        {"qbotyds.dat", 50, true, true},
    {"fber.dat", 35, true, true},       {"fberyds.dat", 50, true, true},     {"hber.dat", 35, true, true},
    {"hberyds.dat", 50, true, true},    {"qber.dat", 35, true, true},        {"qberyds.dat", 50, true, true},
    {"wrqk.dat", 30, true, true},       {"wrqkyds.dat", 49, true, true},     {"teqk.dat", 30, true, true},
    {"teqkyds.dat", 49, true, true},    {"hbqk.dat", 30, true, true},        {"hbqkyds.dat", 49, true, true},
    {"fbqk.dat", 30, true, true},       {"fbqkyds.dat", 49, true, true},     {"qbshort.dat", 23, true, true},
    {"qblong.dat", 23, true, true},     {"hboption.dat", 23, true, false},   {"wrshort.dat", 33, true, false},
    {"teshort.dat", 33, true, false},   {"fbshort.dat", 33, true, false},    {"hbshort.dat", 33, true, false},
    {"wrlong.dat", 29, true, false},    {"telong.dat", 29, true, false},     {"hblong.dat", 29, true, false},
    {"sacknorm.dat", 23, true, false},  {"sackblit.dat", 23, true, false},   {"intshort.dat", 48, true, false},
    {"intlong.dat", 48, true, false},   {"koret.dat", 48, true, false},      {"puntret.dat", 49, true, false},
    {"punting.dat", 55, true, false},   {"puntin40.dat", 40, true, false},   {"reverse.dat", 96, false, false},
};

TEST(OutcomeTables, EveryFileHasItsShapeAndFitsItsType) {
    for (const Shape& s : Shapes) {
        SCOPED_TRACE(s.file);
        const std::vector<long> v = shipped::numbers(s.file);
        ASSERT_EQ(static_cast<int>(v.size()), s.count);
        const long lo = s.wide ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int16_t>::min();
        const long hi = s.wide ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int16_t>::max();
        for (long x : v) EXPECT_TRUE(x >= lo && x <= hi) << x;
        if (!s.cumulative) continue;
        EXPECT_GE(v.front(), 0);
        for (size_t i = 1; i < v.size(); ++i) EXPECT_LE(v[i - 1], v[i]) << "index " << i;
        EXPECT_GT(v.back(), 0);
    }
}

// Chance of each index of a cumulative table.
std::vector<double> chances(const std::vector<long>& cum) {
    std::vector<double> p;
    long before = 0;
    for (long c : cum) {
        p.push_back(static_cast<double>(c - before) / cum.back());
        before = c;
    }
    return p;
}

TEST(OutcomeTables, ChartsRunFromTheBestIndexDownAndBetterBlockingNeverHurts) {
    struct Chart {
        const char* file;
        int rows;
        int size;
        int edge0Row;
        int betterStep;  // +1 when later rows block better
    };
    for (const Chart c : {Chart{"rushing.dat", 9, 35, 4, -1}, Chart{"qkchart.dat", 7, 30, 3, 1},
                          Chart{"dlychart.dat", 7, 30, 3, 1}}) {
        SCOPED_TRACE(c.file);
        const auto rows = shipped::rows(c.file, c.rows, c.size);
        ASSERT_EQ(static_cast<int>(rows.size()), c.rows);
        for (const auto& row : rows)
            for (int i = 1; i < c.size; ++i) EXPECT_LE(row[i], row[i - 1]);
        EXPECT_GT(rows[c.edge0Row].front(), 0);
        for (int r = 0; r + 1 < c.rows; ++r) {
            const auto& worse = rows[c.betterStep > 0 ? r : r + 1];
            const auto& better = rows[c.betterStep > 0 ? r + 1 : r];
            for (int i = 0; i < c.size; ++i) EXPECT_GE(better[i], worse[i]);
        }
    }
}

// Average yards of a short/long pair read as the game does with a neutral matchup and luck:
// the long table is used in proportion to its total; its index 0 (runs) or anything below
// 0 (quick passes) is a loss, 41 and up the breakaway bands.
double pairAverage(const std::string& shortFile, const std::string& longFile, const std::vector<long>& chart,
                   int longFirst, bool quick) {
    const std::vector<long> s = shipped::numbers(shortFile), l = shipped::numbers(longFile);
    const double longShare = static_cast<double>(l.back()) / (s.back() + l.back());
    double shortYards = 0, longYards = 0;
    const std::vector<double> ps = chances(s), pl = chances(l);
    for (size_t i = 0; i < ps.size(); ++i) shortYards += ps[i] * chart[i];
    for (size_t k = 0; k < pl.size(); ++k) {
        const int i = longFirst + static_cast<int>(k);
        double y = i;
        if (quick && i < 0) y = -5.5;
        if (!quick && i == 0) y = -4;
        if (i >= 41 && i <= 44) y = 10 * i - 364.5;
        if (i >= 45) y = 90;
        longYards += pl[k] * y;
    }
    return (1 - longShare) * shortYards + longShare * longYards;
}

TEST(OutcomeTables, RunsAndQuickPassesGainLikeFootball) {
    const std::vector<long> rushing = shipped::rows("rushing.dat", 9, 35)[4];
    const std::vector<long> screen = shipped::rows("dlychart.dat", 7, 30)[3];
    const std::vector<long> quick = shipped::rows("qkchart.dat", 7, 30)[3];
    struct Pair {
        std::string name;
        const std::vector<long>* chart;
        double lo, hi;
    };
    const std::vector<Pair> pairs{{"fbpp", &rushing, 2, 4.5}, {"fbot", &rushing, 2.5, 5},   {"fber", &rushing, 2.5, 5.5},
                                  {"hbpp", &rushing, 2.5, 5}, {"hbot", &rushing, 3.5, 5.5}, {"hber", &rushing, 3.5, 6.5},
                                  {"qbpp", &rushing, 1, 4},   {"qbot", &rushing, 2.5, 5.5}, {"qber", &rushing, 3, 6.5},
                                  {"hbqk", &screen, 3.5, 8},  {"fbqk", &screen, 3, 7},      {"wrqk", &quick, 5, 9},
                                  {"teqk", &quick, 4, 8}};
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.name);
        const bool isQuick = p.chart != &rushing;
        const double avg = pairAverage(p.name + ".dat", p.name + "yds.dat", *p.chart, -2, isQuick);
        EXPECT_GT(avg, p.lo);
        EXPECT_LT(avg, p.hi);
    }
    // Halfbacks outgain fullbacks going wide; a sneak is the surest short gain.
    EXPECT_GT(pairAverage("hber.dat", "hberyds.dat", rushing, -2, false),
              pairAverage("fber.dat", "fberyds.dat", rushing, -2, false));
}

TEST(OutcomeTables, PassOutcomesGetHarderWithDepth) {
    // Indices 1..11 are on target, 20 is picked off, 21..23 scramble, sack, fumble.
    auto share = [](const std::vector<double>& p, int lo, int hi) {
        double s = 0;
        for (int i = lo; i <= hi; ++i) s += p[i - 1];
        return s;
    };
    const auto shortDrop = chances(shipped::numbers("qbshort.dat"));
    const auto longDrop = chances(shipped::numbers("qblong.dat"));
    EXPECT_GT(share(shortDrop, 1, 11), share(longDrop, 1, 11));
    EXPECT_LT(share(shortDrop, 20, 20), share(longDrop, 20, 20));
    for (const auto* p : {&shortDrop, &longDrop}) {
        EXPECT_GT(share(*p, 1, 11), 0.25);
        EXPECT_LT(share(*p, 20, 20), 0.12);
        EXPECT_GT(share(*p, 22, 22), 0.05);  // pressure
        EXPECT_LT(share(*p, 23, 23), 0.02);  // fumbled drops are rare
    }
    // A deep catch (index i gains i + 20) outgains an intermediate one (i + 7).
    auto catchAverage = [](const std::string& file, int offset) {
        const auto p = chances(shipped::numbers(file));
        double y = 0;
        for (size_t i = 0; i < p.size(); ++i) y += p[i] * (static_cast<double>(i) + 1 + offset);
        return y;
    };
    for (const char* kind : {"wr", "te", "hb"}) {
        SCOPED_TRACE(kind);
        const double mid = catchAverage(std::string(kind) + "short.dat", 7);
        const double deep = catchAverage(std::string(kind) + "long.dat", 20);
        EXPECT_GT(mid, 10);
        EXPECT_LT(mid, 22);
        EXPECT_GT(deep, mid + 10);
    }
}

TEST(OutcomeTables, KicksTravelAndReturnLikeFootball) {
    auto average = [](const std::string& file, int first) {
        const auto p = chances(shipped::numbers(file));
        double y = 0;
        for (size_t i = 0; i < p.size(); ++i) y += p[i] * (first + static_cast<int>(i));
        return y;
    };
    EXPECT_NEAR(average("punting.dat", 12) * 1.05, 45, 4);  // gross punt, index i kicks 1.05 i
    EXPECT_NEAR(average("koret.dat", 0), 22, 4);
    EXPECT_NEAR(average("puntret.dat", -1), 8.5, 3);
    EXPECT_NEAR(average("intshort.dat", 0), 11, 5);
    // The punt return entry -1 is never read and holds no weight.
    EXPECT_EQ(shipped::numbers("puntret.dat").front(), 0);
    // Blocks are rare: index 12 of punting.dat, 1 of puntin40.dat.
    EXPECT_LT(chances(shipped::numbers("punting.dat"))[0], 0.01);
    EXPECT_LT(chances(shipped::numbers("puntin40.dat"))[0], 0.01);
    // Sacks lose about seven yards; a blitz gets home more often than a normal rush.
    const auto normal = chances(shipped::numbers("sacknorm.dat"));
    const auto blitz = chances(shipped::numbers("sackblit.dat"));
    double normalSack = 0, blitzSack = 0, loss = 0;
    for (int j = 1; j <= 20; ++j) {
        normalSack += normal[j + 2];
        blitzSack += blitz[j + 2];
        loss += normal[j + 2] * j;
    }
    EXPECT_GT(blitzSack, normalSack);
    EXPECT_NEAR(loss / normalSack, 7, 1.5);
}

TEST(OutcomeTables, ReverseClassesGetWorseFromOneToSix) {
    const auto rows = shipped::rows("reverse.dat", 6, 16);
    ASSERT_EQ(rows.size(), 6u);
    for (int c = 1; c < 6; ++c)
        for (int sum = 0; sum < 16; ++sum) EXPECT_GE(rows[c - 1][sum], rows[c][sum]) << "class " << c << " sum " << sum + 3;
    EXPECT_LT(rows[5].back(), 0);  // the worst class always loses
    EXPECT_GT(rows[0].front(), 0);  // the best one always gains
}

}  // namespace
