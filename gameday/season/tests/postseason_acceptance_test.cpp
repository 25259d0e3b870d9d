// A whole postseason for each league size: a played regular season, then one game per
// run of the week display, round by round, to the championship and the season's close.
#include <gtest/gtest.h>

#include "gameday/season/game_choice.h"
#include "gameday/season/season_close.h"
#include "gameday/season/tests/league_fixture.h"
#include "gameday/season/week_display.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"

namespace season {
namespace {

using namespace season::testing;

struct SizeCase {
    int teams;
    int playoffGames;  // games before the championship
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.teams; }

class PostseasonAcceptance : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PostseasonAcceptance, RegularSeasonLeadsToAChampion) {
    const SizeCase c = GetParam();
    TempDir dir;
    writeFixtureLeague(dir.path(), c.teams);
    lf::Random results{static_cast<uint64_t>(c.teams)};
    playRegularSeason(dir.path(), results);

    std::vector<std::string> messages;
    const ShowMessage show = [&](const std::string& text, const std::string&) {
        messages.push_back(text);
    };
    lf::Random random{99};
    int playoffGames = 0;
    std::optional<GameChoice> final;
    for (int run = 0; run < 20 && !final; ++run) {
        SeasonLeague lg = openSeasonLeague(dir.path());
        std::optional<WeekDisplay> d = openWeekDisplay(lg, show, random);
        ASSERT_TRUE(d);
        std::optional<GameChoice> game = chooseNextGame(lg, *d);
        ASSERT_TRUE(game) << "run " << run << ", week " << d->week;
        ASSERT_GE(game->gameType, PlayoffGame);
        EXPECT_NE(game->visitorTeam, game->homeTeam);
        // Home teams win, except every third game, which the visitor takes in overtime.
        const bool upset = run % 3 == 2;
        enterResult(dir.path(), game->record, upset ? 27 : 10, upset ? 24 : 20, upset ? 5 : 4);
        if (game->gameType == ChampionshipGame) final = game;
        else ++playoffGames;
    }
    ASSERT_TRUE(final);
    EXPECT_EQ(playoffGames, c.playoffGames);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "Setting Up Postseason"), 1);

    SeasonLeague lg = openSeasonLeague(dir.path());
    const lf::ScheduleRecord played =
        lf::readRecord<lf::ScheduleRecord>(lg.file("sch"), final->record);
    ChampionshipResult result{final->visitorTeam, final->homeTeam, played.visitorScore(),
                              played.homeScore(), played.status() == '5', played.status() - '0'};
    closeSeason(lg, result);

    EXPECT_EQ(lf::readLeague(lg.file("lge")).state, 2);
    EXPECT_EQ(lf::readLines(lg.file("lge")).at(0).substr(0, 2), "2,");
    const int winner = played.visitorScore() > played.homeScore() ? final->visitorTeam
                                                                  : final->homeTeam;
    const auto champions = lf::readAll<lf::ChampionRecord>(lg.file("chm"));
    ASSERT_EQ(champions.size(), 1u);
    EXPECT_EQ(champions[0].text().rfind(fixtureCity(winner) + " " + fixtureNickname(winner), 0),
              0u)
        << champions[0].text();

    messages.clear();
    SeasonLeague closed = openSeasonLeague(dir.path());
    EXPECT_FALSE(openWeekDisplay(closed, show, random));
    EXPECT_EQ(messages, std::vector<std::string>{"The season is complete!"});
}

INSTANTIATE_TEST_SUITE_P(LeagueSizes, PostseasonAcceptance,
                         ::testing::Values(SizeCase{8, 0}, SizeCase{16, 2}, SizeCase{24, 8},
                                           SizeCase{30, 10}, SizeCase{32, 10}),
                         [](const auto& info) { return std::to_string(info.param.teams); });

}  // namespace
}  // namespace season
