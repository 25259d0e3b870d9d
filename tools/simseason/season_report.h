#pragma once
// What simseason prints when it stops: the standings of the regular season, division by
// division, and the champion once the season is complete.
#include <string>
#include <vector>

#include "gameday/season/season_league.h"

namespace simseason {

// One line per team under its division's name: won, lost, tied, points for and against.
std::vector<std::string> standingsLines(const season::SeasonLeague& lg);

// "Champion: <text>" of the league's season, or nothing before the season is complete.
std::string championLine(const season::SeasonLeague& lg);

// One progress line of a played game: "Week 3: Comets 24 at Stars 17 (OT)".
std::string gameLine(const std::string& visitor, const std::string& home, int week,
                     int visitorScore, int homeScore, bool overtime);

}  // namespace simseason
