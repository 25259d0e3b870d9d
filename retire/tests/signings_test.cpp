#include <gtest/gtest.h>

#include "leaguefiles/depth_chart.h"
#include "retire/signings.h"
#include "retire/team_values.h"
#include "retire/tests/fixture_season.h"

namespace retire {
namespace {

using lf::PlannedDraw;

std::vector<int> identity(int n) {
    std::vector<int> order(n + 1);
    for (int t = 0; t <= n; ++t) order[t] = t;
    return order;
}

// The planned first signings (each ends with its team draw), then every other signing
// draws the kicker's slot and the signing team itself.
std::vector<PlannedDraw> selfSignings(int teams, std::vector<PlannedDraw> first = {}) {
    int planned = 0;
    for (const PlannedDraw& d : first) planned += d.n == teams;
    std::vector<PlannedDraw> script = first;
    for (int k = planned; k < teams * 3; ++k) {
        script.push_back({50, 49});
        script.push_back({teams, static_cast<double>(k / 3 + 1)});
    }
    return script;
}

TEST(TeamOrder, ExchangesEachEntryWithADrawnOne) {
    auto rng = lf::Random::scripted({{4, 3}, {4, 3}, {4, 1}, {4, 4}});
    // i=1 <-> 3: 3 2 1 4; i=2 <-> 3: 3 1 2 4; i=3 <-> 1: 2 1 3 4; i=4 <-> 4.
    EXPECT_EQ(teamOrder(4, rng), (std::vector<int>{0, 2, 1, 3, 4}));
    EXPECT_EQ(rng.remaining(), 0u);
}

TEST(Signings, ARecordExchangedWithItselfLeavesTheRosterButWritesTwoLines) {
    const Season before = testing::fixtureSeason(8);
    Season season = before;
    const auto names = teamNames(season.teams, 8);
    const auto order = identity(8);
    auto rng = lf::Random::scripted(selfSignings(8));
    std::vector<std::string> report;
    signPlayers(season.players, order, names, rng, report);

    EXPECT_EQ(rng.remaining(), 0u);
    for (size_t r = 0; r < season.players.size(); ++r)
        EXPECT_EQ(season.players[r].bytes, before.players[r].bytes) << "record " << r + 1;
    ASSERT_EQ(report.size(), 48u);
    EXPECT_EQ(report[0], "KI F49 L49 of Team1 to Team1");
    EXPECT_EQ(report[1], "KI F49 L49 of Team1 to Team1");
    EXPECT_EQ(report[47], "KI F399 L399 of Team8 to Team8");
}

TEST(Signings, ExchangesWithinTheGroupBetweenTheTeamsOfTheOrder) {
    Season season = testing::fixtureSeason(8);
    const lf::PlayerRecord qb2 = season.players[lf::playerRecordNumber(3, 2) - 1];
    const lf::PlayerRecord qb3 = season.players[lf::playerRecordNumber(1, 3) - 1];
    const auto names = teamNames(season.teams, 8);
    std::vector<int> order = identity(8);
    std::swap(order[1], order[3]);  // 3 2 1 4 ...
    // Team order[1] = 3 signs: slot 2 (QB), group draw 3 -> slot 3, team order[3] = 1.
    auto rng = lf::Random::scripted(selfSignings(8, {{50, 2}, {3, 3}, {8, 3}}));
    std::vector<std::string> report;
    signPlayers(season.players, order, names, rng, report);

    EXPECT_EQ(rng.remaining(), 0u);
    EXPECT_EQ(season.players[lf::playerRecordNumber(3, 2) - 1].bytes, qb3.bytes);
    EXPECT_EQ(season.players[lf::playerRecordNumber(1, 3) - 1].bytes, qb2.bytes);
    ASSERT_GE(report.size(), 2u);
    EXPECT_EQ(report[0], "QB F3 L3 of Team1 to Team3");
    EXPECT_EQ(report[1], "QB F102 L102 of Team3 to Team1");
}

}  // namespace
}  // namespace retire
