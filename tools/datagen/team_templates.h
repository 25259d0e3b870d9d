#pragma once
// teams.tmx and players.plx: the 32 template teams and their 50 players each, in
// depth-chart order, from data/src/teams.csv, players.txt and the name lists.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildTeamTemplates(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
