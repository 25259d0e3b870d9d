#pragma once
// Team display names and the order the team chooser lists them in.
#include <string>
#include <vector>

#include "leaguefiles/team_record.h"

namespace newedit {

// Trimmed city, one blank, trimmed nickname.
std::string teamDisplayName(const lf::TeamRecord& team);

// Team numbers 1..N sorted by name (names[t - 1] is team t's), by character codes,
// exchanging entries i < j whenever the name at i sorts after the name at j.
std::vector<int> teamOrder(const std::vector<std::string>& names);

// The chooser's entries: "CANCEL", then the names in team order.
std::vector<std::string> chooserEntries(const std::vector<std::string>& names,
                                        const std::vector<int>& order);

// The team number of chooser entry `index` (0 = "CANCEL" or nothing chosen).
int chosenTeam(const std::vector<int>& order, int index);

}  // namespace newedit
