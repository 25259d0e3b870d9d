#include <gtest/gtest.h>

#include "leaguefiles/depth_chart.h"
#include "retire/depth_order.h"
#include "retire/tests/fixture_season.h"

namespace retire {
namespace {

std::vector<std::string> firstNames(const Season& s, int team, int first, int count) {
    std::vector<std::string> names;
    for (int slot = first; slot < first + count; ++slot)
        names.push_back(s.players[lf::playerRecordNumber(team, slot) - 1].firstName());
    return names;
}

TEST(DepthOrder, WeightedScoreAloneOrdersEachGroup) {
    Season season = testing::fixtureSeason(8, "000000000000000 ");
    auto at = [&](int team, int slot) -> lf::PlayerRecord& {
        return season.players[lf::playerRecordNumber(team, slot) - 1];
    };
    // Quarterbacks: the weaker passer goes last whatever his years and injury; the two equal
    // ones keep their order.
    at(2, 1).setRating(lf::rating::PAS, 1);
    at(2, 2).setRating(lf::rating::PAS, 3);
    at(2, 2).setYears(25);
    at(2, 2).setInjury(8);
    at(2, 3).setRating(lf::rating::PAS, 3);
    at(2, 3).setYears(0);
    // Receivers: catching weighs 5, power 2, so 4 catching beats 5 power.
    at(2, 10).setRating(lf::rating::PWR, 5);
    at(2, 11).setRating(lf::rating::CAT, 4);
    // Linebackers: run defence 5, blitz 3, pass defence 2, speed 1.
    at(2, 34).setRating(lf::rating::SPD, 5);
    at(2, 35).setRating(lf::rating::PDF, 3);
    at(2, 36).setRating(lf::rating::BLZ, 2);
    at(2, 37).setRating(lf::rating::RDF, 2);
    const Season before = season;
    orderDepthCharts(season.players, 8);

    EXPECT_EQ(firstNames(season, 2, 1, 3), (std::vector<std::string>{"F52", "F53", "F51"}));
    EXPECT_EQ(firstNames(season, 2, 10, 2), (std::vector<std::string>{"F61", "F60"}));
    EXPECT_EQ(firstNames(season, 2, 34, 4),
              (std::vector<std::string>{"F87", "F86", "F85", "F84"}));
    // Everything else, kicker and punter included, stays where it was.
    for (int r : {1, 2, 3, 49, 50, 99, 100, 64, 65, 90}) {
        EXPECT_EQ(season.players[r - 1].bytes, before.players[r - 1].bytes) << "record " << r;
    }
}

}  // namespace
}  // namespace retire
