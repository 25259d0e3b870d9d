#include "rosterdesk/depth_moves.h"

#include <array>
#include <utility>

#include "leaguefiles/depth_chart.h"

namespace newedit {

namespace {
// First-string players per group, in the groups' slot order (QB, FB, HB, ... PU).
const std::array<int, 15> firstStringCount = {1, 1, 2, 4, 2, 1, 2, 2, 2, 2, 4, 3, 3, 1, 1};
}  // namespace

bool isFirstString(int slot) {
    const auto& groups = lf::slotGroups();
    for (size_t g = 0; g < groups.size(); ++g)
        if (slot >= groups[g].first && slot < groups[g].first + groups[g].count)
            return slot < groups[g].first + firstStringCount[g];
    return false;
}

bool dropPlayer(std::vector<lf::PlayerRecord>& players, int from, int to) {
    if (from < 1 || to < 1 || from > int(players.size()) || to > int(players.size()) || from == to)
        return false;
    if (players[from - 1].position() != players[to - 1].position()) return false;
    std::swap(players[from - 1], players[to - 1]);
    return true;
}

}  // namespace newedit
