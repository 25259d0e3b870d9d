// Every team's season figures side by side, section by section, with a league line:
// offence from the teams' own totals, defence from their opponents'.
#pragma once

#include <vector>

#include "tally/league_view.h"
#include "tally/report.h"

namespace tally {

enum class Side { Offence, Defence };

std::vector<std::string> leagueTotalsLines(const LeagueView& view, Side side,
                                           const std::vector<lf::TeamRecord>& teams,
                                           const std::vector<lf::ScheduleRecord>& schedule);

Report leagueTotals(const LeagueView& view, Side side);

}  // namespace tally
