#include "gameday/engine/game_state.h"

#include <algorithm>
#include <cstdlib>

namespace fb {

void exchangeSides(GameState& g) {
  std::swap(g.offense, g.defense);
}

void startNewSeries(GameState& g) {
  g.down = 1;
  g.yardsToGo = g.ballOn > 90 ? 100 - g.ballOn : 10;
  g.play.newSeries = true;
}

void keepInField(GameState& g) {
  int& y = g.play.yards;
  if (g.ballOn + y >= 100)
    y = std::max(0, 100 - g.ballOn);
  else if (g.ballOn + y <= 0)
    y = -g.ballOn;
}

void resetPlay(GameState& g) {
  Play& p = g.play;
  p.group = 0;
  p.huddleSeconds = 35;
  p.fumble = false;
  p.fumbleChance = 0;
  p.penaltyAccepted = false;
  p.counts = true;
  p.penaltyYards = 0;
  p.touchdown = false;
  p.kickPlay = false;
  g.possessionAtSnap = g.offense;
  p.downAtSnap = 0;
  p.firstDownKind = 0;
  p.newSeries = false;
  p.kick = false;
  p.tackler = 0;
}

int lineupPlayer(const GameState& g, int side, int place) {
  return g.side[side].lineup[place];
}

}  // namespace fb
