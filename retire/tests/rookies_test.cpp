#include <gtest/gtest.h>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "retire/retirement.h"
#include "retire/rookies.h"
#include "retire/team_values.h"
#include "retire/tests/fixture_season.h"

namespace retire {
namespace {

using Ratings = std::array<int, lf::rating::Count>;
constexpr lf::PlannedDraw Keep{1500, 1};  // an improvement draw that fails for any team

TEST(RookieRatings, BasePatternsByPosition) {
    const struct {
        const char* position;
        std::vector<lf::PlannedDraw> draws;
        Ratings expected;
    } cases[] = {
        {"QB", {{5, 5}, Keep, Keep, Keep, Keep}, {5, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Passing is a draw 1..2 minus 1: a 0 takes no improvement draw.
        {"FB",
         {{5, 2}, Keep, Keep, Keep, Keep, {2, 1}, Keep, Keep, Keep},
         {2, 2, 1, 2, 0, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0}},
        // Returns: a draw 1..6 of 1 brings a draw 1..3, anything else 0.
        {"HB",
         {{5, 5}, Keep, Keep, Keep, Keep, Keep, Keep, Keep, {6, 1}, {3, 3}, Keep, {6, 2}},
         {5, 1, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 3, 0}},
        {"OT", {{5, 1}, Keep, Keep, Keep, Keep, Keep}, {1, 2, 2, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0}},
        {"SA",
         {{5, 3}, Keep, Keep, Keep, Keep, Keep, Keep, {6, 6}},
         {3, 2, 2, 0, 0, 0, 0, 0, 2, 2, 2, 0, 0, 0, 0}},
        {"PU", {{5, 5}, Keep, Keep, Keep}, {5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"XX", {}, {}},
    };
    for (const auto& c : cases) {
        auto rng = lf::Random::scripted(c.draws);
        EXPECT_EQ(rookieRatings(c.position, 1250, rng), c.expected) << c.position;
        EXPECT_EQ(rng.remaining(), 0u) << c.position;
    }
}

TEST(RookieRatings, ImprovementDrawsMustBeatTheTeamValue) {
    // A kicker: DUR 4 rises once to 5 (the second draw is still taken), PWR stays on a draw
    // equal to the value, SPD rises once, KIK twice.
    const struct {
        int value;
        std::vector<lf::PlannedDraw> draws;
    } cases[] = {
        {250,
         {{5, 4}, {1500, 251}, {1500, 1500}, {1500, 250}, {1500, 1500}, {1500, 250}, {1500, 251},
          {1500, 251}}},
        {1250,
         {{5, 4}, {1500, 1251}, {1500, 1500}, {1500, 1250}, {1500, 1500}, {1500, 1250},
          {1500, 1251}, {1500, 1251}}},
    };
    for (const auto& c : cases) {
        auto rng = lf::Random::scripted(c.draws);
        EXPECT_EQ(rookieRatings("KI", c.value, rng),
                  (Ratings{5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0}))
            << c.value;
        EXPECT_EQ(rng.remaining(), 0u);
    }
}

TEST(Rookies, RetiredRecordsGetDrawnNamesAndKeepTheRest) {
    testing::Folder folder;
    Season season = testing::fixtureSeason(8);
    testing::writeSeason(folder.path, season);
    lf::PlayerRecord& qb = season.players[lf::playerRecordNumber(2, 3) - 1];
    qb.setStat(2, 812);
    qb.setRatingsText(RetiredMark);
    const lf::PlayerRecord before = qb;
    std::vector<std::string> report;
    auto rng = lf::Random::scripted({{3, 2}, {2, 2}, {5, 5}, Keep, Keep, Keep, Keep});
    draftRookies(season.players, 8, teamNames(season.teams, 8), teamValues(season.teams, 8),
                 nameLists(folder.path), rng, report);

    EXPECT_EQ(rng.remaining(), 0u);
    EXPECT_EQ(report, (std::vector<std::string>{"QB Bea Eck to Team2"}));
    EXPECT_EQ(qb.firstName(), "Bea");
    EXPECT_EQ(qb.lastName(), "Eck");
    EXPECT_EQ(qb.ratingsText(), "522220000000000 ");
    EXPECT_EQ(qb.years(), 0);
    EXPECT_EQ(qb.position(), "QB");
    EXPECT_EQ(qb.number(), before.number());
    EXPECT_EQ(qb.spareText(), before.spareText());
    EXPECT_EQ(qb.injuryText(), before.injuryText());
    EXPECT_EQ(qb.stat(2), 812);
}

TEST(Rookies, NameListsMustHoldANameEach) {
    testing::Folder folder;
    testing::writeSeason(folder.path, testing::fixtureSeason(8));
    EXPECT_NO_THROW(nameLists(folder.path));
    lf::replaceFile(folder.path / "name2.rdm", "");
    EXPECT_THROW(nameLists(folder.path), lf::FileError);
    lf::replaceFile(folder.path / "name2.rdm", "Doe");
    EXPECT_THROW(nameLists(folder.path), lf::FileError);
    std::filesystem::remove(folder.path / "name2.rdm");
    try {
        nameLists(folder.path);
        ADD_FAILURE() << "a missing name list was accepted";
    } catch (const lf::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("name2.rdm"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace retire
