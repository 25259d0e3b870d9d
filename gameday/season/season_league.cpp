#include "gameday/season/season_league.h"

#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/stat_index.h"

namespace season {

std::filesystem::path SeasonLeague::file(std::string_view ext) const {
    return lf::leagueFilePath(dir, name, ext);
}

SeasonLeague openSeasonLeague(const std::filesystem::path& dir) {
    SeasonLeague lg{dir, lf::readLeagueName(dir), {}};
    lg.league = lf::readLeague(lg.file("lge"));
    return lg;
}

std::vector<lf::TeamRecord> readTeams(const SeasonLeague& lg) {
    const std::filesystem::path path = lg.file("tms");
    std::vector<lf::TeamRecord> teams = lf::readAll<lf::TeamRecord>(path);
    if (static_cast<int>(teams.size()) < lg.league.teams)
        throw lf::FileError("The team file holds fewer teams than the league has", path);
    teams.resize(lg.league.teams);
    teams.insert(teams.begin(), lf::TeamRecord{});
    return teams;
}

TeamNames readTeamNames(const SeasonLeague& lg) {
    TeamNames names;
    for (const lf::TeamRecord& team : readTeams(lg)) names.push_back(team.nickname());
    names[0].clear();
    return names;
}

Standings standingsOf(const SeasonLeague& lg, const std::vector<lf::TeamRecord>& teams) {
    Standings st{postseasonShape(lg.league.teams), {}};
    st.teams.resize(teams.size());
    for (size_t t = 1; t < teams.size(); ++t) {
        const lf::TeamRecord& r = teams[t];
        TeamStanding& s = st.teams[t];
        s.wins = r.own(lf::stat::Wins);
        s.ties = r.own(lf::stat::Ties);
        s.points = r.own(lf::stat::Points);
        s.pointsAgainst = r.opp(lf::stat::Points);
        s.touchdowns = r.own(lf::stat::Touchdowns);
        s.touchdownsAgainst = r.opp(lf::stat::Touchdowns);
        for (int o = 1; o <= lf::TeamRecord::LastOpponent; ++o) {
            s.headToHead[o] = r.h2hRecord(o);
            s.headToHeadPoints[o] = r.h2hPoints(o);
        }
    }
    return st;
}

lf::ScheduleRecord readScheduleRecord(const SeasonLeague& lg, int record) {
    const std::filesystem::path path = lg.file("sch");
    const lf::ScheduleRecord r = lf::readRecord<lf::ScheduleRecord>(path, record);
    const int n = lg.league.teams;
    if (r.visitor() < 0 || r.visitor() > n || r.home() < 0 || r.home() > n)
        throw lf::FileError("Schedule record " + std::to_string(record) +
                                " names a team that is not in the league",
                            path);
    return r;
}

std::vector<lf::ScheduleRecord> readWeek(const SeasonLeague& lg, int week) {
    std::vector<lf::ScheduleRecord> records;
    const int n = lg.league.teams;
    for (int g = 1; g <= n / 2; ++g)
        records.push_back(readScheduleRecord(lg, lf::scheduleRecordNumber(week, g, n)));
    return records;
}

}  // namespace season
