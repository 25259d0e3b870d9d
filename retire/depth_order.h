#pragma once
// Depth charts ordered by ability: within each group from QB to SA the best-scoring
// player takes the first slot. Years and injuries play no part.
#include <vector>

#include "leaguefiles/player_record.h"

namespace retire {

// For every team and group QB ... SA (the kicker and punter are single slots): scores of
// 10 * weighted sum, then an exchange sort from high to low that never exchanges equals.
void orderDepthCharts(std::vector<lf::PlayerRecord>& players, int teams);

}  // namespace retire
