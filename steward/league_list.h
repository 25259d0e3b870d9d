#pragma once
// The manager's list of leagues, "database.dat": rebuilt from the league files in a folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace steward {

inline constexpr const char* LeagueListFile = "database.dat";

// League names in folder: every file whose name ends in ".LGE" (compared in capitals),
// without those four characters, in name order.
std::vector<std::string> findLeagues(const std::filesystem::path& folder);

// The count, then each name quoted, one field per line.
void writeLeagueList(const std::filesystem::path& file, const std::vector<std::string>& leagues);
// The names of a league list; FileError when it cannot be read.
std::vector<std::string> readLeagueList(const std::filesystem::path& file);

// Writes "database.dat" in folder from its league files and returns the names; nothing when
// the folder holds no file at all (the list is then left as it was). FileError on a failed write.
std::optional<std::vector<std::string>> rebuildLeagueList(const std::filesystem::path& folder);

// The first line of "league.id1" without its leading blanks; empty when there is none.
std::string activeLeagueLine(const std::filesystem::path& folder);

// The About message: program and version, the leagues, the active league.
std::string aboutText(const std::vector<std::string>& leagues, const std::string& activeLeague);

}  // namespace steward
