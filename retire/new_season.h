#pragma once
// The new-season run without windows: the finished season's league read whole, every change
// made in memory, and the league's files replaced together at the end.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"
#include "leaguefiles/team_record.h"
#include "retire/rookies.h"

namespace retire {

inline constexpr std::string_view SettingUpMessage = "Setting Up The New Season";
// "\r" breaks the line in a message box.
inline constexpr std::string_view NotFromTallyMessage =
    "This Program should only be run from the NEW SEASON button\rin the tally program.  "
    "Operation ABORTED.";
inline constexpr std::string_view ReportTitle = "Retirees, Free Agents, And Rookies";

// Only a finished season (state 2) turns into the next one.
bool seasonFinished(const lf::League& league);

// The active league as the run works on it: its whole team and player files.
struct Season {
    std::string name;
    lf::League league;
    std::vector<lf::TeamRecord> teams;
    std::vector<lf::PlayerRecord> players;
};

// Reads the team and player files of the league. FileError when the team count is not a
// league size or a file is missing, damaged or holds fewer than N teams or 50 * N players.
Season loadSeason(const std::filesystem::path& dir, const std::string& name,
                  const lf::League& league);

// The two lists of the report window: signings and retirements, and rookies.
struct Report {
    std::vector<std::string> left;
    std::vector<std::string> right;
};

// Signings, aging, retirement, rookies and depth charts, then statistics and injuries
// cleared and the league at state 0 of the next season; draws in that order.
Report startNextSeason(Season& season, const NameLists& lists, lf::Random& rng);

// Player file, team file and league file (line form) replaced together, or none of them.
void saveSeason(const std::filesystem::path& dir, const Season& season);

}  // namespace retire
