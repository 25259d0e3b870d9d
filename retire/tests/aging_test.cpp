#include <gtest/gtest.h>

#include "retire/aging.h"

namespace retire {
namespace {

lf::PlayerRecord player(const std::string& position, const std::string& ratings, int years) {
    lf::PlayerRecord p;
    p.setPosition(position);
    p.setRatingsText(ratings);
    p.setYears(years);
    return p;
}

// One rating of 3 (the others 0, which take no draw) aged with one draw.
struct OddsCase {
    int yearsBefore;
    int draw;
    int expected;
};

TEST(Aging, OddsFollowTheYearsAfterTheIncrease) {
    const OddsCase cases[] = {
        {1, 20, 4},   {1, 21, 3},  {1, 70, 3},  {1, 71, 2},   // 2 years: up <= 20, down > 70
        {2, 30, 4},   {2, 80, 3},  {2, 81, 2},                // 3 years: 30 / 80
        {4, 15, 4},   {4, 16, 3},  {4, 85, 3},  {4, 86, 2},   // 5 years: 15 / 85
        {8, 20, 4},   {8, 71, 2},                             // 9 years: 20 / 70
        {10, 10, 4},  {10, 11, 3}, {10, 51, 2},               // 11 years: 10 / 50
        {13, 1, 3},   {13, 25, 3}, {13, 26, 2},               // 14 years: never up, 75 % down
        {15, 26, 2},  {16, 1, 2},  {40, 1, 2},                // 16 and 17+: always down
    };
    for (const OddsCase& c : cases) {
        lf::PlayerRecord p = player("LB", "300000000000000 ", c.yearsBefore);
        auto rng = lf::Random::scripted({{100, static_cast<double>(c.draw)}});
        agePlayer(p, rng);
        EXPECT_EQ(p.years(), c.yearsBefore + 1);
        EXPECT_EQ(p.rating(1), c.expected) << c.yearsBefore << " years, draw " << c.draw;
        EXPECT_EQ(rng.remaining(), 0u);
    }
}

TEST(Aging, VeteransLoseEveryRatingAboveOneAndOnesOnlyFromTwentyYears) {
    std::vector<lf::PlannedDraw> draws(12, {100, 100});  // twelve ratings above 0
    lf::PlayerRecord p = player("LB", "502345012345012 ", 16);
    auto rng = lf::Random::scripted(draws);
    agePlayer(p, rng);
    EXPECT_EQ(p.ratingsText(), "401234011234011 ");
    EXPECT_EQ(rng.remaining(), 0u);

    lf::PlayerRecord nineteen = player("LB", "110000000000000 ", 18);
    auto twoDraws = lf::Random::scripted({{100, 50}, {100, 50}});
    agePlayer(nineteen, twoDraws);
    EXPECT_EQ(nineteen.ratingsText(), "110000000000000 ");

    lf::PlayerRecord twenty = player("LB", "110000000000000 ", 19);
    twoDraws = lf::Random::scripted({{100, 50}, {100, 50}});
    agePlayer(twenty, twoDraws);
    EXPECT_EQ(twenty.ratingsText(), "000000000000000 ");
}

TEST(Aging, FiveStaysFiveAndPositionCapsCutBack) {
    // A 5 that draws a rise stays 5; a halfback whose passing rises to 4 holds 3.
    lf::PlayerRecord hb = player("HB", "500030000000000 ", 2);
    auto rng = lf::Random::scripted({{100, 1}, {100, 1}});
    agePlayer(hb, rng);
    EXPECT_EQ(hb.ratingsText(), "500030000000000 ");

    struct Cap {
        const char* position;
        const char* ratings;
        const char* expected;
    };
    const Cap caps[] = {
        {"FB", "000040000000000X", "000030000000000 "},
        {"WR", "000000400000000X", "000000200000000 "},
        {"CB", "000000004040000X", "000000002020000 "},
        {"SA", "000000005050000X", "000000003030000 "},
        {"QB", "000040000000000X", "000040000000000 "},
    };
    for (const Cap& c : caps) {
        lf::PlayerRecord p = player(c.position, c.ratings, 5);
        std::vector<lf::PlannedDraw> middle;
        for (char ch : std::string(c.ratings).substr(0, 15))
            if (ch != '0') middle.push_back({100, 50});
        auto noChange = lf::Random::scripted(middle);
        agePlayer(p, noChange);
        EXPECT_EQ(p.ratingsText(), c.expected) << c.position;
    }
}

}  // namespace
}  // namespace retire
