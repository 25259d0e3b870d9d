#include "gameday/season/box_score.h"

#include <gtest/gtest.h>

namespace season {
namespace {

std::string sp(int n) { return std::string(static_cast<size_t>(n), ' '); }

void clearStats(fb::GameState& g) {
    for (int s = 1; s <= 2; ++s) {
        for (int k : {4, 8, 14, 35, 39, 53, 62}) g.side[s].stats[k] = fb::kNotYet;
        for (int p = 1; p <= fb::kRosterSize; ++p)
            for (int k : {4, 8, 14, 35, 39, 53, 62}) g.side[s].roster[p].stats[k] = fb::kNotYet;
    }
}

void setStats(std::array<int, 101>& to, std::initializer_list<std::pair<int, int>> values) {
    for (auto [k, v] : values) to[k] = v;
}
void setStats(std::array<int, 81>& to, std::initializer_list<std::pair<int, int>> values) {
    for (auto [k, v] : values) to[k] = v;
}

// The visitor runs for over 1000 yards; the home side never faced a third down.
fb::GameState scriptedGame() {
    fb::GameState g;
    clearStats(g);
    fb::Side& v = g.side[1];
    fb::Side& h = g.side[2];
    v.name = "Comets";
    h.name = "Stars";
    v.score = 24;
    h.score = 17;
    setStats(v.stats, {{84, 7}, {85, 10}, {87, 7}, {81, 10}, {82, 8}, {83, 2}, {1, 40},
                       {2, 1012}, {3, 2}, {4, 65}, {5, 12}, {6, 150}, {7, 1}, {8, 45},
                       {9, 20}, {10, 12}, {11, 1}, {12, 150}, {13, 1}, {14, 45}, {15, 2},
                       {16, -14}, {34, 1}, {93, 5}, {94, 11}, {95, 1}, {96, 2}, {57, 2},
                       {89, 5}, {90, 45}, {91, 1845}});
    setStats(h.stats, {{84, 3}, {85, 7}, {86, 7}, {60, 1}, {91, 1755}});
    v.missedFieldGoals = "45 52";
    v.roster[1].name = "Al Passer";
    setStats(v.roster[1].stats, {{1, 3}, {2, 12}, {4, 8}, {9, 20}, {10, 12}, {11, 1}, {12, 150},
                                 {13, 1}, {14, 45}, {15, 2}, {16, -14}});
    v.roster[6].name = "Bo Runner";
    setStats(v.roster[6].stats, {{1, 37}, {2, 1000}, {3, 2}, {4, 65}, {5, 3}, {6, 20}, {8, 11}});
    v.roster[20].name = "Cy Catcher";
    setStats(v.roster[20].stats, {{5, 9}, {6, 130}, {7, 1}, {8, 45}, {34, 1}});
    g.scoring = {" 1  10:22 COMT  75  Bo Runner 5 yd run (Kick Good)"};
    return g;
}

TEST(BoxScore, GoldenLinesOfAScriptedGame) {
    const std::vector<std::string> lines = boxScoreLines(scriptedGame());
    const std::string zeros5 = "\t  0\t  0\t  0\t  0\t  0";
    const std::string punting0 = sp(4) + "0" + (sp(7) + "0") + (sp(7) + "0") + (sp(7) + "0") +
                                 (sp(7) + "0") + (sp(7) + "0") + (sp(7) + "0") + (sp(7) + "0") +
                                 sp(4) + "0";
    const std::vector<std::string> expected = {
        " ",
        sp(14) + "\t1Q\t2Q\t3Q\t4Q\tOT\tFinal",
        "Comets        \t 7\t 10\t 0\t 7\t 0\t 24",
        "Stars         \t 3\t 7\t 7\t 0\t 0\t 17",
        " Q   Time  Team  ld  SCORING SUMMARY",
        " 1  10:22 COMT  75  Bo Runner 5 yd run (Kick Good)",
        " ",
        sp(9) + "Comets" + sp(21) + sp(10) + "Stars",
        sp(13) + "20" + "     FIRST DOWNS     " + sp(14) + "0",
        sp(13) + "10" + "        by Rush      " + sp(14) + "0",
        sp(14) + "8" + "        by Pass      " + sp(14) + "0",
        sp(14) + "2" + "        by Pen       " + sp(14) + "0",
        sp(8) + "62" + " 1148" + "     TOTAL OFFENSE   " + sp(9) + "0" + sp(4) + "0",
        sp(8) + "40" + " 1012" + "        RUSHING      " + sp(9) + "0" + sp(4) + "0",
        sp(8) + "22" + "  136" + "        PASSING      " + sp(9) + "0" + sp(4) + "0",
        sp(7) + "20" + " 12" + "  1" + "     Att-Comp-Int    " + sp(8) + "0" + "  0  0",
        sp(11) + "2" + " 14" + "        Sacks-LAP    " + sp(11) + "0" + "  0",
        sp(8) + "5" + " 11" + " 45" + "     3rd Down Pct    " + sp(8) + "0" + "  0  0",
        sp(8) + "1" + "  2" + " 50" + "     4th Down Pct    " + sp(8) + "0" + "  0  0",
        sp(9) + "2" + sp(4) + "1" + "     Fumbles/Lost    " + sp(9) + "0" + sp(4) + "0",
        sp(9) + "5" + sp(3) + "45" + "     Penalties/Yds   " + sp(9) + "0" + sp(4) + "0",
        sp(10) + "30:45" + "     Time of Poss    " + sp(10) + "29:15",
        sp(10) + "45 52" + "     Missed FGs      " + sp(15),
        " ",
        "RUSHING & RECEIVING",
        "Name         \tAtt\tYds\tTDs\tLng\tRec\tYds\tTDs\tLng",
        "Al Passer     \t  3\t 12\t  0\t  8\t  0\t  0\t  0\t  0",
        "Bo Runner     \t 37\t000\t  2\t 65\t  3\t 20\t  0\t 11",
        "Cy Catcher    \t  0\t  0\t  0\t  0\t  9\t130\t  1\t 45",
        "COMETS        \t 40\t012\t  2\t 65\t 12\t150\t  1\t 45",
        " ",
        "PASSING",
        "Name         \tAtt\tCom\tInt\tYds\tTDs\tLng\tSck\tLAP",
        "Al Passer     \t 20\t 12\t  1\t150\t  1\t 45\t  2\t 14",
        "COMETS        \t 20\t 12\t  1\t150\t  1\t 45\t  2\t 14",
        " ",
        "KICK RETURNS",
        "Name            KoR     Yds     TDs     Lng     PuR     Yds     TDs      FC  Lng",
        "Cy Catcher    \t  0\t  0\t  0\t  0\t  0\t  0\t  0\t  1    0",
        "COMETS        \t  0\t  0\t  0\t  0\t  0\t  0\t  0\t  1    0",
        " ",
        "PUNTING",
        "Name            Pnt     Yds     Bkd     Ret     Yds      FC      TB    In20  Lng",
        "COMETS        " + punting0,
        " ",
        "SACKS AND INTERCEPTIONS",
        "Name           Sack     Int     Yds      TD     Lng",
        "COMETS        " + zeros5,
    };
    ASSERT_GE(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;

    // The home side's lists hold no players, only its totals.
    const std::vector<std::string> home(lines.begin() + static_cast<long>(expected.size()), lines.end());
    ASSERT_EQ(home.size(), 5u * 4u);
    EXPECT_EQ(home[3], "STARS         \t  0\t  0\t  0\t  0\t  0\t  0\t  0\t  0");
    EXPECT_EQ(home[19], "STARS         " + zeros5);
}

TEST(BoxScore, FormattingHelpersAtTheirLimits) {
    EXPECT_EQ(l14("Christopherson Jr"), "Christopherson");
    EXPECT_EQ(l14(""), sp(14));
    EXPECT_EQ(n3(7), "  7");
    EXPECT_EQ(n3(-3), " -3");
    EXPECT_EQ(n3(1000), "000");
    EXPECT_EQ(n3(-120), "120");
    EXPECT_EQ(rk(25, 5), "   25");
    EXPECT_EQ(rk(-3, 3), " -3");
    EXPECT_EQ(rk(12345, 3), "123");
}

TEST(BoxScore, ResultFlagsFollowTheFinalScoreOnly) {
    struct Case { int visitor, home, visitorWon, homeWon, tie; };
    for (const Case c : {Case{24, 17, 1, 0, 0}, Case{17, 24, 0, 1, 0}, Case{21, 21, 0, 0, 1}}) {
        fb::GameState g = scriptedGame();
        // A box score looked at earlier in the game must not leave its flags behind.
        g.side[1].score = 7;
        g.side[2].score = 0;
        setResultFlags(g);
        g.side[1].score = c.visitor;
        g.side[2].score = c.home;
        setResultFlags(g);
        EXPECT_EQ(g.side[1].stats[99], c.visitorWon);
        EXPECT_EQ(g.side[2].stats[99], c.homeWon);
        EXPECT_EQ(g.side[1].stats[100], c.tie);
        EXPECT_EQ(g.side[2].stats[100], c.tie);
    }
}

TEST(BoxScore, EventLinesSplitAtEveryFullStop) {
    fb::GameState g;
    const std::string prefix = " 2  08:15 STAR  40  ";
    ASSERT_EQ(prefix.size(), 20u);
    g.events = {prefix + " Pass to Cy for 12.  Tackled by Moe. ", prefix + " No gain", "short"};
    const std::vector<std::string> expected = {
        " ",
        " Q   Time  Team  ld  GAME SUMMARY",
        prefix + " Pass to Cy for 12",
        sp(21) + "Tackled by Moe",
        sp(21),
        prefix + " No gain",
        "short",
    };
    EXPECT_EQ(gameEventsLines(g), expected);
}

}  // namespace
}  // namespace season
