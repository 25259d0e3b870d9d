#include "gameday/season/tiebreakers.h"

#include <gtest/gtest.h>

#include "gameday/season/postseason_shape.h"

namespace season {
namespace {

// A generator that fails the test on any draw: the case must be decided before the draw.
lf::Random noDraws() { return lf::Random::scripted({}); }

// Draw values 0..999 as the scripted generator plans them (uniform(1000) = value + 1).
lf::Random draws(std::initializer_list<int> values) {
    std::vector<lf::PlannedDraw> plan;
    for (int v : values) plan.push_back({1000, static_cast<double>(v + 1)});
    return lf::Random::scripted(plan);
}

Standings sixteenTeams() { return {postseasonShape(16), std::vector<TeamStanding>(17)}; }

void met(Standings& st, int a, int b, int codeA, int codeB) {
    st.teams[a].headToHead[b] = codeA;
    st.teams[b].headToHead[a] = codeB;
}

TEST(Tiebreakers, NarrowKeepsEveryTeamOnTheHighestValueInGroupOrder) {
    Standings st = sixteenTeams();
    st.teams[3].wins = 4;
    st.teams[1].wins = 4;
    st.teams[2].wins = 3;
    lf::Random random = noDraws();
    EXPECT_EQ(narrow({3, 2, 1}, Measure::Points, st, random), (Group{3, 1}));
}

TEST(Tiebreakers, SplitRivalsWithEqualDivisionCodeFallThroughToConferencePercentage) {
    Standings st = sixteenTeams();
    for (int t : {1, 2}) st.teams[t].wins = 8;
    met(st, 1, 2, 202, 202);  // one win each
    met(st, 1, 3, 200, 2);
    met(st, 1, 4, 200, 2);
    met(st, 2, 3, 200, 2);
    met(st, 2, 4, 200, 2);
    met(st, 1, 5, 200, 2);  // the other division of the conference
    met(st, 2, 5, 2, 200);
    st.teams[2].points = 300;  // better net points, never reached
    lf::Random random = noDraws();
    EXPECT_EQ(breakTie({1, 2, 3, 4}, kDivisionChain, st, random), 1);
}

TEST(Tiebreakers, HeadToHeadDecidesWhenEveryPairHasMet) {
    // Team 1 of the first conference against 9 and 10 of the second: only head-to-head
    // sees those games.
    Standings st = sixteenTeams();
    met(st, 1, 9, 200, 2);
    met(st, 1, 10, 200, 2);
    met(st, 9, 10, 200, 2);
    met(st, 9, 11, 200, 2);  // conference percentage would pick team 9
    met(st, 9, 12, 200, 2);
    st.teams[10].points = 500;  // net points would pick team 10
    lf::Random random = noDraws();
    EXPECT_EQ(breakTie({1, 9, 10}, kSeedingChain, st, random), 1);
}

TEST(Tiebreakers, TeamsThatNeverMetSkipHeadToHead) {
    Standings st = sixteenTeams();
    met(st, 1, 2, 200, 2);
    met(st, 2, 3, 200, 2);  // 1 and 3 never met: team 1's 1000 must not count
    met(st, 1, 4, 2, 200);
    met(st, 3, 5, 200, 2);
    met(st, 3, 6, 200, 2);
    met(st, 3, 7, 200, 2);  // team 3 has the best conference percentage
    lf::Random random = noDraws();
    EXPECT_EQ(narrow({1, 2, 3}, Measure::HeadToHead, st, random), (Group{1, 2, 3}));
    EXPECT_EQ(breakTie({1, 2, 3}, kSeedingChain, st, random), 3);

    Standings pair = sixteenTeams();
    pair.teams[4].points = 10;
    EXPECT_EQ(breakTie({3, 4}, kFinalChain, pair, random), 4);
}

TEST(Tiebreakers, AllEqualGroupIsDrawnUntilOneTeamIsAloneOnTop) {
    Standings st = sixteenTeams();
    lf::Random random = draws({500, 900, 900, 700, 700, 100, 300});
    EXPECT_EQ(breakTie({1, 2, 3}, kSeedingChain, st, random), 3);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(Tiebreakers, FinalChainComparesTheTwoHeadToHead) {
    Standings st = sixteenTeams();
    met(st, 1, 9, 2, 200);
    st.teams[1].points = 50;
    lf::Random random = noDraws();
    EXPECT_EQ(breakTie({1, 9}, kFinalChain, st, random), 9);
}

TEST(Tiebreakers, RankingTakesTheSeedingChainWinnerOneAtATime) {
    Standings st = sixteenTeams();
    st.teams[5].wins = 9;
    st.teams[2].wins = 7;
    st.teams[7].wins = 7;
    met(st, 2, 7, 2, 200);
    lf::Random random = draws({10, 20});  // 1 and 3 are left for the last place
    EXPECT_EQ(rankTeams({1, 2, 3, 5, 7}, 4, st, random), (Group{5, 7, 2, 3}));
}

}  // namespace
}  // namespace season
