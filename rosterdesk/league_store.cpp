#include "rosterdesk/league_store.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/fixed_field.h"
#include "leaguefiles/record_file.h"

namespace newedit {

LeagueStore LeagueStore::open(const std::filesystem::path& dir) {
    LeagueStore store;
    store.dir = dir;
    store.name = lf::readLeagueName(dir);
    store.league = lf::readLeague(lf::leagueFilePath(dir, store.name, "lge"));
    return store;
}

std::filesystem::path LeagueStore::teamFile() const { return lf::leagueFilePath(dir, name, "tms"); }
std::filesystem::path LeagueStore::playerFile() const { return lf::leagueFilePath(dir, name, "pla"); }

std::vector<lf::TeamRecord> LeagueStore::readTeams() const {
    std::vector<lf::TeamRecord> teams = lf::readAll<lf::TeamRecord>(teamFile());
    if (int(teams.size()) < league.teams)
        throw lf::FileError("Team file holds fewer teams than the league", teamFile());
    teams.resize(league.teams);
    return teams;
}

void LeagueStore::writeTeam(int team, const lf::TeamRecord& record) const {
    lf::writeRecord(teamFile(), team, record);
}

namespace {

// The whole player file, refused when it cannot hold team `team`.
std::vector<lf::PlayerRecord> readPlayersUpTo(const std::filesystem::path& file, int team) {
    std::vector<lf::PlayerRecord> all = lf::readAll<lf::PlayerRecord>(file);
    if (int(all.size()) < team * lf::SlotsPerTeam)
        throw lf::FileError("Player file holds fewer players than the league", file);
    return all;
}

}  // namespace

std::vector<lf::PlayerRecord> LeagueStore::readTeamPlayers(int team) const {
    const std::vector<lf::PlayerRecord> all = readPlayersUpTo(playerFile(), team);
    const auto first = all.begin() + (lf::playerRecordNumber(team, 1) - 1);
    return {first, first + lf::SlotsPerTeam};
}

void LeagueStore::writeTeamPlayers(int team, const std::vector<lf::PlayerRecord>& players) const {
    std::vector<lf::PlayerRecord> all = readPlayersUpTo(playerFile(), team);
    std::copy(players.begin(), players.begin() + lf::SlotsPerTeam,
              all.begin() + (lf::playerRecordNumber(team, 1) - 1));
    lf::writeAll(playerFile(), all);
}

std::vector<LeagueStore::PositionPlayer> LeagueStore::readPosition(const std::string& position) const {
    const std::vector<lf::PlayerRecord> all = lf::readAll<lf::PlayerRecord>(playerFile());
    std::vector<PositionPlayer> out;
    const int count = std::min<int>(int(all.size()), league.teams * lf::SlotsPerTeam);
    for (int r = 1; r <= count; ++r)
        if (all[r - 1].position() == position) out.push_back({r, all[r - 1]});
    return out;
}

void LeagueStore::exchangePlayers(int recordA, int recordB) const {
    std::vector<lf::PlayerRecord> all = lf::readAll<lf::PlayerRecord>(playerFile());
    if (recordA < 1 || recordB < 1 || recordA > int(all.size()) || recordB > int(all.size()))
        throw lf::FileError("Player record out of range", playerFile());
    std::swap(all[recordA - 1], all[recordB - 1]);
    lf::writeAll(playerFile(), all);
}

std::filesystem::path LeagueStore::defaultRosterFile(const lf::TeamRecord& team) const {
    char season[16];
    std::snprintf(season, sizeof season, "%03d", league.season);
    return lf::archiveFolder(dir, name) / (lf::rawText(team.bytes.data(), 30, 4) + "ROST" + season + ".txt");
}

}  // namespace newedit
