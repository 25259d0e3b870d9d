#pragma once
// Which template team goes to which place of a new league: place j (1..N) is league team j,
// placement[j] the template team copied there. Places N+1..32 are the unassigned teams.
#include <array>
#include <string>

#include "leaguefiles/team_record.h"

namespace commish {

using Placement = std::array<int, 33>;  // element 0 unused, always 0

// Template team i at place i.
Placement identityPlacement();

// Dropping the label of place a onto the label of place b.
void exchangePlaces(Placement& placement, int a, int b);

// Division (1-based) of place j in a league of T teams per division.
int divisionOfPlace(int place, int teamsPerDivision);

// A team label: the city in 15 characters, one blank, the nickname.
std::string teamLabel(const lf::TeamRecord& team);

}  // namespace commish
