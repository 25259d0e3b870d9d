#include "commissioner/league_creation.h"

#include <algorithm>
#include <vector>

#include "commissioner/league_install.h"
#include "fixtures/writesched.h"
#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/team_record.h"
#include "leaguefiles/templates.h"

namespace fs = std::filesystem;

namespace commish {
namespace {

struct Templates {
    std::vector<lf::TeamRecord> teams;
    std::vector<lf::PlayerRecord> players;
};

Templates readTemplates(const fs::path& dir) {
    Templates t{lf::readAll<lf::TeamRecord>(lf::resolve(dir, lf::TeamTemplatesFile)),
                lf::readAll<lf::PlayerRecord>(lf::resolve(dir, lf::PlayerTemplatesFile))};
    if (t.teams.size() < lf::TemplateTeams)
        throw lf::FileError("Team templates hold fewer than 32 teams",
                            lf::resolve(dir, lf::TeamTemplatesFile));
    if (t.players.size() < static_cast<size_t>(lf::TemplateTeams * lf::SlotsPerTeam))
        throw lf::FileError("Player templates hold fewer than 32 teams of 50 players",
                            lf::resolve(dir, lf::PlayerTemplatesFile));
    return t;
}

std::vector<lf::PlayerRecord> makePlayers(const fs::path& dir, const NewLeague& r,
                                          const Templates& t, lf::Random& rng) {
    const int n = r.league.teams;
    std::vector<lf::PlayerRecord> players;
    players.reserve(static_cast<size_t>(n) * lf::SlotsPerTeam);
    for (int j = 1; j <= n; ++j)
        for (int k = 1; k <= lf::SlotsPerTeam; ++k) {
            lf::PlayerRecord p = t.players[lf::playerRecordNumber(r.placement[j], k) - 1];
            if (p.number() < 1 || p.number() > 99) p.setNumber(99);
            if (r.resetYears) {
                p.setYears(0);
            } else {
                const int a = rng.uniform(6), b = rng.uniform(6), c = rng.uniform(6);
                p.setYears(a + b + c - 3);
            }
            players.push_back(p);
        }
    if (r.rename) {
        const fs::path first = lf::resolve(dir, lf::FirstNamesFile);
        const fs::path last = lf::resolve(dir, lf::LastNamesFile);
        const auto draw = [&rng](int size) { return rng.uniform(size); };
        for (lf::PlayerRecord& p : players) {
            p.setFirstName(lf::drawName(first, draw));
            p.setLastName(lf::drawName(last, draw));
            p.setRatingsText(varyRatings(std::string(p.ratingsText()), rng));
        }
    }
    for (lf::PlayerRecord& p : players) p.resetForNewLeague();
    return players;
}

}  // namespace

std::string varyRatings(const std::string& ratings, lf::Random& rng) {
    std::string out = ratings;
    for (char& c : out) {
        const int v = c >= '0' && c <= '9' ? c - '0' : 0;
        int value = 0;
        if (v == 0)
            value = 0;
        else if (v == 1)
            value = rng.uniform(2);
        else if (v == 5)
            value = 6 - rng.uniform(2);
        else
            value = std::min(9, v + rng.uniform(3) - 2);
        c = static_cast<char>('0' + value);
    }
    return out;
}

std::string createdMessage(const std::string& name) {
    return "League called " + name + " created successfully!";
}

void createLeague(const fs::path& dir, const NewLeague& request, lf::Random& rng) {
    NewLeague r = request;
    const auto size = lf::leagueSize(r.league.teams);
    if (!size) throw lf::FileError("No such league size: " + std::to_string(r.league.teams) + " teams");
    r.league.state = 0;
    r.league.season = 1;
    r.league.weeks = size->weeks;
    r.league.divisions = size->divisions;
    r.league.teamsPerDivision = size->teamsPerDivision;
    for (int j = 1; j <= r.league.teams; ++j)
        if (r.placement[j] < 1 || r.placement[j] > lf::TemplateTeams)
            throw lf::FileError("No template team " + std::to_string(r.placement[j]));

    // Everything is read and drawn before the first file is written.
    const Templates t = readTemplates(dir);
    std::vector<lf::TeamRecord> teams;
    for (int j = 1; j <= r.league.teams; ++j) {
        lf::TeamRecord team = t.teams[r.placement[j] - 1];
        team.resetForNewLeague();
        teams.push_back(team);
    }
    const std::vector<lf::PlayerRecord> players = makePlayers(dir, r, t, rng);
    const auto schedule = writesched::makeSchedule(dir, r.league, rng);

    Installation in{dir, makeStagingFolder(dir, r.name), {}, r.name + "Archive", r.overwrite};
    try {
        const auto stage = [&](const std::string& ext) {
            in.files.push_back(r.name + "." + ext);
            return in.staging / in.files.back();
        };
        lf::writeLeagueLineForm(stage("lge"), r.league);
        lf::writeAll(stage("tms"), teams);
        lf::writeAll(stage("pla"), players);
        for (auto table : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame, lf::WholeSeason}) {
            lf::writeAll(stage(std::string(lf::individualRecordsExt(table))), lf::initialIndividualRecords());
        }
        for (auto table : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame, lf::WholeSeason}) {
            lf::writeAll(stage(std::string(lf::teamRecordsExt(table))), lf::initialTeamBestRecords());
        }
        lf::writeAll(stage(std::string(lf::ChampionsExt)), lf::initialChampions());
        lf::writeAll(stage("sch"), schedule);
        // The pointer goes last: the new league becomes active only once it is whole.
        lf::writeLeagueName(in.staging, r.name);
        in.files.push_back(std::string(lf::LeaguePointerFile));
    } catch (const lf::FileError&) {
        std::error_code ec;
        fs::remove_all(in.staging, ec);
        throw;
    }
    install(in);
}

}  // namespace commish
