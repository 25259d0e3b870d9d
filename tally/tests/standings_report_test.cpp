#include "tally/standings_report.h"

#include <gtest/gtest.h>

#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

TEST(StandingsReport, WinningPercentage) {
    EXPECT_EQ(winningPct(3, 2, 1), 58);
    EXPECT_EQ(winningPct(1, 1, 0), 50);
    EXPECT_EQ(winningPct(0, 0, 0), 0);
    EXPECT_EQ(winningPct(1, 7, 0), 12);  // 12.5 rounds to the even 12
    EXPECT_EQ(winningPct(0, 0, 1), 50);
}

TEST(StandingsReport, EightTeamsGoldenLines) {
    FixtureLeague fx(8);
    fx.record(1, 1, 1, 0, 30, 28);
    fx.record(2, 3, 2, 1, 1000, 99);
    fx.record(3, 0, 0, 0, 0, 0);
    fx.record(4, 0, 0, 1, 7, 7);
    fx.record(5, 2, 0, 0, 45, 3);
    fx.write();
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    StandingsTable table = readStandings(view);

    ASSERT_EQ(table.headers.size(), 2u);
    EXPECT_EQ(table.headers[0].column, 1);
    EXPECT_EQ(table.headers[0].line, 6);
    EXPECT_EQ(table.headers[1].column, 46);
    EXPECT_EQ(table.headers[1].line, 6);
    EXPECT_EQ(table.teamLines[0].line, 7);
    EXPECT_EQ(table.teamLines[3].line, 10);
    EXPECT_EQ(table.teamLines[4].column, 46);

    std::vector<std::string> expected = {
        "Division 1       W  L  T  PF  PA",
        "Rockets          3  2  11000  99",
        "Comets           1  1  0  30  28",
        "Quasars          0  0  1   7   7",
        "Meteors          0  0  0   0   0",
        " ",
        "Division 2       W  L  T  PF  PA",
        "Pulsars          2  0  0  45   3",
        "Novas            0  0  0   0   0",
        "Orbiters         0  0  0   0   0",
        "Zeniths          0  0  0   0   0",
        " ",
    };
    EXPECT_EQ(standingsPrintLines(table, 4), expected);
    EXPECT_EQ(standingsPrintFile(view), (fx.dir / "MYLGArchive" / "WLT-004.log").string());
}

TEST(StandingsReport, DivisionBlocksByDivisionCount) {
    struct Case {
        int teams;
        std::vector<std::pair<int, int>> places;
    } cases[] = {
        {16, {{1, 3}, {1, 11}, {46, 3}, {46, 11}}},
        {24, {{1, 1}, {1, 8}, {1, 15}, {46, 1}, {46, 8}, {46, 15}}},
        {30, {{1, 1}, {1, 8}, {1, 15}, {46, 1}, {46, 8}, {46, 15}}},
        {32, {{1, 1}, {1, 7}, {1, 13}, {1, 19}, {46, 1}, {46, 7}, {46, 13}, {46, 19}}},
    };
    for (const Case& c : cases) {
        FixtureLeague fx(c.teams);
        fx.write();
        LeagueView view = openLeague(fx.dir, "MYLG", false);
        StandingsTable table = readStandings(view);
        std::vector<std::pair<int, int>> places;
        for (const auto& h : table.headers) places.emplace_back(h.column, h.line);
        EXPECT_EQ(places, c.places) << c.teams;
        // Team lines follow their header one line apart, and teams stay in their division.
        const int per = view.header.teamsPerDivision;
        for (int i = 0; i < c.teams; ++i) {
            const auto& header = table.headers[static_cast<std::size_t>(i / per)];
            EXPECT_EQ(table.teamLines[static_cast<std::size_t>(i)].line, header.line + i % per + 1);
            EXPECT_EQ((table.order[static_cast<std::size_t>(i)] - 1) / per, i / per);
        }
    }
}

TEST(StandingsReport, EqualPercentagesKeepTheExchangeSortOrder) {
    FixtureLeague fx(8);
    // Teams 1 and 2 share 50, team 3 leads: the exchanges leave 2 ahead of 1.
    fx.record(1, 1, 1, 0, 0, 0);
    fx.record(2, 1, 1, 0, 0, 0);
    fx.record(3, 2, 0, 0, 0, 0);
    fx.write();
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    StandingsTable table = readStandings(view);
    EXPECT_EQ(std::vector<int>(table.order.begin(), table.order.begin() + 4),
              (std::vector<int>{3, 2, 1, 4}));
}

}  // namespace
}  // namespace tally
