#include "tally/player_lists.h"

#include <gtest/gtest.h>

namespace tally {
namespace {

Stats stats(std::initializer_list<std::pair<int, long long>> values) {
    Stats s{};
    for (auto [k, v] : values) s[k] = v;
    return s;
}

TEST(PasserRating, SackedOnlyAndAllComponentsCapped) {
    EXPECT_NEAR(passerRating(stats({{15, 3}, {16, -20}})), 39.583, 0.001);
    EXPECT_NEAR(passerRating(stats({{9, 10}, {10, 10}, {12, 200}, {13, 5}})), 158.333, 0.001);
    // A bad passer bottoms out at 0 in every component.
    EXPECT_NEAR(passerRating(stats({{9, 10}, {10, 1}, {11, 10}, {12, 5}})), 0.0, 1e-9);
    EXPECT_EQ(categoryLine(Category::Passing, "A Sacked", stats({{15, 3}})).substr(14, 8),
              "    39.6");
}

TEST(PlayerLists, LinesFollowTheColumnRules) {
    struct Case {
        Category category;
        Stats s;
        const char* line;
    } cases[] = {
        {Category::Rushing, stats({{1, 20}, {2, 85}, {3, 1}, {4, -999}}),
         "R Runner          20     85    1     0    4.2"},
        {Category::Passing,
         stats({{9, 30}, {10, 18}, {11, 1}, {12, 240}, {13, 2}, {14, 45}, {15, 2}}),
         "R Runner          93.8    30     18  60.0    1    3.3   240  8.0     2    45     2"},
        {Category::KickReturns, stats({{36, 40}, {37, 1234}, {38, 1}, {39, 98}}),
         "R Runner          40\t234\t30.8\t  1\t 98"},
        {Category::Punting, stats({{22, 4}, {23, 170}, {26, 20}, {28, 1}, {30, -999}}),
         "R Runner      \t  4\t42.5\t  0\t  0\t 20\t  0\t  1\t  0\t  0\t32.5"},
        {Category::Touchdowns, stats({{72, 0}, {73, 0}, {74, 1}}),
         "R Runner      \t  1\t  0\t  0\t  1"},
        {Category::FieldGoals, stats({{40, 3}, {41, 4}, {46, 2}, {47, 2}, {48, 1}, {49, 2}, {53, 44}}),
         "R Runner         3    4   0   0   0   0   2   2   1   2   0   0   0  44"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(categoryLine(c.category, "R Runner", c.s), c.line)
            << static_cast<int>(c.category);
}

TEST(PlayerLists, InterceptionReturnIsAReturnTouchdown) {
    Stats s = stats({{20, 1}});
    deriveTouchdowns(s);
    EXPECT_TRUE(categoryShows(Category::Touchdowns, s));
    EXPECT_EQ(categoryLine(Category::Touchdowns, "D Back", s), "D Back        \t  1\t  0\t  0\t  1");
}

TEST(PlayerLists, ListSortsOnKeyAndShowsOnlyPlayersWithFigures) {
    std::vector<StatRow> rows = {
        {"A Slow", stats({{1, 10}, {2, 30}})},
        {"B Idle", stats({})},
        {"C Fast", stats({{1, 12}, {2, 90}})},
    };
    std::vector<int> order{0, 1, 2};
    auto lines = listCategory(Category::Rushing, rows, order);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "RUSHING          Att    Yds   TD   Lng    Avg");
    EXPECT_EQ(lines[1].substr(0, 6), "C Fast");
    EXPECT_EQ(lines[2].substr(0, 6), "A Slow");

    std::vector<int> again{0, 1, 2};
    auto receiving = listCategory(Category::Receiving, rows, again);
    ASSERT_EQ(receiving.size(), 2u);  // blank line and header, nobody caught a pass
    EXPECT_EQ(receiving[0], " ");
}

TEST(PlayerLists, LongKickReturnAverageRanksFirst) {
    // A single 98-yard return keys at 98000, beyond a 16-bit key.
    std::vector<StatRow> rows = {
        {"A Steady", stats({{36, 30}, {37, 700}})},
        {"B Once", stats({{36, 1}, {37, 98}})},
    };
    std::vector<int> order{0, 1};
    auto lines = listCategory(Category::KickReturns, rows, order);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].substr(0, 6), "B Once");
    EXPECT_EQ(categoryKey(Category::KickReturns, rows[1].s), 98000);
}

TEST(PlayerLists, ExtraPointRateRoundsPerThousand) {
    EXPECT_EQ(extraPointsLine("K Foot", stats({{54, 7}, {55, 8}, {67, 1}})),
              "K Foot                 7     8     0   875     1");
    EXPECT_EQ(extraPointsLine("K Foot", stats({{67, 1}})),
              "K Foot                 0     0     0     0     1");
}

}  // namespace
}  // namespace tally
