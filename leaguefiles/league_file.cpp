#include "leaguefiles/league_file.h"


#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/seq_fields.h"

namespace lf {

const std::array<LeagueSize, 5>& leagueSizes() {
    static const std::array<LeagueSize, 5> sizes{{
        {8, 14, 2, 4},
        {16, 16, 4, 4},
        {24, 16, 6, 4},
        {30, 16, 6, 5},
        {32, 16, 8, 4},
    }};
    return sizes;
}

std::optional<LeagueSize> leagueSize(int teams) {
    for (const LeagueSize& s : leagueSizes())
        if (s.teams == teams) return s;
    return std::nullopt;
}

std::string readLeagueName(const std::filesystem::path& dir) {
    return FieldReader::fromFile(resolve(dir, LeaguePointerFile)).text();
}

void writeLeagueName(const std::filesystem::path& dir, std::string_view name) {
    replaceFile(resolve(dir, LeaguePointerFile), std::string(name) + "\r\n");
}

std::filesystem::path leagueFilePath(const std::filesystem::path& dir, std::string_view name,
                                     std::string_view ext) {
    return resolve(dir, std::string(name) + "." + std::string(ext));
}

std::filesystem::path archiveFolder(const std::filesystem::path& dir, std::string_view name) {
    return resolve(dir, std::string(name) + "Archive");
}

League readLeague(const std::filesystem::path& file) {
    FieldReader in = FieldReader::fromFile(file);
    League l;
    l.state = in.number();
    l.season = in.number();
    l.title = in.text();
    l.teams = in.number();
    l.weeks = in.number();
    l.divisions = in.number();
    l.teamsPerDivision = in.number();
    for (std::string& name : l.divisionNames) name = in.text();
    // Every record file is sized from these numbers: a combination outside the table
    // means a damaged file, not a league.
    const std::optional<LeagueSize> size = leagueSize(l.teams);
    if (!size || size->weeks != l.weeks || size->divisions != l.divisions ||
        size->teamsPerDivision != l.teamsPerDivision)
        throw FileError("Damaged league file (no league of " + std::to_string(l.teams) +
                            " teams, " + std::to_string(l.weeks) + " weeks, " +
                            std::to_string(l.divisions) + " divisions of " +
                            std::to_string(l.teamsPerDivision) + ")",
                        file);
    return l;
}

std::string cleanName(std::string_view name) {
    std::string out;
    for (char c : name)
        if (c != ',' && c != '"' && c != '\r' && c != '\n') out += c;
    const size_t first = out.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const size_t last = out.find_last_not_of(" \t");
    return out.substr(first, last - first + 1);
}

namespace {

std::vector<Field> leadingFields(const League& l) {
    return {l.state, l.season, cleanName(l.title), l.teams, l.weeks, l.divisions,
            l.teamsPerDivision};
}

std::vector<Field> divisionFields(const League& l) {
    std::vector<Field> out;
    for (const std::string& name : l.divisionNames) out.emplace_back(cleanName(name));
    return out;
}

}  // namespace

void writeLeagueLineForm(const std::filesystem::path& file, const League& league) {
    replaceFile(file, lineForm(leadingFields(league)) + lineForm(divisionFields(league)));
}

void writeLeagueCommaForm(const std::filesystem::path& file, const League& league) {
    replaceFile(file, commaLine(leadingFields(league)) + commaLine(divisionFields(league)));
}

int divisionOf(const League& league, int team) {
    return (team - 1) / league.teamsPerDivision + 1;
}

int conferenceOfDivision(const League& league, int division) {
    return division <= league.divisions / 2 ? 1 : 2;
}

int conferenceOf(const League& league, int team) {
    return conferenceOfDivision(league, divisionOf(league, team));
}

std::vector<int> teamsOfDivision(const League& league, int division) {
    std::vector<int> teams;
    for (int t = (division - 1) * league.teamsPerDivision + 1;
         t <= division * league.teamsPerDivision; ++t)
        teams.push_back(t);
    return teams;
}

}  // namespace lf
