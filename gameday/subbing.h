#pragma once
// Subbing: one side's depth chart as fifty labels; dropping a label on another exchanges
// the two slots when the substitution rule allows it.
#include "gameday/engine/game_state.h"

namespace gameday {

void showSubstitution(fb::GameState& g, int side);

}  // namespace gameday
