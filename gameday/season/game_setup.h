#pragma once
// What the engine needs of the league for the chosen game: both team records, both
// rosters of 50 players and the game's type and week.
#include "gameday/engine/game.h"
#include "gameday/season/game_choice.h"
#include "gameday/season/season_league.h"

namespace season {

// lf::FileError when the team or player file is missing or too short for the two teams.
fb::GameSetup loadGameSetup(const SeasonLeague& lg, const GameChoice& choice);

}  // namespace season
