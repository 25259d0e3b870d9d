#pragma once
// One league game played the way a gameday run plays it, without windows: the week
// display picks the next game, the computer coaches both sides, the result flags are set
// and the game is saved into the league files.
#include <filesystem>
#include <optional>
#include <string>

#include "gameday/engine/game_state.h"
#include "gameday/engine/tables.h"
#include "gameday/season/game_choice.h"
#include "leaguefiles/random.h"

namespace simseason {

struct PlayedGame {
    season::GameChoice choice;
    fb::GameState game;
};

// Plays and saves the next league game of the league in `dir`. Nothing when no game can
// be played; `stopReason` then holds what the week display said (for a finished league
// "The season is complete!"). lf::FileError when a league file is missing or damaged.
std::optional<PlayedGame> playNextGame(const std::filesystem::path& dir, const fb::Tables& tables,
                                       lf::Random& random, std::string& stopReason);

}  // namespace simseason
