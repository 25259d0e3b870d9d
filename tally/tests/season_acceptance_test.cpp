// A season played by the game program's own code (simseason) read back through every
// report: the reports agree with each other and with the league's files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/stat_index.h"
#include "tally/format.h"
#include "tally/league_totals.h"
#include "tally/season_close.h"
#include "tally/standings_report.h"
#include "tally/team_report.h"

namespace fs = std::filesystem;

namespace {

int run(const std::string& command, const fs::path& log) {
    int status = std::system((command + " > '" + log.string() + "' 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct PlayedSeason : ::testing::Test {
    static inline fs::path dir;
    static void SetUpTestSuite() {
        dir = fs::temp_directory_path() / ("tally-season-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& entry : fs::directory_iterator(fs::path(VELTRAN_SOURCE_DIR) / "data"))
            if (entry.is_regular_file()) fs::copy_file(entry.path(), dir / entry.path().filename());
        const std::string bin = VELTRAN_BIN_DIR;
        ASSERT_EQ(run("'" + bin + "/newleague' --dir '" + dir.string() +
                          "' --name ACC --teams 16 --seed 7",
                      dir / "newleague.txt"),
                  0);
        ASSERT_EQ(run("'" + bin + "/simseason' --dir '" + dir.string() + "' --seed 7",
                      dir / "simseason.txt"),
                  0);
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }
};

TEST_F(PlayedSeason, ReportsAgreeWithEachOtherAndTheFiles) {
    tally::LeagueView view = tally::openLeague(dir, "ACC", false);
    ASSERT_EQ(view.header.state, 2);
    const int n = view.header.teams;
    auto teams = tally::readTeams(view);
    auto players = tally::readPlayers(view);
    auto schedule = tally::readSchedule(view);

    // What the offences gained is what the defences allowed.
    auto offence = tally::leagueTotalsLines(view, tally::Side::Offence, teams, schedule);
    auto defence = tally::leagueTotalsLines(view, tally::Side::Defence, teams, schedule);
    ASSERT_EQ(offence.size(), defence.size());
    for (std::size_t i = 0; i < offence.size(); ++i)
        if (offence[i].rfind("LEAGUE", 0) == 0) {
            EXPECT_EQ(offence[i], defence[i]);
        }

    // Every division's won-lost-tied columns add up: wins equal losses over the league,
    // and each team's games are the regular-season games the schedule holds for it.
    tally::StandingsTable table = tally::buildStandings(view, teams);
    int wins = 0, losses = 0;
    for (const auto& line : table.teamLines) {
        wins += std::stoi(line.text.substr(15, 3));
        losses += std::stoi(line.text.substr(18, 3));
    }
    EXPECT_EQ(wins, losses);
    EXPECT_GT(wins, 0);

    for (int t = 1; t <= n; ++t) {
        SCOPED_TRACE(t);
        const auto& team = teams[static_cast<std::size_t>(t) - 1];
        tally::TeamSeason season = tally::teamSeasonLines(view, t, teams, players, schedule);
        // The schedule's record line is the team file's won-lost-tied.
        std::string record;
        for (const auto& line : season.lines)
            if (line.find("record:") != std::string::npos) record = line;
        EXPECT_EQ(record, std::string(22, ' ') + "record:  " +
                              tally::intField(team.own(lf::stat::Wins), 4) +
                              tally::intField(team.opp(lf::stat::Wins), 4) +
                              tally::intField(team.own(lf::stat::Ties), 4));
        // Points in the team file are the points of its regular-season games.
        int scored = 0;
        for (int week = 1; week <= view.header.weeks; ++week)
            for (int slot = 1; slot <= n / 2; ++slot) {
                const auto& g = schedule[lf::scheduleRecordNumber(week, slot, n) - 1];
                if (g.status() == '-') continue;
                if (g.visitor() == t) scored += g.visitorScore();
                if (g.home() == t) scored += g.homeScore();
            }
        int points = 0;
        for (int k = lf::stat::PointsQuarter1; k <= lf::stat::PointsOvertime; ++k) points += team.own(k);
        EXPECT_EQ(points, scored);
        // The players' rushing and receiving add up to the team line.
        long long rushes = 0, rushYards = 0, catches = 0;
        for (int slot = 1; slot <= 50; ++slot) {
            const auto& p = players[static_cast<std::size_t>((t - 1) * 50 + slot - 1)];
            rushes += p.stat(lf::stat::RushAttempts);
            rushYards += p.stat(lf::stat::RushYards);
            catches += p.stat(lf::stat::Receptions);
        }
        EXPECT_EQ(rushes, team.own(lf::stat::RushAttempts));
        EXPECT_EQ(rushYards, team.own(lf::stat::RushYards));
        EXPECT_EQ(catches, team.own(lf::stat::Completions));
    }

    // Closing the season: each season record is the best of the season's players.
    tally::saveSeasonRecords(view);
    const auto records = lf::leagueFilePath(dir, "ACC", "irs");
    for (int k : {lf::stat::RushYards, lf::stat::PassingYards, lf::stat::Tackles}) {
        int best = 0;
        for (const auto& p : players) best = std::max(best, p.stat(k));
        EXPECT_EQ(lf::readRecord<lf::IndividualRecord>(records, k).value(), best) << k;
    }
}

}  // namespace
