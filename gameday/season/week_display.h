#pragma once
// The week display behind the Pickteam form: which week is shown, the Prior and Future
// steps, and the hand-over to the postseason once the regular season is over.
#include <optional>

#include "gameday/season/messages.h"
#include "gameday/season/season_league.h"
#include "gameday/season/week_view.h"
#include "leaguefiles/random.h"

namespace season {

inline constexpr int RegularSeasonGame = 0;
inline constexpr int PlayoffGame = 1;
inline constexpr int ChampionshipGame = 2;

struct WeekDisplay {
    int week = 1;
    bool autoAdvance = true;  // only the first display of a run moves on by itself
    int gameType = RegularSeasonGame;
    TeamNames names;
    WeekView view;
};

// The first display of a league game choice: from week 1, or from week W once the
// postseason has begun, on to the first week with a game to play. Nothing when the
// season is complete (the user is told so).
std::optional<WeekDisplay> openWeekDisplay(SeasonLeague& lg, const ShowMessage& show,
                                           lf::Random& random);

// Shows display.week; with auto advance on, moves past weeks with nothing left to play,
// setting up postseason rounds on the way.
void displayWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                 lf::Random& random);

// "Prior Weeks" and "Future Weeks": one week back (not below 1) or forward (not beyond W).
void showPriorWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                   lf::Random& random);
void showFutureWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                    lf::Random& random);

// The Prior and Future buttons are hidden once the display is past the regular season.
bool weekButtonsShown(const SeasonLeague& lg, const WeekDisplay& display);

}  // namespace season
