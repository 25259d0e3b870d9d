#pragma once
// The editor's reads and writes of the active league's team and player files.
#include <filesystem>
#include <string>
#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/team_record.h"

namespace newedit {

struct LeagueStore {
    std::filesystem::path dir;
    std::string name;  // active league name as read from the pointer file
    lf::League league;

    // Reads the league pointer and league file of dir. FileError when either fails.
    static LeagueStore open(const std::filesystem::path& dir);

    std::filesystem::path teamFile() const;
    std::filesystem::path playerFile() const;

    // All N team records.
    std::vector<lf::TeamRecord> readTeams() const;
    void writeTeam(int team, const lf::TeamRecord& record) const;

    // The 50 players of a team in slot order, and writing them back in place.
    std::vector<lf::PlayerRecord> readTeamPlayers(int team) const;
    void writeTeamPlayers(int team, const std::vector<lf::PlayerRecord>& players) const;

    // The players of one position across the league, in player-file order, with their
    // record numbers.
    struct PositionPlayer {
        int record;
        lf::PlayerRecord player;
    };
    std::vector<PositionPlayer> readPosition(const std::string& position) const;

    // Exchanges two whole records of the player file: each player takes the other's team
    // and slot. The file is replaced at once, so a failure leaves it as it was.
    void exchangePlayers(int recordA, int recordB) const;

    // Archive folder + the code field as stored (4 characters) + "ROST" + season as three
    // digits + ".txt".
    std::filesystem::path defaultRosterFile(const lf::TeamRecord& team) const;
};

}  // namespace newedit
