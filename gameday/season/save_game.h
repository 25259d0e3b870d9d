#pragma once
// Writing a finished league game into the league files: season totals and head-to-head
// tallies (regular season only), the result in the schedule, the players' injuries, the
// league records of the game type and, for the championship, the champion and the end of
// the season. All of it lands or none of it does: the schedule, which tells every program
// whether the game was played, is put in place last.
#include <filesystem>

#include "gameday/engine/game_state.h"
#include "gameday/season/staged_files.h"

namespace season {

// Saves the game of schedule record `scheduleRecord` from the league directory `dir`.
// Exhibitions and abandoned games write nothing. lf::FileError (what failed and where)
// leaves every file of the league as it was.
void saveGameResults(const fb::GameState& g, const std::filesystem::path& dir,
                     int scheduleRecord, const SaveProbe& probe = {});

}  // namespace season
