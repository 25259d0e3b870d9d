// A whole regular season of an 8-team league played with the computer coaching both sides
// through the game choice, the engine and the saving of results, then the league files
// checked for the sums every report relies on.
#include <unistd.h>

#include <gtest/gtest.h>

#include "gameday/engine/game.h"
#include "gameday/engine/tables.h"
#include "gameday/season/box_score.h"
#include "gameday/season/game_setup.h"
#include "gameday/season/save_game.h"
#include "gameday/season/week_display.h"
#include "gameday/tests/fixture_league.h"
#include "gameday/tests/season_checks.h"

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("gd_season_" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

TEST(SeasonAcceptance, RegularSeasonKeepsTheLeagueConsistent) {
    TempDir dir;
    gameday::testing::writeFixtureLeague(dir.path);
    const fb::Tables tables = fb::loadTables(dir.path);
    lf::Random random(20261211);
    const season::ShowMessage ignore = [](const std::string&, const std::string&) {};

    int games = 0;
    for (;;) {
        season::SeasonLeague lg = season::openSeasonLeague(dir.path);
        std::optional<season::WeekDisplay> display = season::openWeekDisplay(lg, ignore, random);
        ASSERT_TRUE(display);
        if (display->week > lg.league.weeks) break;
        const std::optional<season::GameChoice> choice = season::chooseNextGame(lg, *display);
        ASSERT_TRUE(choice);
        fb::GameState g;
        fb::AutoSeam seam;
        ASSERT_EQ(fb::playGame(g, season::loadGameSetup(lg, *choice), tables, random, seam),
                  fb::GameEnd::Finished);
        season::setResultFlags(g);
        season::saveGameResults(g, dir.path, choice->record);
        ++games;
    }
    EXPECT_EQ(games, 56);

    gameday::testing::expectConsistentRegularSeason(dir.path);
}

}  // namespace
