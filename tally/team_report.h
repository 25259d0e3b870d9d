// One team's season report (schedule, summary, every category) and the entire league.
#pragma once

#include <string>
#include <vector>

#include "tally/league_view.h"
#include "tally/report.h"

namespace tally {

// The team chooser's order: teams 1..N ascending by full name, by character code.
std::vector<int> chooserOrder(const std::vector<std::string>& fullNames);

// The report lines of team t from the season's records, and the games G it counted.
struct TeamSeason {
    std::vector<std::string> lines;
    int games = 0;
};
TeamSeason teamSeasonLines(const LeagueView& view, int team,
                           const std::vector<lf::TeamRecord>& teams,
                           const std::vector<lf::PlayerRecord>& players,
                           const std::vector<lf::ScheduleRecord>& schedule);

// Minutes and seconds per game of `seconds` over `games` (at least one): "30:30", " 9:05".
std::string possessionPerGame(long long seconds, int games);

// Read from the season's files.
Report teamReport(const LeagueView& view, int team);
Report entireLeague(const LeagueView& view);

}  // namespace tally
