#pragma once
// The commands of the commissioner's menu, each a modal flow that returns to the menu.
#include <filesystem>

#include "leaguefiles/random.h"

namespace commish {

// "Select New Default League": the chosen league becomes the active one.
void selectLeague(const std::filesystem::path& dir);

// "Edit the Default League": the active league's title and division names.
void editLeague(const std::filesystem::path& dir);

// "Create a New League": settings, name, the two questions, the teams, then creation.
void createNewLeague(const std::filesystem::path& dir, lf::Random& rng);

}  // namespace commish
