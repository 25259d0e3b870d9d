#include "gameday/season/game_setup.h"

#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"

namespace season {

fb::GameSetup loadGameSetup(const SeasonLeague& lg, const GameChoice& choice) {
    fb::GameSetup setup;
    const std::vector<lf::TeamRecord> teams = readTeams(lg);
    const std::filesystem::path playerFile = lg.file("pla");
    const int players = lf::recordCount(playerFile, lf::PlayerRecord::Size);
    const int number[3] = {0, choice.visitorTeam, choice.homeTeam};
    const std::string name[3] = {"", choice.visitorName, choice.homeName};
    for (int s = fb::kVisitor; s <= fb::kHome; ++s) {
        const int t = number[s];
        if (t < 1 || t >= static_cast<int>(teams.size()))
            throw lf::FileError("Team " + std::to_string(t) + " is not in the league", lg.file("tms"));
        if (t * fb::kRosterSize > players)
            throw lf::FileError("The player file holds no full roster for team " + std::to_string(t),
                                playerFile);
        setup.teamNumber[s] = t;
        setup.team[s] = teams[t];
        setup.displayName[s] = name[s];
        for (int slot = 1; slot <= fb::kRosterSize; ++slot)
            setup.players[s][slot - 1] =
                lf::readRecord<lf::PlayerRecord>(playerFile, (t - 1) * fb::kRosterSize + slot);
    }
    setup.gameType = choice.gameType;
    setup.exhibition = choice.exhibition;
    setup.week = choice.week;
    setup.leagueTitle = lg.league.title;
    return setup;
}

}  // namespace season
