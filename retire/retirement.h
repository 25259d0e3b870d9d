#pragma once
// Retirement: in every position group the lowest-scoring players of the whole league,
// about fifteen percent of the group, leave; their records are marked for rookies.
#include <string>
#include <string_view>
#include <vector>

#include "leaguefiles/player_record.h"

namespace retire {

// The ratings text of a retired player until his rookie replaces him.
inline constexpr std::string_view RetiredMark = "RETIRED";
bool isRetired(const lf::PlayerRecord& player);

// CInt(slotsPerTeam * (teams * 0.15)), halves to even.
int retirementTarget(int slotsPerTeam, int teams);

// The places (0-based) of the retirees in a group's scores sorted high to low: at least the
// `target` lowest, plus those among the next `target` who tie the `target`-th lowest; when
// all 2 * `target` of them tie, only scores below the tie.
std::vector<size_t> retiringPlaces(const std::vector<int>& sortedScores, int target);

// Every group in turn (QB ... SA, then PU, KI): the players of the group's position across
// the league scored 10 * weighted sum - years weight * years; the retirees get the mark
// and a report line "QB John Smith of Comets".
void retirePlayers(std::vector<lf::PlayerRecord>& players, int teams,
                   const std::vector<std::string>& names, std::vector<std::string>& report);

}  // namespace retire
