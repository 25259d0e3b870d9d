#pragma once
// Choosing the active league among the league files of the league directory.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace commish {

// File names of the league files (".lge" in any case) in dir, sorted without case.
std::vector<std::string> leagueFiles(const std::filesystem::path& dir);

// The name to write to the league pointer for the text under "Current League:": upper-cased,
// ".LGE" and what follows cut; nothing when no league file was chosen or the chosen league is
// already the active one (oldName compared without case).
std::optional<std::string> chosenLeague(std::string_view chosen, std::string_view oldName);

// True when a league of this name has a league file in dir.
bool leagueExists(const std::filesystem::path& dir, std::string_view name);

std::string upper(std::string_view text);

}  // namespace commish
