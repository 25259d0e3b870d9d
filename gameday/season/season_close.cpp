#include "gameday/season/season_close.h"

#include <filesystem>

#include "gameday/season/week_view.h"
#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"

namespace season {

std::string fullTeamName(const lf::TeamRecord& team) {
    return team.city() + " " + team.nickname();
}

std::string championText(const std::string& visitorName, const std::string& homeName,
                         const ChampionshipResult& r) {
    const bool visitorWon = r.visitorScore > r.homeScore;
    std::string text = (visitorWon ? visitorName : homeName) +
                       withSignPlace(visitorWon ? r.visitorScore : r.homeScore) + "   " +
                       (visitorWon ? homeName : visitorName) +
                       withSignPlace(visitorWon ? r.homeScore : r.visitorScore);
    if (r.overtime) {
        text += "  (OT";
        if (r.quarter - 4 > 1) text += std::to_string(r.quarter - 4);
        text += ") ";
    }
    return text;
}

std::vector<lf::ChampionRecord> championsWith(std::vector<lf::ChampionRecord> champions,
                                              int season, const std::string& text) {
    if (season < 1) throw lf::FileError("Season " + std::to_string(season) +
                                        " cannot hold a champion");
    while (static_cast<int>(champions.size()) < season) {
        lf::ChampionRecord none;
        none.setText("NO CHAMPION");
        champions.push_back(none);
    }
    champions[season - 1].setText(text);
    return champions;
}

void closeSeason(SeasonLeague& lg, const ChampionshipResult& result) {
    const std::vector<lf::TeamRecord> teams = readTeams(lg);
    const int n = lg.league.teams;
    if (result.visitorTeam < 1 || result.visitorTeam > n || result.homeTeam < 1 ||
        result.homeTeam > n)
        throw lf::FileError("The championship game names a team that is not in the league");
    const std::string text = championText(fullTeamName(teams[result.visitorTeam]),
                                          fullTeamName(teams[result.homeTeam]), result);

    const std::filesystem::path champions = lg.file(lf::ChampionsExt);
    std::vector<lf::ChampionRecord> records;
    if (std::filesystem::exists(champions)) records = lf::readAll<lf::ChampionRecord>(champions);
    lf::writeAll(champions, championsWith(std::move(records), lg.league.season, text));

    lf::League league = lf::readLeague(lg.file("lge"));
    league.state = 2;
    lf::writeLeagueCommaForm(lg.file("lge"), league);
    lg.league = league;
}

}  // namespace season
