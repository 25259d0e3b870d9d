#pragma once
// Depth chart changes on a team's 50 players held in memory (slot s = players[s - 1]).
#include <vector>

#include "leaguefiles/player_record.h"

namespace newedit {

// First-string slots, highlighted in the depth chart: QB1, FB1, HB1-2, WR1-4, TE1-2, CE1,
// OG1-2, OT1-2, DE1-2, DT1-2, LB1-4, CB1-3, SA1-3, KI1, PU1.
bool isFirstString(int slot);

// Dropping the player of slot `from` onto slot `to`: players of one position exchange
// their records; anything else changes nothing. True when the two changed places.
bool dropPlayer(std::vector<lf::PlayerRecord>& players, int from, int to);

}  // namespace newedit
