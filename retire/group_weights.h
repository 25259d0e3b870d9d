#pragma once
// How a position group values its players: each rating times its weight for the group.
#include <string_view>

#include "leaguefiles/player_record.h"

namespace retire {

// Sum over the fifteen ratings of rating times weight for the group with this position
// code (weight 1 where the group names none; every weight 1 for an unknown code).
int weightedSum(const lf::PlayerRecord& player, std::string_view groupCode);

}  // namespace retire
