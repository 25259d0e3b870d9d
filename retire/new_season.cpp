#include "retire/new_season.h"

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"
#include "retire/aging.h"
#include "retire/depth_order.h"
#include "retire/replace_together.h"
#include "retire/retirement.h"
#include "retire/signings.h"
#include "retire/team_values.h"

namespace retire {
namespace fs = std::filesystem;
namespace {

template <class R>
std::vector<R> readAtLeast(const fs::path& file, size_t count, const char* what) {
    std::vector<R> records = lf::readAll<R>(file);
    if (records.size() < count)
        throw lf::FileError(std::string(what) + " file holds " + std::to_string(records.size()) +
                                " records where the league needs " + std::to_string(count),
                            file);
    return records;
}

}  // namespace

bool seasonFinished(const lf::League& league) { return league.state == 2; }

Season loadSeason(const fs::path& dir, const std::string& name, const lf::League& league) {
    const fs::path leagueFile = lf::leagueFilePath(dir, name, "lge");
    if (!lf::leagueSize(league.teams))
        throw lf::FileError("League file holds no valid team count", leagueFile);
    const size_t teams = static_cast<size_t>(league.teams);
    Season season{name, league, {}, {}};
    season.teams = readAtLeast<lf::TeamRecord>(lf::leagueFilePath(dir, name, "tms"), teams, "Team");
    season.players = readAtLeast<lf::PlayerRecord>(lf::leagueFilePath(dir, name, "pla"),
                                                   teams * lf::SlotsPerTeam, "Player");
    return season;
}

Report startNextSeason(Season& season, const NameLists& lists, lf::Random& rng) {
    const int n = season.league.teams;
    const auto names = teamNames(season.teams, n);
    const auto values = teamValues(season.teams, n);
    auto& players = season.players;
    const int records = n * lf::SlotsPerTeam;
    Report report;

    report.left.push_back("FREE AGENT/TRADE SIGNINGS");
    const auto order = teamOrder(n, rng);
    signPlayers(players, order, names, rng, report.left);
    for (int r = 1; r <= records; ++r) agePlayer(players[r - 1], rng);
    report.left.push_back(" ");
    report.left.push_back("RETIRED VETERANS");
    retirePlayers(players, n, names, report.left);
    report.right.push_back("ROOKIES");
    draftRookies(players, n, names, values, lists, rng, report.right);
    orderDepthCharts(players, n);

    for (int t = 1; t <= n; ++t) season.teams[t - 1].resetForNewSeason();
    for (int r = 1; r <= records; ++r) players[r - 1].resetForNewSeason();
    season.league.state = 0;
    season.league.season += 1;
    return report;
}

void saveSeason(const fs::path& dir, const Season& season) {
    replaceTogether({
        {lf::leagueFilePath(dir, season.name, "pla"),
         [&](const fs::path& f) { lf::writeAll(f, season.players); }},
        {lf::leagueFilePath(dir, season.name, "tms"),
         [&](const fs::path& f) { lf::writeAll(f, season.teams); }},
        {lf::leagueFilePath(dir, season.name, "lge"),
         [&](const fs::path& f) { lf::writeLeagueLineForm(f, season.league); }},
    });
}

}  // namespace retire
