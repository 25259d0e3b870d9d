#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "leaguefiles/depth_chart.h"
#include "retire/retirement.h"
#include "retire/team_values.h"
#include "retire/tests/fixture_season.h"

namespace retire {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

TEST(RetirementTarget, FifteenPercentOfTheGroupRoundedHalfToEven) {
    const int teams[] = {8, 16, 24, 30, 32};
    const struct {
        int slots;
        int targets[5];
    } rows[] = {
        {1, {1, 2, 4, 4, 5}},     {2, {2, 5, 7, 9, 10}},     {3, {4, 7, 11, 14, 14}},
        {4, {5, 10, 14, 18, 19}}, {6, {7, 14, 22, 27, 29}}, {7, {8, 17, 25, 32, 34}},
    };
    for (const auto& row : rows)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(retirementTarget(row.slots, teams[k]), row.targets[k])
                << row.slots << " slots, " << teams[k] << " teams";
}

TEST(RetiringPlaces, LowestScoresAndTiesWithTheLastKeptOne) {
    // One to go from eight: the lowest; tied lowest two: nobody.
    EXPECT_THAT(retiringPlaces({9, 8, 7, 6, 5, 4, 3, 2}, 1), ElementsAre(7));
    EXPECT_THAT(retiringPlaces({9, 8, 7, 6, 5, 4, 3, 3}, 1), IsEmpty());
    // Two to go: a tie with the second lowest takes a third; a window tied throughout
    // lets only the scores below it go.
    EXPECT_THAT(retiringPlaces({9, 8, 7, 6, 5, 4, 3, 2}, 2), ElementsAre(6, 7));
    EXPECT_THAT(retiringPlaces({9, 8, 7, 6, 5, 3, 3, 3}, 2), ElementsAre(5, 6, 7));
    EXPECT_THAT(retiringPlaces({9, 8, 7, 6, 3, 3, 3, 2}, 2), ElementsAre(7));
    // A group smaller than twice the target still works from its first player.
    EXPECT_THAT(retiringPlaces({5, 4, 3}, 2), ElementsAre(1, 2));
    EXPECT_THAT(retiringPlaces({}, 2), IsEmpty());
}

struct RetirementLeague : ::testing::Test {
    Season season = testing::fixtureSeason(8);
    std::vector<std::string> report;
    lf::PlayerRecord& at(int team, int slot) {
        return season.players[lf::playerRecordNumber(team, slot) - 1];
    }
    void retire() { retirePlayers(season.players, 8, teamNames(season.teams, 8), report); }
};

TEST_F(RetirementLeague, TheLowestOfTheLeagueGoAndAreMarked) {
    // Every group ties throughout, so only these stand out: four quarterbacks of lower
    // passing and a kicker with more years.
    at(7, 1).setRating(lf::rating::PAS, 1);
    at(7, 2).setRating(lf::rating::PAS, 2);
    for (int slot = 1; slot <= 3; ++slot) at(8, slot).setRating(lf::rating::PAS, 0);
    at(5, 49).setYears(10);
    retire();

    EXPECT_THAT(report, UnorderedElementsAre("QB F301 L301 of Team7", "QB F351 L351 of Team8",
                                             "QB F352 L352 of Team8", "QB F353 L353 of Team8",
                                             "KI F249 L249 of Team5"));
    EXPECT_EQ(report.back(), "KI F249 L249 of Team5");
    EXPECT_EQ(at(8, 1).ratingsText(), "RETIRED         ");
    EXPECT_TRUE(isRetired(at(5, 49)));
    EXPECT_FALSE(isRetired(at(7, 2)));
    int retired = 0;
    for (const auto& p : season.players) retired += isRetired(p);
    EXPECT_EQ(retired, 5);
}

TEST_F(RetirementLeague, TwoTiedLowestKickersInAnEightTeamLeagueBothStay) {
    at(2, 49).setYears(10);
    at(6, 49).setYears(10);
    retire();
    EXPECT_THAT(report, IsEmpty());
}

}  // namespace
}  // namespace retire
