#pragma once
// The team assignment screen "Select Teams (Drag And Drop)" (Newlge).
#include <array>
#include <string>

#include "commissioner/team_placement.h"
#include "leaguefiles/league_file.h"

namespace commish {

// Shows the 32 template teams placed in the league's divisions and under "UNASSIGNED";
// dropping one team onto another exchanges them. Returns the placement on "Exit".
Placement runTeamScreen(const lf::League& league, const std::array<std::string, 32>& labels);

}  // namespace commish
