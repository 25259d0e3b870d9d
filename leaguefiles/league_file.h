#pragma once
// The league pointer "league.id1", the league file (name + ".lge") and the structure
// that its numbers fix: sizes, divisions and conferences.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lf {

struct League {
    int state = 0;   // 0 regular season, 1 postseason, 2 season finished
    int season = 1;
    std::string title = "New League";
    int teams = 8;   // N
    int weeks = 14;  // W
    int divisions = 2;         // D
    int teamsPerDivision = 4;  // T
    std::array<std::string, 8> divisionNames{"Nebula",  "Astral",  "no name", "no name",
                                             "no name", "no name", "no name", "no name"};
};

struct LeagueSize {
    int teams;
    int weeks;
    int divisions;
    int teamsPerDivision;
};

// The five league sizes: 8, 16, 24, 30 and 32 teams.
const std::array<LeagueSize, 5>& leagueSizes();
// The size for N teams, or nothing when N is not one of the five.
std::optional<LeagueSize> leagueSize(int teams);

inline constexpr std::string_view LeaguePointerFile = "league.id1";

// First field of "league.id1" in dir, as written (callers upper-case it to compare).
std::string readLeagueName(const std::filesystem::path& dir);
// Creates or replaces "league.id1" with one line holding the name.
void writeLeagueName(const std::filesystem::path& dir, std::string_view name);

// dir / name + "." + ext, resolved without case: leagueFilePath(dir, "NFL", "tms").
std::filesystem::path leagueFilePath(const std::filesystem::path& dir, std::string_view name,
                                     std::string_view ext);
// dir / name + "Archive", resolved without case.
std::filesystem::path archiveFolder(const std::filesystem::path& dir, std::string_view name);

// Reads the 15 fields of a league file, either writing form.
League readLeague(const std::filesystem::path& file);
// Replace the league file; line form (one field per line) or comma form (7 + 8 fields).
// Titles and division names are written through cleanName().
void writeLeagueLineForm(const std::filesystem::path& file, const League& league);
void writeLeagueCommaForm(const std::filesystem::path& file, const League& league);

// A title or division name as the writers store it: commas, double quotes and line breaks
// removed (each would split or end the field on reading) and outer blanks trimmed (readers
// skip them), so every name reads back exactly as written.
std::string cleanName(std::string_view name);

// Division (1..D) and conference (1 or 2) of team t; divisions 1..D/2 are conference 1.
int divisionOf(const League& league, int team);
int conferenceOf(const League& league, int team);
int conferenceOfDivision(const League& league, int division);
// Teams (d - 1) * T + 1 .. d * T of division d, in order.
std::vector<int> teamsOfDivision(const League& league, int division);

}  // namespace lf
