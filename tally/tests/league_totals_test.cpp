#include "tally/league_totals.h"

#include <fstream>
#include <gtest/gtest.h>

#include "leaguefiles/stat_index.h"
#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

std::vector<std::string> golden(const std::string& name) {
    std::ifstream in(std::string(VELTRAN_SOURCE_DIR) + "/tally/tests/golden/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Three played regular-season games and a postseason game; each game adds the same
// figures to one side's own totals and the other side's opponents' totals.
struct TotalsFixture : FixtureLeague {
    void play(int a, int b, std::initializer_list<std::pair<int, int>> aFigures,
              std::initializer_list<std::pair<int, int>> bFigures) {
        for (auto [k, v] : aFigures) {
            bool longest = lf::stat::isMaxType(k);
            team(a).setOwn(k, longest ? std::max(team(a).own(k), v) : team(a).own(k) + v);
            team(b).setOpp(k, longest ? std::max(team(b).opp(k), v) : team(b).opp(k) + v);
        }
        for (auto [k, v] : bFigures) {
            bool longest = lf::stat::isMaxType(k);
            team(b).setOwn(k, longest ? std::max(team(b).own(k), v) : team(b).own(k) + v);
            team(a).setOpp(k, longest ? std::max(team(a).opp(k), v) : team(a).opp(k) + v);
        }
    }
    TotalsFixture() {
        game(1, 1, 2, 1, 10, 24);
        game(1, 2, 4, 3, 3, 3, 5);
        game(2, 1, 1, 3, 21, 17);
        game(15, 1, 2, 1, 3, 28);  // postseason: not a game of G
        play(1, 2,
             {{1, 30}, {2, 140}, {4, 35}, {9, 25}, {10, 15}, {12, 210}, {15, 2}, {16, -11},
              {84, 7}, {85, 10}, {87, 7}, {57, 2}, {58, 1}, {18, 1}, {81, 8}, {82, 9}, {83, 1},
              {89, 5}, {90, 45}, {91, 40}, {92, 31}, {93, 6}, {94, 13}, {22, 4}, {23, 170},
              {26, 20}, {28, 1}, {30, 52}, {40, 1}, {41, 2}, {46, 1}, {47, 1}, {49, 1}, {53, 38},
              {54, 3}, {55, 3}},
             {{1, 20}, {2, 70}, {4, 12}, {9, 35}, {10, 20}, {11, 1}, {12, 230}, {13, 1},
              {84, 3}, {87, 7}, {36, 5}, {37, 101}, {39, 33}, {17, 2}, {69, 50}, {91, 20},
              {92, 28}, {94, 11}, {93, 4}, {54, 1}, {55, 1}});
        play(4, 3, {{1, 25}, {2, 90}, {84, 3}, {88, 0}, {91, 10}, {92, 30}},
             {{1, 28}, {2, 101}, {87, 3}, {91, 50}, {92, 29}});
        play(1, 3, {{1, 33}, {2, 160}, {84, 14}, {86, 7}, {91, 0}, {92, 32}},
             {{1, 21}, {2, 60}, {9, 40}, {10, 25}, {12, 300}, {84, 10}, {87, 7}, {91, 0},
              {92, 28}});
        record(1, 2, 0, 0, team(1).own(84), team(1).opp(84));
        write();
    }
};

TEST(LeagueTotals, OffensiveGoldenLines) {
    TotalsFixture fx;
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    Report report = leagueTotals(view, Side::Offence);
    EXPECT_EQ(report.caption, "League Offensive Totals");
    EXPECT_EQ(report.printFile, (fx.dir / "MYLGArchive" / "MYLGOf004.log").string());
    EXPECT_EQ(report.lines, golden("totals_offence.txt"));
}

TEST(LeagueTotals, DefenceRanksByYardsAllowedAndAgreesWithOffence) {
    TotalsFixture fx;
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    Report offence = leagueTotals(view, Side::Offence);
    Report defence = leagueTotals(view, Side::Defence);
    EXPECT_EQ(defence.caption, "League Defensive Totals");
    EXPECT_EQ(defence.printFile, (fx.dir / "MYLGArchive" / "MYLGDe004.log").string());
    // Team 1 allowed 70 + 230 + 60 + 300 = 660 yards, the most.
    EXPECT_EQ(defence.lines[3].substr(0, 14), "COMETS        ");
    EXPECT_EQ(defence.lines, golden("totals_defence.txt"));
    // Every section ends with the league row, and the league rows of both reports agree:
    // what the teams gained is what their opponents allowed.
    ASSERT_EQ(offence.lines.size(), defence.lines.size());
    int leagueRows = 0;
    for (std::size_t i = 0; i < offence.lines.size(); ++i)
        if (offence.lines[i].rfind("LEAGUE", 0) == 0) {
            ++leagueRows;
            EXPECT_EQ(offence.lines[i], defence.lines[i]);
            EXPECT_TRUE(i + 1 == offence.lines.size() || offence.lines[i + 1] == " ");
        }
    EXPECT_EQ(leagueRows, 17);
}

}  // namespace
}  // namespace tally
