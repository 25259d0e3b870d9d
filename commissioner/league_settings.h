#pragma once
// What the league settings form holds and its size rules, shared by "Create A New League"
// and "Edit the Default League".
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "leaguefiles/league_file.h"

namespace commish {

inline constexpr std::string_view NoName = "no name";
inline constexpr std::array<int, 5> SizeChoices{8, 16, 24, 30, 32};

struct LeagueSettings {
    std::string title = "New League";
    int teams = 8;
    int divisions = 2;
    std::array<std::string, 8> divisionNames{"Nebula",  "Astral",  "no name", "no name",
                                             "no name", "no name", "no name", "no name"};
    std::array<bool, 8> enabled{true, true, false, false, false, false, false, false};
    bool sizeLocked = false;  // an existing league cannot change its team count
};

enum class BoxColour { Grey, Blue, Red };

// Sets N and D; boxes 1..D enabled, boxes D+1..8 disabled and "no name". A count that is
// not a league size changes nothing.
void chooseSize(LeagueSettings& form, int teams);

// Blue for the first conference (boxes 1..D/2), red for the second, grey when disabled.
BoxColour boxColour(const LeagueSettings& form, int box);

// The form opened for editing: the league's title and names, its size chosen and locked.
// Nothing when the league file holds a team count that is not a league size.
std::optional<LeagueSettings> settingsForEdit(const lf::League& league);

// "Save": the league the form describes, W, D and T from the size table; state and season
// are taken from `base`. Nothing when the team count is not a league size.
std::optional<lf::League> saveSettings(const LeagueSettings& form, const lf::League& base = {});

inline constexpr std::string_view NoSuchConfigurationMessage =
    "NO such configuration exists!  Operaton ABORTED!";

}  // namespace commish
