#pragma once
// The sums every report relies on, checked over a league whose regular season is played.
#include <filesystem>

namespace gameday::testing {

// League "TEST" of the fixture (8 teams, 14 weeks of 4 games) after its regular season:
// league-wide wins equal losses, head-to-head records mirror each other, every game's
// status is a digit and each team's totals are the sums over its players.
void expectConsistentRegularSeason(const std::filesystem::path& dir);

}  // namespace gameday::testing
