#pragma once
// The game statistics window's two views as list lines: the box score and the summary of
// game events, built from a finished (or running) game. Lines are Windows-1252 text with
// tab characters where the columns want them.
#include <string>
#include <vector>

#include "gameday/engine/game_state.h"

namespace season {

inline constexpr const char* BoxScoreCaption = "Game Statistics";
inline constexpr const char* EventsCaption = "Game Events";

// The text followed by 14 blanks, cut to 14 characters.
std::string l14(const std::string& text);
// The number with a sign place behind three blanks, its last three characters.
std::string n3(int n);
// The number without sign place right-justified in k; its first k characters when longer.
std::string rk(int n, int k);

// Won (statistic 99) and tied (100) for both sides from the score. Every earlier value
// is replaced, so a box score shown during the game leaves no stale result behind.
void setResultFlags(fb::GameState& g);

std::vector<std::string> boxScoreLines(const fb::GameState& g);
std::vector<std::string> gameEventsLines(const fb::GameState& g);

}  // namespace season
