// The season being viewed: where its files are, its league header and the team names
// every report prints.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

namespace tally {

struct LeagueView {
    std::filesystem::path dir;            // folder of the league's files
    std::string base;                     // file name stem: league name or archive name
    bool archived = false;                // an archived season is shown
    std::filesystem::path archiveFolder;  // default folder for print files
    lf::League header;
    std::vector<std::string> shortNames;  // [1..N] nickname as stored, [N+1] "LEAGUE"
    std::vector<std::string> codes;       // [1..N] code as stored
};

// Reads the league file dir / base + ".lge" and the team names; FileError on failure.
LeagueView openLeague(const std::filesystem::path& dir, const std::string& base, bool archived);

// The folder itself when its path names an archive, else its base + "Archive" folder.
std::filesystem::path archiveFolderFor(const std::filesystem::path& dir, const std::string& base);

// dir / base + "." + ext, found without regard to case.
std::filesystem::path leagueFile(const LeagueView& view, const std::string& ext);

// The season's files, checked to hold what the league header says (N teams, 50 N players,
// (W + 4) N/2 games); a short file raises FileError.
std::vector<lf::TeamRecord> readTeams(const LeagueView& view);
std::vector<lf::PlayerRecord> readPlayers(const LeagueView& view);
std::vector<lf::ScheduleRecord> readSchedule(const LeagueView& view);

// Reloads short names and codes from team records.
void loadNames(LeagueView& view, const std::vector<lf::TeamRecord>& teams);
// Trimmed city + " " + trimmed nickname of each team, [1..N].
std::vector<std::string> fullNames(const std::vector<lf::TeamRecord>& teams);

// A path as the print dialog's file box shows it.
std::string printPath(const LeagueView& view, const std::string& fileName);

}  // namespace tally
