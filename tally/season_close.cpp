#include "tally/season_close.h"

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/stat_index.h"
#include "tally/format.h"

namespace tally {

bool newSeasonAllowed(const LeagueView& view) { return view.header.state == 2 && !view.archived; }

void saveSeasonRecords(const LeagueView& view) {
    const int n = view.header.teams;
    const int season = view.header.season;
    const int week = view.header.weeks;
    const std::string opponent(lf::SeasonOpponent);

    auto players = readPlayers(view);
    const auto individual = leagueFile(view, std::string(lf::individualRecordsExt(lf::WholeSeason)));
    for (int k = 1; k <= 80; ++k) {
        auto record = lf::readRecord<lf::IndividualRecord>(individual, k);
        bool changed = false;
        for (int r = 1; r <= n * 50; ++r) {
            const auto& player = players[static_cast<std::size_t>(r) - 1];
            if (auto v = lf::newRecordValue(k, player.stat(k), record.value())) {
                record.set(player.displayName(), view.shortNames[(r - 1) / 50 + 1], opponent, *v,
                           season, week);
                changed = true;
            }
        }
        if (changed) lf::writeRecord(individual, k, record);
    }

    auto teams = readTeams(view);
    const auto teamBest = leagueFile(view, std::string(lf::teamRecordsExt(lf::WholeSeason)));
    for (int k = 1; k <= lf::stat::TeamLast; ++k) {
        auto record = lf::readRecord<lf::TeamBestRecord>(teamBest, k);
        bool changed = false;
        for (int t = 1; t <= n; ++t)
            if (auto v = lf::newRecordValue(k, teams[static_cast<std::size_t>(t) - 1].own(k),
                                            record.value())) {
                record.set(view.shortNames[t], opponent, *v, season, week);
                changed = true;
            }
        if (changed) lf::writeRecord(teamBest, k, record);
    }
}

std::vector<std::filesystem::path> archiveSeason(const LeagueView& view) {
    const auto folder = lf::archiveFolder(view.dir, view.base);
    if (!std::filesystem::is_directory(folder)) throw lf::FileError("Path not found", folder);
    std::vector<std::filesystem::path> copies;
    for (const char* ext : {"lge", "pla", "sch", "tms"}) {
        auto copy = folder / (view.base + seasonTag(view.header.season) + "." + ext);
        lf::replaceFile(copy, lf::readFile(leagueFile(view, ext)));
        copies.push_back(copy);
    }
    return copies;
}

std::string archivedMessage(const LeagueView& view) {
    return "All files for " + view.base + " have been archived!";
}

}  // namespace tally
