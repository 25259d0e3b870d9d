#pragma once
// Rookies: every retired player's record gets a newcomer of the same position, named from
// the name lists, whose ratings improve more often on teams that did badly.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"

namespace retire {

// The first-name and last-name lists of the league directory, each checked to hold a
// name (FileError otherwise).
struct NameLists {
    std::filesystem::path first;
    std::filesystem::path last;
};
NameLists nameLists(const std::filesystem::path& dir);

// A rookie's ratings for this position on a team of this value, in rating order: the
// position's base value (drawn where its pattern says so), then a base of 1..4 rises by one
// for each of up to two draws 1..1500 above the team value (the second drawn only after the
// first rose), never above 5. All 0 for an unknown position.
std::array<int, lf::rating::Count> rookieRatings(std::string_view position, int teamValue,
                                                 lf::Random& rng);

// Every retired record, in record order: first and last name drawn, ratings built, years 0;
// number, spare text, injury and statistics stay. Report line "QB John Smith to Comets".
void draftRookies(std::vector<lf::PlayerRecord>& players, int teams,
                  const std::vector<std::string>& names, const std::vector<int>& values,
                  const NameLists& lists, lf::Random& rng, std::vector<std::string>& report);

}  // namespace retire
