#pragma once
// Creating a league from the installation's templates: league file, teams, players, empty
// records and champions, a first-season schedule and the archive folder, then the new league
// made the active one.
#include <filesystem>
#include <string>

#include "commissioner/team_placement.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/random.h"

namespace commish {

struct NewLeague {
    lf::League league;         // title, team count and division names; the rest is set
    std::string name;          // a legal league name (leagueNameFrom)
    bool rename = false;       // new player names and varied ratings
    bool resetYears = false;   // every player's years 0 instead of drawn
    Placement placement = identityPlacement();
    bool overwrite = false;    // replacing a league of this name: its archive is emptied
};

// Builds the league and installs it as a whole. The random draws come in this order: the
// years of every player, then names and ratings, then the schedule shuffle. FileError when
// a template is missing or damaged or a file cannot be written; the league directory and
// the active league are then as they were.
void createLeague(const std::filesystem::path& dir, const NewLeague& request, lf::Random& rng);

// The varied ratings text of a renamed player: a 0 (or any non-digit) becomes "0", a 1
// becomes 1 or 2, a 5 becomes 4 or 5, any other value one less, the same or one more.
std::string varyRatings(const std::string& ratings, lf::Random& rng);

std::string createdMessage(const std::string& name);
inline constexpr std::string_view CancelledMessage = "League Creation Cancelled!";

}  // namespace commish
