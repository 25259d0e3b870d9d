#include "tools/simseason/season_report.h"

#include <cstdio>

#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"

namespace simseason {

namespace {

// Regular-season games each team has played, from the schedule.
std::vector<int> gamesPlayed(const season::SeasonLeague& lg) {
    std::vector<int> games(static_cast<size_t>(lg.league.teams) + 1, 0);
    for (int w = 1; w <= lg.league.weeks; ++w)
        for (const lf::ScheduleRecord& r : season::readWeek(lg, w))
            if (lf::isPlayedGame(r)) {
                ++games[static_cast<size_t>(r.visitor())];
                ++games[static_cast<size_t>(r.home())];
            }
    return games;
}

}  // namespace

std::vector<std::string> standingsLines(const season::SeasonLeague& lg) {
    const std::vector<lf::TeamRecord> teams = season::readTeams(lg);
    const season::Standings st = season::standingsOf(lg, teams);
    const season::TeamNames names = season::readTeamNames(lg);
    const std::vector<int> games = gamesPlayed(lg);
    std::vector<std::string> lines;
    char buf[128];
    for (int d = 1; d <= lg.league.divisions; ++d) {
        lines.push_back(lg.league.divisionNames[static_cast<size_t>(d - 1)]);
        for (int t : lf::teamsOfDivision(lg.league, d)) {
            const season::TeamStanding& s = st.teams[static_cast<size_t>(t)];
            const int lost = games[static_cast<size_t>(t)] - s.wins - s.ties;
            std::snprintf(buf, sizeof buf, "  %-16s %2d-%2d-%d  %4d %4d", names[t].c_str(),
                          s.wins, lost, s.ties, s.points, s.pointsAgainst);
            lines.push_back(buf);
        }
    }
    return lines;
}

std::string championLine(const season::SeasonLeague& lg) {
    if (lg.league.state != 2) return {};
    const auto champions = lf::readAll<lf::ChampionRecord>(lg.file(lf::ChampionsExt));
    const size_t at = static_cast<size_t>(lg.league.season) - 1;
    if (lg.league.season < 1 || at >= champions.size()) return {};
    return "Champion: " + champions[at].text();
}

std::string gameLine(const std::string& visitor, const std::string& home, int week,
                     int visitorScore, int homeScore, bool overtime) {
    return "Week " + std::to_string(week) + ": " + visitor + " " + std::to_string(visitorScore) +
           " at " + home + " " + std::to_string(homeScore) + (overtime ? " (OT)" : "");
}

}  // namespace simseason
