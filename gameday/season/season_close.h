#pragma once
// Closing the season once the championship game is saved: the champion enters the
// champions file and the league file records the season as complete.
#include <string>

#include "gameday/season/season_league.h"
#include "leaguefiles/records_file.h"

namespace season {

struct ChampionshipResult {
    int visitorTeam = 0;
    int homeTeam = 0;
    int visitorScore = 0;
    int homeScore = 0;
    bool overtime = false;  // overtime began
    int quarter = 4;        // the quarter counter at the end: 5 one overtime period, 6 two
};

// City and nickname, trimmed, with one blank between.
std::string fullTeamName(const lf::TeamRecord& team);

// "Veltran City Comets 24   Nova Bay Stars 17", with "  (OT) " or "  (OT2) " after an
// overtime game. Full names; the winner is the visitor only when it scored more.
std::string championText(const std::string& visitorName, const std::string& homeName,
                         const ChampionshipResult& result);

// The champions file with `text` as the record of `season`. Seasons before it that have no
// record yet get "NO CHAMPION", so the champion always lands at its own season.
std::vector<lf::ChampionRecord> championsWith(std::vector<lf::ChampionRecord> champions,
                                              int season, const std::string& text);

// Writes the champion of the league's season and then season state 2 in comma form.
void closeSeason(SeasonLeague& lg, const ChampionshipResult& result);

}  // namespace season
