// A small league written with the league-file writers into a fresh temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

namespace tally::testing {

struct FixtureLeague {
    std::filesystem::path dir;
    std::string name = "MYLG";
    lf::League league;
    std::vector<lf::TeamRecord> teams;
    std::vector<lf::PlayerRecord> players;
    std::vector<lf::ScheduleRecord> schedule;

    // A league of `teams` teams with blank statistics, no games and empty record books.
    explicit FixtureLeague(int teamCount = 8);
    ~FixtureLeague();
    FixtureLeague(const FixtureLeague&) = delete;
    FixtureLeague& operator=(const FixtureLeague&) = delete;

    lf::TeamRecord& team(int t) { return teams[static_cast<std::size_t>(t) - 1]; }
    lf::PlayerRecord& player(int t, int slot) {
        return players[static_cast<std::size_t>((t - 1) * 50 + slot - 1)];
    }
    // Sets a played (periods 4..) or unplayed ('-' when periods is 0) game.
    void game(int week, int slot, int visitor, int home, int visitorScore, int homeScore,
              int periods = 4);
    // Record of a team: own[99] wins, opp[99] losses, own/opp[100] ties, quarter points.
    void record(int t, int won, int lost, int tied, int pointsFor, int pointsAgainst);

    // Writes league.id1, the league, team, player and schedule files, the season record
    // books and the archive folder.
    void write() const;
    std::filesystem::path file(const std::string& ext) const;
};

}  // namespace tally::testing
