#include "tally/league_view.h"

#include "leaguefiles/error.h"
#include "leaguefiles/fixed_field.h"
#include "leaguefiles/record_file.h"
#include "tally/format.h"

namespace tally {

namespace {

template <class R>
std::vector<R> readAtLeast(const std::filesystem::path& file, int count) {
    std::vector<R> records = lf::readAll<R>(file);
    if (static_cast<int>(records.size()) < count)
        throw lf::FileError("Input past end of file", file);
    records.resize(static_cast<std::size_t>(count));
    return records;
}

}  // namespace

std::filesystem::path archiveFolderFor(const std::filesystem::path& dir, const std::string& base) {
    if (upper(dir.string()).find("ARCHIVE") != std::string::npos) return dir;
    return lf::archiveFolder(dir, base);
}

std::filesystem::path leagueFile(const LeagueView& view, const std::string& ext) {
    return lf::leagueFilePath(view.dir, view.base, ext);
}

LeagueView openLeague(const std::filesystem::path& dir, const std::string& base, bool archived) {
    LeagueView view;
    view.dir = dir;
    view.base = base;
    view.archived = archived;
    view.header = lf::readLeague(leagueFile(view, "lge"));
    // The layouts of the reports exist for the five league sizes only.
    auto size = lf::leagueSize(view.header.teams);
    if (!size || size->weeks != view.header.weeks || size->divisions != view.header.divisions ||
        size->teamsPerDivision != view.header.teamsPerDivision)
        throw lf::FileError("Bad league file", leagueFile(view, "lge"));
    view.archiveFolder = archiveFolderFor(dir, base);
    loadNames(view, readTeams(view));
    return view;
}

std::vector<lf::TeamRecord> readTeams(const LeagueView& view) {
    return readAtLeast<lf::TeamRecord>(leagueFile(view, "tms"), view.header.teams);
}

std::vector<lf::PlayerRecord> readPlayers(const LeagueView& view) {
    return readAtLeast<lf::PlayerRecord>(leagueFile(view, "pla"), view.header.teams * 50);
}

std::vector<lf::ScheduleRecord> readSchedule(const LeagueView& view) {
    return readAtLeast<lf::ScheduleRecord>(
        leagueFile(view, "sch"), lf::scheduleRecordCount(view.header.weeks, view.header.teams));
}

void loadNames(LeagueView& view, const std::vector<lf::TeamRecord>& teams) {
    const int n = view.header.teams;
    view.shortNames.assign(static_cast<std::size_t>(n) + 2, "");
    view.codes.assign(static_cast<std::size_t>(n) + 1, "");
    for (int t = 1; t <= n; ++t) {
        const auto& image = teams[static_cast<std::size_t>(t) - 1].bytes;
        view.shortNames[t] = lf::rawText(image.data(), 15, 15);
        view.codes[t] = lf::rawText(image.data(), 30, 4);
    }
    view.shortNames[static_cast<std::size_t>(n) + 1] = "LEAGUE";
}

std::vector<std::string> fullNames(const std::vector<lf::TeamRecord>& teams) {
    std::vector<std::string> names(teams.size() + 1);
    for (std::size_t t = 1; t <= teams.size(); ++t)
        names[t] = teams[t - 1].city() + " " + teams[t - 1].nickname();
    return names;
}

std::string printPath(const LeagueView& view, const std::string& fileName) {
    return (view.archiveFolder / fileName).string();
}

}  // namespace tally
