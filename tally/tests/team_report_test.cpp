#include "tally/team_report.h"

#include <fstream>
#include <gtest/gtest.h>

#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

void setStats(lf::PlayerRecord& p, std::initializer_list<std::pair<int, int>> values) {
    for (auto [k, v] : values) p.setStat(k, v);
}

// Team 1 of an 8-team league with a schedule of every kind of result and a few players.
struct TeamFixture : FixtureLeague {
    TeamFixture() {
        game(1, 1, 2, 1, 10, 24);     // home win
        game(2, 1, 1, 3, 21, 17);     // visitor win
        game(3, 2, 4, 1, 20, 17, 6);  // lost in the second overtime period
        game(4, 1, 1, 5, 14, 14, 5);  // tie after overtime
        game(5, 1, 6, 1, 0, 0, 0);    // not played yet
        game(15, 1, 2, 1, 3, 28);     // postseason win
        game(1, 2, 3, 4, 7, 0);       // others' game
        auto& t = team(1);
        for (auto [k, v] : std::initializer_list<std::pair<int, int>>{
                 {1, 120}, {2, 480}, {3, 4}, {4, 41}, {5, 60}, {6, 700}, {7, 5}, {8, 62},
                 {9, 100}, {10, 60}, {11, 3}, {12, 700}, {13, 5}, {14, 62}, {15, 6}, {16, -40},
                 {57, 5}, {60, 2}, {81, 30}, {82, 40}, {83, 5}, {84, 20}, {85, 21}, {86, 14},
                 {87, 21}, {88, 0}, {89, 25}, {90, 210}, {91, 30}, {92, 122}, {93, 20},
                 {94, 50}, {95, 3}, {96, 7}})
            t.setOwn(k, v);
        for (auto [k, v] : std::initializer_list<std::pair<int, int>>{
                 {1, 100}, {2, 350}, {9, 110}, {10, 70}, {11, 4}, {12, 650}, {15, 2}, {16, -12},
                 {57, 3}, {60, 4}, {81, 25}, {82, 35}, {83, 4}, {84, 14}, {85, 10}, {86, 17},
                 {87, 20}, {88, 0}, {89, 30}, {90, 240}, {91, 20}, {92, 117}, {93, 18},
                 {94, 45}, {95, 2}, {96, 6}})
            t.setOpp(k, v);
        auto& qb = player(1, 1);
        qb.setFirstName("Ace");
        qb.setLastName("Passer");
        setStats(qb, {{9, 100}, {10, 60}, {11, 3}, {12, 700}, {13, 5}, {14, 62}, {15, 6},
                      {16, -40}, {1, 10}, {2, 20}, {57, 2}, {58, 1}});
        auto& hb = player(1, 6);
        hb.setFirstName("Bo");
        hb.setLastName("Runner");
        setStats(hb, {{1, 110}, {2, 460}, {3, 4}, {4, 41}, {36, 12}, {37, 300}, {38, 1},
                      {39, 95}});
        auto& wr = player(1, 10);
        wr.setFirstName("Cy");
        wr.setLastName("Catcher");
        setStats(wr, {{5, 60}, {6, 700}, {7, 5}, {8, 62}, {31, 10}, {32, 85}, {34, 3}, {35, 22}});
        auto& lb = player(1, 34);
        lb.setFirstName("Dee");
        lb.setLastName("Backer");
        setStats(lb, {{17, 4}, {69, 55}, {18, 1}, {19, 30}, {20, 1}, {21, 30}, {60, 1}, {59, 12}});
        auto& ki = player(1, 49);
        ki.setFirstName("Ed");
        ki.setLastName("Foot");
        setStats(ki, {{40, 9}, {41, 12}, {46, 4}, {47, 5}, {48, 2}, {49, 4}, {53, 48}, {54, 12},
                      {55, 13}, {56, 1}});
        auto& pu = player(1, 50);
        pu.setFirstName("Flo");
        pu.setLastName("Punter");
        setStats(pu, {{22, 20}, {23, 850}, {25, 8}, {26, 70}, {28, 2}, {29, 6}, {30, 61}});
        write();
    }
};

TEST(TeamReport, GoldenLinesForOneTeam) {
    TeamFixture fx;
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    Report report = teamReport(view, 1);
    std::ifstream golden(std::string(VELTRAN_SOURCE_DIR) + "/tally/tests/golden/team_comets.txt");
    std::vector<std::string> expected;
    for (std::string line; std::getline(golden, line);) expected.push_back(line);
    EXPECT_EQ(report.lines, expected);
    EXPECT_EQ(report.caption, "Comets         ");
    EXPECT_EQ(report.printFile, (fx.dir / "MYLGArchive" / "T1004.log").string());
}

TEST(TeamReport, TeamWithoutGamesCountsTimeAsOneGame) {
    TeamFixture fx;
    fx.team(6).setOwn(91, 30);
    fx.team(6).setOwn(92, 9);
    fx.write();
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    auto lines = teamReport(view, 6).lines;
    EXPECT_EQ(lines[2], "           5          Novas        at    Comets      ");
    EXPECT_EQ(lines[3], "                      record:     0   0   0");
    EXPECT_EQ(lines[21], "                9:30     Time of Poss            0:00");
    EXPECT_EQ(possessionPerGame(1830, 1), "30:30");
    EXPECT_EQ(possessionPerGame(545, 1), " 9:05");
}

TEST(TeamReport, EntireLeagueHoldsEveryTeamUnderItsDashedLine) {
    TeamFixture fx;
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    Report all = entireLeague(view);
    EXPECT_EQ(all.caption, "MYLGALL");
    EXPECT_EQ(all.printFile, (fx.dir / "MYLGArchive" / "MYLGALL004.log").string());
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < all.lines.size(); ++i)
        if (all.lines[i].rfind("            ---------- ", 0) == 0) starts.push_back(i);
    ASSERT_EQ(starts.size(), 8u);
    EXPECT_EQ(all.lines[starts[0]], "            ---------- Comets ----------");
    EXPECT_EQ(all.lines[starts[7]], "            ---------- Zeniths ----------");
    // Team 1's block is its own report followed by two single-blank lines.
    auto one = teamReport(view, 1).lines;
    std::vector<std::string> block(all.lines.begin() + 1, all.lines.begin() + starts[1]);
    one.push_back(" ");
    one.push_back(" ");
    EXPECT_EQ(block, one);
}

TEST(TeamReport, ChooserListsFullNamesAscending) {
    std::vector<std::string> names = {"", "Zeta Comets", "Alpha Rockets", "Mid Novas", "Alpha Owls"};
    EXPECT_EQ(chooserOrder(names), (std::vector<int>{4, 2, 3, 1}));
}

}  // namespace
}  // namespace tally
