#pragma once
// The active league as the season logic sees it: where its files lie and the values of
// its league file, with the few reads every season step shares.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gameday/season/standings.h"
#include "gameday/season/week_view.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

namespace season {

struct SeasonLeague {
    std::filesystem::path dir;
    std::string name;   // as stored in "league.id1"
    lf::League league;  // kept current when a season step rewrites the league file

    std::filesystem::path file(std::string_view ext) const;
};

// Reads "league.id1" and the league file of the league directory `dir`.
SeasonLeague openSeasonLeague(const std::filesystem::path& dir);

// Teams 1..N of the team file, element 0 empty; FileError when the file holds fewer.
std::vector<lf::TeamRecord> readTeams(const SeasonLeague& lg);
TeamNames readTeamNames(const SeasonLeague& lg);
Standings standingsOf(const SeasonLeague& lg, const std::vector<lf::TeamRecord>& teams);

// The N/2 records of a week, slot order. FileError when the schedule is short or a record
// names a team that is not in the league.
std::vector<lf::ScheduleRecord> readWeek(const SeasonLeague& lg, int week);
lf::ScheduleRecord readScheduleRecord(const SeasonLeague& lg, int record);

}  // namespace season
