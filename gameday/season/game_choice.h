#pragma once
// The game the run plays: a league game picked on the week display, or an exhibition of
// any two teams.
#include <optional>
#include <string>
#include <vector>

#include "gameday/season/season_league.h"
#include "gameday/season/week_display.h"
#include "leaguefiles/random.h"

namespace season {

struct GameChoice {
    int visitorTeam = 0;
    int homeTeam = 0;
    std::string visitorName;
    std::string homeName;
    int week = 0;
    int gameType = RegularSeasonGame;
    bool exhibition = false;
    int record = 0;  // schedule record of a league game
};

// The game on line `slot` of the shown week; nothing when that line cannot be picked.
std::optional<GameChoice> chooseGame(const SeasonLeague& lg, const WeekDisplay& display,
                                     int slot);

// "Play Next Game": the selectable line with the lowest slot, if any.
std::optional<GameChoice> chooseNextGame(const SeasonLeague& lg, const WeekDisplay& display);

// Team numbers in the order of the exhibition lists: by the 15-character name field.
std::vector<int> exhibitionOrder(const TeamNames& names);

// An exhibition between two teams (0 = not chosen): nothing unless both are chosen. The
// week is a random one of the regular season.
std::optional<GameChoice> exhibitionGame(int visitorTeam, int homeTeam, const TeamNames& names,
                                         int weeks, lf::Random& random);

}  // namespace season
