#pragma once
// The team chooser ("Select Team") shared by the editor's commands.
#include <string>
#include <vector>

namespace newedit {

// Shows "CANCEL" and the teams' display names (names[t - 1], Windows-1252) in team order;
// the chosen team number, 0 for "CANCEL" or a closed window.
int selectTeam(const std::vector<std::string>& names, const std::vector<int>& order);

}  // namespace newedit
