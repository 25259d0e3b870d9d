// League leaders: every player of the league ranked in one category.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tally/league_view.h"
#include "tally/player_lists.h"
#include "tally/report.h"

namespace tally {

struct LeaderCategory {
    std::string caption;  // report caption and menu button
    std::string key;      // print file name key
    Category category;
    int first, last;  // statistics copied; 0, 0 for the derived touchdown columns
};

// The ten categories in the order of the leaders menu.
const std::array<LeaderCategory, 10>& leaderCategories();

// "J Smith, ABCD": first initial, last name, team code as stored.
std::string leaderLabel(const lf::PlayerRecord& player, const std::string& code);

// Every qualifying player of the league, in player-file order.
std::vector<StatRow> selectLeaders(const LeagueView& view, const LeaderCategory& category,
                                   const std::vector<lf::PlayerRecord>& players);

// The list of category `index` (0..9); noStats when nobody qualifies.
Report leaders(const LeagueView& view, int index);

}  // namespace tally
