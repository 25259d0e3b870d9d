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
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

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

    const fs::path base = dir.path / "TEST";
    const auto teams = lf::readAll<lf::TeamRecord>(base.string() + ".tms");
    const auto players = lf::readAll<lf::PlayerRecord>(base.string() + ".pla");
    const auto schedule = lf::readAll<lf::ScheduleRecord>(base.string() + ".sch");
    // Head-to-head tallies as the results in the schedule make them: 200 per win, 2 per
    // loss, 101 per tie, so each side's tally mirrors the other's.
    int expected[9][9] = {};
    for (int r = 1; r <= 14 * 4; ++r) {
        const lf::ScheduleRecord& game = schedule[r - 1];
        const int v = game.visitor(), h = game.home();
        const int vs = game.visitorScore(), hs = game.homeScore();
        expected[v][h] += vs > hs ? 200 : vs < hs ? 2 : 101;
        expected[h][v] += hs > vs ? 200 : hs < vs ? 2 : 101;
    }
    int wins = 0, losses = 0;
    for (int t = 1; t <= 8; ++t) {
        const lf::TeamRecord& team = teams[t - 1];
        wins += team.own(99);
        losses += team.opp(99);
        EXPECT_EQ(team.own(99) + team.opp(99) + team.own(100), 14) << "team " << t;
        for (int o = 1; o <= 8; ++o) {
            EXPECT_EQ(team.h2hRecord(o), expected[t][o]) << t << " against " << o;
            EXPECT_EQ(team.h2hPoints(o), -teams[o - 1].h2hPoints(t)) << t << " against " << o;
        }
        for (int k : {1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 15, 16, 17, 18, 22, 23, 36, 37}) {
            int sum = 0;
            for (int slot = 1; slot <= 50; ++slot) sum += players[(t - 1) * 50 + slot - 1].stat(k);
            EXPECT_EQ(team.own(k), sum) << "team " << t << " statistic " << k;
        }
    }
    EXPECT_EQ(wins, losses);
    for (int r = 1; r <= 14 * 4; ++r) {
        const char status = schedule[r - 1].status();
        EXPECT_TRUE(status >= '4' && status <= '9') << "record " << r << " status " << status;
    }
}

}  // namespace
