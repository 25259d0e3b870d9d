#pragma once
// The postseason step of the week display: the first time the display passes the regular
// season the league enters the postseason; each round is set up once, when the display
// first reaches its week.
#include "gameday/season/messages.h"
#include "gameday/season/season_league.h"
#include "gameday/season/week_display.h"
#include "leaguefiles/random.h"

namespace season {

inline constexpr const char* SeasonCompleteText = "The season is complete!";
inline constexpr const char* SettingUpText = "Setting Up Postseason";
inline constexpr const char* RoundNotReadyText =
    "The next postseason round cannot be set up: a game of the round before has no result.";

// Runs for display.week beyond W. Returns true when the display goes on with that week,
// false when it ends here (season complete, or a round that cannot be set up yet).
bool postseasonStep(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                    lf::Random& random);

}  // namespace season
