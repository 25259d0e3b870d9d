#pragma once
// Fixed-pitch lines of the editor's player lists: the depth chart labels, the player
// list of one position group, the roster and the league-wide trade list.
#include <array>
#include <string>

#include "leaguefiles/player_record.h"

namespace newedit {

// Trimmed first name, " ", trimmed last name, and " (<injury>)" for an injured player.
std::string nameWithInjury(const lf::PlayerRecord& player);

// Depth chart label: position, " ", the name with injury.
std::string depthChartLabel(const lf::PlayerRecord& player);

// Player list ("Click Player To Edit Ratings"): place is the player's place in his group.
const std::array<std::string, 3>& playerListHeadings();
std::string playerListLine(const lf::PlayerRecord& player, int place);

// Roster list: every character of the ratings field, a "0" shown as ".".
const std::array<std::string, 3>& rosterHeadings();
std::string rosterLine(const lf::PlayerRecord& player);

// Trade list: code is the team's code field (upper-cased, padded to 5).
const std::array<std::string, 3>& tradeHeadings();
std::string tradeLine(const std::string& code, const lf::PlayerRecord& player);

}  // namespace newedit
