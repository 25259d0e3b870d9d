// Closing a finished season: season records, then archive copies of its files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tally/league_view.h"

namespace tally {

// "New Season" is offered only for the active league once its season is finished.
bool newSeasonAllowed(const LeagueView& view);

// Merges every player's season figures into ".irs" and every team's own totals into
// ".trs" by the record rule, with "----" as opponent and W as week.
void saveSeasonRecords(const LeagueView& view);

// Copies ".lge", ".pla", ".sch" and ".tms" into the league's archive folder as base name +
// season tag, replacing older copies; returns the copies. The folder must exist.
std::vector<std::filesystem::path> archiveSeason(const LeagueView& view);

std::string archivedMessage(const LeagueView& view);

}  // namespace tally
