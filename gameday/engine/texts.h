// Texts of the scoreboard and the logs that windows and the box score share.
// Like every text of the league files they are single-byte Windows-1252.
#pragma once

#include <string>

#include "gameday/engine/game_state.h"

namespace fb {

// A non-negative integer with one leading blank, a negative one with its sign.
std::string signPlace(int value);

// The clock as the scoreboard shows it: " 4:07" (a negative clock shows 0:00).
std::string clockText(int secondsLeft);

// Prefix of event and scoring lines: quarter, clock, team code, yards to goal.
std::string eventPrefix(const GameState& g);

// Column at which a play text is printed, centred on a 56-character line.
int playTextColumn(const std::string& text);

// Values of the scoreboard labels.
struct ScoreboardView {
  std::string visitorLabel, homeLabel;   // name + " * " / "   " + timeout marks
  int visitorScore = 0, homeScore = 0;
  int down = 1, yardsToGo = 10, quarter = 1;
  std::string time;                      // " 4:07"
  std::string ballOn;                    // "Bears  35", "midfield"
  std::string wind;                      // "WITH Light Wind"
  std::string precipitation;
  std::string temperature;               // "Temperature: 54\xB0 F"
};
ScoreboardView scoreboardView(const GameState& g);

}  // namespace fb
