#include "tally/leaders.h"

#include <fstream>
#include <gtest/gtest.h>

#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

struct LeadersFixture : FixtureLeague {
    void set(int t, int slot, const char* first, const char* last,
             std::initializer_list<std::pair<int, int>> values) {
        auto& p = player(t, slot);
        p.setFirstName(first);
        p.setLastName(last);
        for (auto [k, v] : values) p.setStat(k, v);
    }
    LeadersFixture() {
        team(2).setCode("abcd");
        set(1, 1, "Ace", "Passer", {{9, 100}, {10, 60}, {11, 3}, {12, 700}, {13, 5}, {14, 62}});
        set(2, 2, "Sam", "Sacked", {{15, 3}, {16, -20}});
        set(3, 1, "Max", "Arm", {{9, 10}, {10, 10}, {12, 200}, {13, 5}, {14, 40}});
        set(1, 6, "Bo", "Runner", {{1, 110}, {2, 460}, {3, 4}, {4, 41}});
        set(4, 7, "Al", "Longnamedrunner", {{1, 50}, {2, 460}, {3, 1}});
        set(1, 10, "Cy", "Catcher", {{5, 60}, {6, 700}, {7, 5}, {8, 62}});
        set(2, 34, "Dee", "Backer", {{17, 4}, {69, 55}, {18, 1}, {19, 30}, {20, 1}, {21, 30}});
        set(3, 35, "Gus", "Tackler", {{17, 6}, {69, 70}});
        set(1, 50, "Flo", "Punter", {{22, 20}, {23, 850}, {25, 8}, {26, 70}, {28, 2}, {30, 61}});
        set(2, 50, "Hal", "Kicker", {{24, 1}});
        set(3, 8, "Kit", "Returner", {{36, 40}, {37, 1234}, {38, 1}, {39, 98}});
        set(4, 9, "Pat", "Fielder", {{31, 10}, {32, 85}, {34, 3}, {35, 22}});
        set(4, 11, "Ray", "Faircatch", {{34, 4}});
        write();
    }
};

TEST(Leaders, GoldenLinesOfEveryCategory) {
    LeadersFixture fx;
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    std::vector<std::string> all;
    for (int i = 0; i < 10; ++i) {
        Report report = leaders(view, i);
        EXPECT_FALSE(report.noStats) << i;
        all.push_back("== " + report.caption + " " + report.printFile.substr(fx.dir.string().size()));
        all.insert(all.end(), report.lines.begin(), report.lines.end());
    }
    std::ifstream in(std::string(VELTRAN_SOURCE_DIR) + "/tally/tests/golden/leaders.txt");
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    EXPECT_EQ(all, expected);
}

TEST(Leaders, NobodyQualifiesMeansNoStatsAndNoLines) {
    FixtureLeague fx;
    fx.write();
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    Report report = leaders(view, 3);
    EXPECT_TRUE(report.noStats);
    EXPECT_TRUE(report.lines.empty());
    EXPECT_EQ(report.caption, "Sacks");
}

}  // namespace
}  // namespace tally
