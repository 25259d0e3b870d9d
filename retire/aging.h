#pragma once
// A season older: years + 1 and every rating above 0 may rise or fall, with odds by years.
#include <string_view>

#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"

namespace retire {

// A rating rises when a draw 1..100 is at most `up`, else falls when it exceeds 100 - `down`.
struct AgingOdds {
    int up;
    int down;
};
AgingOdds agingOdds(int years);

// The highest rating p a player of this position may hold after aging (5 when uncapped).
int positionCap(std::string_view position, int p);

// Years + 1, then one draw per rating above 0 in rating order; a rating of 1 falls to 0
// only from 20 years on. The ratings are stored as fifteen digits and a blank.
void agePlayer(lf::PlayerRecord& player, lf::Random& rng);

}  // namespace retire
