#pragma once
// The installation's team and player templates and the two name lists.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "leaguefiles/player_record.h"
#include "leaguefiles/team_record.h"

namespace lf {

inline constexpr std::string_view TeamTemplatesFile = "teams.tmx";
inline constexpr std::string_view PlayerTemplatesFile = "players.plx";
inline constexpr std::string_view FirstNamesFile = "name1.rdm";
inline constexpr std::string_view LastNamesFile = "name2.rdm";
inline constexpr int TemplateTeams = 32;

// Record g (1..32) of the team templates.
TeamRecord readTemplateTeam(const std::filesystem::path& file, int g);
// Record (g - 1) * 50 + s of the player templates.
PlayerRecord readTemplatePlayer(const std::filesystem::path& file, int g, int slot);

// Names in a list: the file length / 10, rounded; FileError when the list is missing or
// holds no name.
int nameListSize(const std::filesystem::path& file);
// Draws k = draw(size) (a uniform 1..size) and returns name k: its 10 characters as they
// are, padding included.
std::string drawName(const std::filesystem::path& file, const std::function<int(int)>& draw);

}  // namespace lf
