#pragma once
// The help lists the scoreboard shows a human coach while a call is typed.
#include <string_view>
#include <vector>

namespace gameday {

const std::vector<std::string_view>& offenseHelp();   // plays, runners, formations, commands
const std::vector<std::string_view>& defenseHelp();   // formations, plays and blitzes
inline constexpr std::string_view OffenseCallHelp =
    "Play Call = Play + Runner/Receiver + Formation (e.g. 1525)";
inline constexpr std::string_view DefenseCallHelp = "Play Call = Formation + Play/Blitz (e.g. 605)";

}  // namespace gameday
