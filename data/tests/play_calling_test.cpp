// The computer coach's strategy table, the matchup table and the names of the calls.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "shipped.h"

namespace {

// Strategy value of a situation; bands as the game computes them.
long strategy(int time, int score, int field, int down, int distance) {
    static const std::vector<long> v = shipped::numbers("Ologic.dat");
    return v.at(((((time - 1) * 7 + score - 1) * 5 + field - 1) * 4 + down - 1) * 4 + distance - 1);
}
int secondQuarterCode(long v) { return v > 99 ? static_cast<int>(v / 100) : static_cast<int>(v); }
int otherCode(long v) { return v > 99 ? static_cast<int>(v % 100) : static_cast<int>(v); }

TEST(Strategy, EveryValueIsACodeTheCoachKnows) {
    const std::set<int> known{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 31, 32, 33, 51, 52};
    bool halfMatters = false;
    for (long v : shipped::numbers("Ologic.dat")) {
        EXPECT_TRUE(known.count(secondQuarterCode(v)) && known.count(otherCode(v))) << v;
        halfMatters = halfMatters || v > 99;
    }
    EXPECT_TRUE(halfMatters);
}

TEST(Strategy, CallsFollowTheRulesOfCoaching) {
    struct Case {
        const char* what;
        int time, score, field, down, distance;
        int q2, other;
    };
    const Case cases[] = {
        {"first and ten, normal: balanced", 1, 4, 3, 1, 3, 2, 2},
        {"first and ten, well ahead: run more", 1, 1, 3, 1, 3, 51, 51},
        {"third and one: run", 1, 4, 3, 3, 1, 1, 1},
        {"third and long: pass", 1, 4, 3, 3, 4, 3, 3},
        {"fourth down in the own half: punt", 1, 4, 2, 4, 3, 4, 4},
        {"fourth down in range: field goal", 1, 4, 4, 4, 3, 5, 5},
        {"fourth and one past midfield: go for it", 1, 4, 3, 4, 1, 31, 31},
        {"backed up: no risky throws", 1, 4, 1, 2, 3, 11, 11},
        {"last two minutes, ahead: run out the clock", 3, 2, 3, 1, 3, 12, 1},
        {"last minute, behind by a touchdown: hurry-up", 4, 6, 3, 1, 3, 12, 13},
        {"last minute, behind by 9+ on fourth: keep throwing", 4, 7, 2, 4, 4, 4, 13},
        {"last seconds, a field goal behind in range: kick", 5, 5, 4, 2, 3, 19, 19},
        {"last seconds, behind by 9+: throw deep", 5, 7, 3, 1, 3, 19, 16},
        {"last seconds, ahead: kneel", 5, 1, 4, 1, 3, 19, 1},
        {"three minutes left, behind by 4-8, fourth and short: go", 2, 6, 3, 4, 2, 4, 3},
        {"fourth down short of the opponent's 35: punt", 1, 4, 3, 4, 3, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const long v = strategy(c.time, c.score, c.field, c.down, c.distance);
        EXPECT_EQ(secondQuarterCode(v), c.q2);
        EXPECT_EQ(otherCode(v), c.other);
    }
}

// Sides of the runs and the gaps of the blitzes, both from the offense's point of view.
enum Side { Left = 1, Middle = 2, Right = 4 };
int runSide(int play) {
    switch (play) {
    case 12: case 14: return Right;
    case 13: case 15: return Left;
    default: return Middle;
    }
}
int blitzGaps(int play) {  // run blitzes 12..18, pass blitzes 19..25
    const int gaps[] = {Left | Middle | Right, Left, Middle, Right, Left | Middle, Left | Right, Middle | Right};
    return gaps[(play - 12) % 7];
}

long matchup(int offense, int defense) {
    static const auto rows = shipped::rows("dex.dat", 27, 25);
    return rows.at(9 * (offense / 10 - 1) + offense % 10 - 1).at(defense - 1);
}

TEST(Matchups, AreSmallAndPointTheRightWay) {
    const std::vector<long> all = shipped::numbers("dex.dat");
    ASSERT_EQ(all.size(), 675u);
    int small = 0;
    for (long v : all) {
        EXPECT_LE(std::abs(v), 4);
        small += std::abs(v) <= 1;
    }
    EXPECT_GT(small, 675 / 2);

    // A run into the gap of a run blitz loses; away from it, it does not.
    for (int run = 11; run <= 16; ++run)
        for (int blitz = 12; blitz <= 18; ++blitz) {
            SCOPED_TRACE("run " + std::to_string(run) + " against " + std::to_string(blitz));
            if (blitzGaps(blitz) & runSide(run))
                EXPECT_LT(matchup(run, blitz), 0);
            else
                EXPECT_GT(matchup(run, blitz), 0);
        }
    // Screens beat an all-out pass blitz; posts and flags die against the zones built
    // for them; a draw gains on a pass defence; quick throws suffer against the press.
    EXPECT_GT(matchup(21, 19), 1);
    EXPECT_GT(matchup(22, 19), 1);
    for (int deep = 36; deep <= 39; ++deep) EXPECT_LT(matchup(deep, 9), 0);
    EXPECT_LT(matchup(38, 10), -1);
    EXPECT_LT(matchup(39, 10), -1);
    EXPECT_GT(matchup(16, 5), 0);
    for (int quick = 25; quick <= 29; ++quick) EXPECT_LT(matchup(quick, 6), 0);
    EXPECT_LT(matchup(11, 3), matchup(11, 9));  // a plunge into short-yardage vs deep zones
}

TEST(PlayNames, DescriptorsMatchTheFormationsAndNamesFitTheirPlaces) {
    const std::vector<std::string> f = shipped::texts("ocalls.dat");
    ASSERT_EQ(f.size(), 10u + 27 + 7 + 25);
    // Backs and wide receivers of formations 0..9 among the five skill places.
    const int backs[] = {1, 1, 1, 2, 2, 2, 2, 3, 3, 3};
    const int receivers[] = {2, 3, 4, 2, 1, 2, 3, 0, 1, 2};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("formation " + std::to_string(k));
        ASSERT_GE(f[k].size(), 4u);
        EXPECT_LE(f[k].size(), 6u);
        EXPECT_EQ(f[k][1] - '0', backs[k]);
        EXPECT_EQ(f[k][3] - '0', receivers[k]);
    }
    const char* plays[] = {"Plunge", "Off Tackle Right", "Off Tackle Left", "End Run Right", "End Run Left", "Draw",
                           "Reverse Right", "Reverse Left", "Option Pass", "Screen Right", "Screen Left", "Flair Right",
                           "Flair Left", "Quick In Right", "Quick In Middle", "Quick In Left", "Quick Out Right",
                           "Quick Out Left", "Slant Right", "Slant Middle", "Slant Left", "Square Out Right",
                           "Square Out Left", "Post Right", "Post Left", "Flag Right", "Flag Left"};
    for (int k = 0; k < 27; ++k) EXPECT_EQ(f[10 + k], plays[k]);
    const std::vector<std::string> fronts(f.begin() + 37, f.begin() + 44);
    EXPECT_EQ(fronts, (std::vector<std::string>{"L3B2D6", "L3B3D5", "L3B4D4", "L4B1D6", "L4B2D5", fronts[5], "L4B4D3"}));
    // The 4-3 is recognised by not being one of the other fronts.
    for (int k : {0, 1, 2, 3, 4, 6}) EXPECT_NE(fronts[5], fronts[k]);
    for (int k = 44; k < 69; ++k) {
        EXPECT_FALSE(f[k].empty());
        EXPECT_LE(f[k].size(), 14u) << f[k];
    }
}

}  // namespace
