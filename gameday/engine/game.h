// Playing one game: from the weather and the welcome through the coin toss
// and every snap to "END OF GAME". The box score and the saving of results
// read the finished GameState.
#pragma once

#include <array>
#include <string>

#include "gameday/engine/game_state.h"
#include "gameday/engine/seam.h"
#include "gameday/engine/tables.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"
#include "leaguefiles/team_record.h"

namespace fb {

struct GameSetup {
  std::array<int, 3> teamNumber{};                 // 1 visitor, 2 home
  std::array<lf::TeamRecord, 3> team{};
  std::array<std::string, 3> displayName;          // empty: the record's nickname
  std::array<std::array<lf::PlayerRecord, kRosterSize>, 3> players{};  // slots 1..50 at 0..49
  int gameType = 0;        // 0 regular season, 1 playoff, 2 championship
  bool exhibition = false;
  int week = 1;
  std::string leagueTitle;
};

enum class GameEnd {
  Finished,    // played to the final whistle (or stopped by an error, then ended)
  Abandoned,   // END was typed: nothing is to be saved, the menu is not started
};

// Sets the initial values and both sides from the setup, moves injured
// players down and makes the weather. Nothing is shown yet.
void startGame(GameState& g, const GameSetup& setup, lf::Random& rnd);

// Plays a game set up by startGame: welcome, coaches, the game loop and the
// final message. An error inside the game loop ends the loop; its text is
// shown through the seam and the game goes on to the final message.
GameEnd playGame(GameState& g, const Tables& t, lf::Random& rnd, Seam& seam);

// startGame followed by playGame.
GameEnd playGame(GameState& g, const GameSetup& setup, const Tables& t, lf::Random& rnd,
                 Seam& seam);

}  // namespace fb
