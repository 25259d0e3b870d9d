#pragma once
// frmShowStats: the box score ("Game Statistics") or the summary of game events ("Game
// Events") in a fixed-pitch list, with "Show Events"/"Show Stats", "Print" and "Exit".
#include <filesystem>

#include "gameday/engine/game_state.h"

namespace gameday {

struct StatsContext {
    int season = 1;
    std::filesystem::path archive;  // the league's archive folder, for the box-score logs
};

// Shows the box score first; toggling closes the window and opens it again with the other
// view. Returns when "Exit" closes it.
void showGameStatistics(const fb::GameState& g, const StatsContext& context, bool events = false);

}  // namespace gameday
