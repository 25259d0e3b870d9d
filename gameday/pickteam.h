#pragma once
// Pickteam, the week display, and Exhibition, the choice of any two teams.
#include <optional>

#include "gameday/season/game_choice.h"
#include "gameday/season/week_display.h"

namespace gameday {

// Shows the display until a game is picked (or "Play Next Game") or "Cancel".
std::optional<season::GameChoice> pickLeagueGame(season::SeasonLeague& lg,
                                                 season::WeekDisplay& display,
                                                 const season::ShowMessage& show,
                                                 lf::Random& random);

// "Exhibition Game": nothing when cancelled or a side is left unchosen.
std::optional<season::GameChoice> pickExhibition(const season::SeasonLeague& lg,
                                                 lf::Random& random);

}  // namespace gameday
