#include "gameday/season/season_close.h"

#include <gtest/gtest.h>

#include "gameday/season/tests/league_fixture.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"

namespace season {
namespace {

TEST(ChampionText, WinnerFirstWithOvertimeMarks) {
    struct Case {
        ChampionshipResult result;
        std::string text;
    };
    const Case cases[] = {
        {{1, 2, 17, 24, false, 4}, "Nova Bay Stars 24   Veltran City Comets 17"},
        {{1, 2, 31, 10, false, 4}, "Veltran City Comets 31   Nova Bay Stars 10"},
        {{1, 2, 20, 20, false, 4}, "Nova Bay Stars 20   Veltran City Comets 20"},
        {{1, 2, 23, 20, true, 5}, "Veltran City Comets 23   Nova Bay Stars 20  (OT) "},
        {{1, 2, 20, 26, true, 6}, "Nova Bay Stars 26   Veltran City Comets 20  (OT2) "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(championText("Veltran City Comets", "Nova Bay Stars", c.result), c.text);
}

TEST(ChampionsFile, ChampionLandsAtItsSeason) {
    std::vector<lf::ChampionRecord> first = championsWith(lf::initialChampions(), 1, "A 1   B 0");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].text(), "A 1   B 0");

    std::vector<lf::ChampionRecord> later = championsWith(first, 4, "C 7   D 3");
    ASSERT_EQ(later.size(), 4u);
    EXPECT_EQ(later[0].text(), "A 1   B 0");
    EXPECT_EQ(later[1].text(), "NO CHAMPION");
    EXPECT_EQ(later[3].text(), "C 7   D 3");

    const std::string longText(100, 'x');
    const lf::ChampionRecord cut = championsWith({}, 1, longText)[0];
    EXPECT_EQ(cut.text(), std::string(80, 'x'));
}

TEST(SeasonClose, WritesChampionAndStateTwoInCommaForm) {
    testing::TempDir dir;
    testing::writeFixtureLeague(dir.path(), 8, 2);
    SeasonLeague lg = openSeasonLeague(dir.path());
    lg.league.state = 1;
    closeSeason(lg, {3, 6, 14, 21, false, 4});

    EXPECT_EQ(lf::readLines(testing::fixtureFile(dir.path(), "lge")).at(0),
              "2,2,\"Test League\",8,14,2,4");
    EXPECT_EQ(lg.league.state, 2);
    const auto champions =
        lf::readAll<lf::ChampionRecord>(testing::fixtureFile(dir.path(), "chm"));
    ASSERT_EQ(champions.size(), 2u);
    EXPECT_EQ(champions[0].text(), "NO CHAMPION");
    EXPECT_EQ(champions[1].text(), "City06 Team06 21   City03 Team03 14");
}

}  // namespace
}  // namespace season
