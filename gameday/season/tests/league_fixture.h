#pragma once
// Small leagues written with the league-file writers into a temporary folder, and
// standings built by hand, for the season tests.
#include <filesystem>
#include <string>
#include <vector>

#include "gameday/season/standings.h"
#include "leaguefiles/random.h"
#include "leaguefiles/schedule_record.h"

namespace season::testing {

// A folder of its own that is removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Nicknames "Team01" ...; cities "City01" ...
std::string fixtureNickname(int team);
std::string fixtureCity(int team);

// League "TEST" of N teams at season state 0, season `season`, title "Test League": a
// round-robin regular season with every game unplayed, empty postseason weeks, teams with
// new-league totals, champions "NO CHAMPION".
void writeFixtureLeague(const std::filesystem::path& dir, int teams, int season = 1);

std::filesystem::path fixtureFile(const std::filesystem::path& dir, const std::string& ext);

std::vector<lf::ScheduleRecord> readSchedule(const std::filesystem::path& dir);
void writeSchedule(const std::filesystem::path& dir, const std::vector<lf::ScheduleRecord>& s);

// Enters a result for schedule record `record` (teams kept) and, for a regular-season
// week, adds it to both team records the way saving does: wins, ties, points,
// touchdowns and the head-to-head tallies.
void enterResult(const std::filesystem::path& dir, int record, int visitorScore,
                 int homeScore, int periods = 4);

// Plays every regular-season game with scores drawn from `random`, some of them ties.
void playRegularSeason(const std::filesystem::path& dir, lf::Random& random);

// Standings of an N-team league in which team t has wins[t - 1] wins and nothing else.
Standings standingsWithWins(int teams, const std::vector<int>& wins);

}  // namespace season::testing
