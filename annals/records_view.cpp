#include "annals/records_view.h"

#include "annals/record_lines.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"

namespace SeeRecs {

namespace {

// Shown statistics: individual 1..80, team 1..100; a file with fewer records is damaged.
template <class R>
std::vector<R> readTable(const std::filesystem::path& file, size_t needed) {
    std::vector<R> records = lf::readAll<R>(file);
    if (records.size() < needed) throw lf::FileError("Records file is too short", file);
    records.resize(needed);
    return records;
}

}  // namespace

const std::array<std::string_view, 10>& menuCaptions() {
    static const std::array<std::string_view, 10> captions = {
        "Game: Individual", "Playoff: Individual", "Stellar Bowl: Individual",
        "Season: Individual", "Game: Team", "Playoff: Team", "Stellar Bowl: Team",
        "Season: Team", "Past Champions", "Exit"};
    return captions;
}

std::vector<std::string> recordsView(const std::filesystem::path& dir, std::string_view league,
                                     int button, const std::vector<std::string>& labels) {
    if (button >= 0 && button <= 3) {
        const auto ext = lf::individualRecordsExt(lf::RecordTable(button));
        return individualLines(labels, readTable<lf::IndividualRecord>(
                                           lf::leagueFilePath(dir, league, ext), 80));
    }
    if (button >= 4 && button <= 7) {
        const auto ext = lf::teamRecordsExt(lf::RecordTable(button - 4));
        return teamLines(labels, readTable<lf::TeamBestRecord>(
                                     lf::leagueFilePath(dir, league, ext), 100));
    }
    return championLines(lf::readAll<lf::ChampionRecord>(
        lf::leagueFilePath(dir, league, lf::ChampionsExt)));
}

}  // namespace SeeRecs
