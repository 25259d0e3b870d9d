// The league averages and their band check.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/calibrate/league_totals.h"

namespace calibrate {
namespace {

using namespace fb::stat;

const Figure& named(const std::vector<Figure>& figures, const std::string& name) {
    for (const Figure& f : figures)
        if (f.name == name) return f;
    throw std::runtime_error("no figure " + name);
}

fb::GameState game(int visitorScore, int homeScore) {
    fb::GameState g;
    g.side[fb::kVisitor].score = visitorScore;
    g.side[fb::kHome].score = homeScore;
    return g;
}

TEST(LeagueTotals, FiguresAreRatiosOfSumsOverEverySideAndGame) {
    LeagueTotals t;
    fb::GameState a = game(10, 24);
    a.side[1].stats[RushAttempts] = 20;  // 5.0 a carry
    a.side[1].stats[RushYards] = 100;
    a.side[2].stats[RushAttempts] = 30;  // 3.0 a carry
    a.side[2].stats[RushYards] = 90;
    a.side[1].stats[PassAttempts] = 40;
    a.side[1].stats[PassingYards] = 300;
    a.side[1].stats[TimesSacked] = 4;
    a.side[1].stats[SackYards] = -30;
    a.side[2].stats[OpponentFumblesRecovered] = 2;  // the visitor lost two
    addGame(t, a);
    addGame(t, game(17, 17));

    const std::vector<Figure> f = figures(t);
    EXPECT_DOUBLE_EQ(named(f, "points").value, 68.0 / 4);
    EXPECT_DOUBLE_EQ(named(f, "yards per carry").value, 190.0 / 50);
    EXPECT_DOUBLE_EQ(named(f, "net yards").value, (190.0 + 300 - 30) / 4);
    EXPECT_DOUBLE_EQ(named(f, "offensive plays").value, (50.0 + 40 + 4) / 4);
    EXPECT_DOUBLE_EQ(named(f, "gross yards per attempt").value, 300.0 / 40);
    EXPECT_DOUBLE_EQ(named(f, "fumbles lost").value, 2.0 / 4);
    EXPECT_DOUBLE_EQ(named(f, "home win %").value, 50);
    EXPECT_DOUBLE_EQ(named(f, "tie %").value, 50);
    EXPECT_DOUBLE_EQ(named(f, "completion %").value, 0);
    EXPECT_TRUE(std::isnan(named(f, "third-down conversion %").value)) << "no third downs";
}

TEST(LeagueTotals, BandEdgesCountAsInside) {
    struct Case {
        double value;
        bool banded;
        bool inside;
    };
    const Case cases[] = {
        {3.9, true, true},    {4.6, true, true},  {3.89, true, false},
        {4.61, true, false},  {NAN, true, false}, {99.0, false, true},
    };
    for (const Case& c : cases) {
        const Figure f{"yards per carry", c.value, 3.9, 4.6, c.banded};
        EXPECT_EQ(inside(f), c.inside) << c.value << (c.banded ? "" : " unbanded");
        EXPECT_EQ(line(f).find("OUTSIDE") != std::string::npos, !c.inside) << line(f);
    }
}

TEST(LeagueTotals, NoGamesFailsEveryBandInsteadOfPassing) {
    const std::vector<Figure> f = figures(LeagueTotals{});
    EXPECT_FALSE(allInside(f));
    for (const Figure& x : f) {
        if (x.banded) {
            EXPECT_FALSE(inside(x)) << x.name;
        }
    }
}

}  // namespace
}  // namespace calibrate
