#pragma once
// Free-agent and trade signings: players exchanged between teams within their group.
#include <string>
#include <vector>

#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"

namespace retire {

// A permutation of 1..teams in elements 1..teams (element 0 unused): the identity, then
// entry i exchanged with a drawn entry for each i in turn.
std::vector<int> teamOrder(int teams, lf::Random& rng);

// Three signings per team in the order given: a drawn slot of that team exchanged with a
// drawn slot of the same group of a drawn team (possibly itself). Two report lines each,
// "QB John Smith of Comets to Rockets", for the players now in each of the two teams.
void signPlayers(std::vector<lf::PlayerRecord>& players, const std::vector<int>& order,
                 const std::vector<std::string>& names, lf::Random& rng,
                 std::vector<std::string>& report);

}  // namespace retire
