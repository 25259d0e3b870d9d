#pragma once
// What the new season needs to know of each team: its name in the report and how well it
// did in the finished season.
#include <string>
#include <vector>

#include "leaguefiles/team_record.h"

namespace retire {

// CInt((wins + 0.5 * ties) / games * 1000 + 250), games = wins + losses + ties or 1 when
// none were played: 250 for a team without a win, 1250 for one without a loss.
int teamValue(const lf::TeamRecord& team);

// Element t (1..N) for team t; element 0 is unused.
std::vector<std::string> teamNames(const std::vector<lf::TeamRecord>& teams, int count);
std::vector<int> teamValues(const std::vector<lf::TeamRecord>& teams, int count);

}  // namespace retire
