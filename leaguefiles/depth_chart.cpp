#include "leaguefiles/depth_chart.h"

#include <stdexcept>

namespace lf {

const std::array<SlotGroup, 15>& slotGroups() {
    static const std::array<SlotGroup, 15> groups{{
        {"QB", 1, 3},  {"FB", 4, 2},  {"HB", 6, 4},  {"WR", 10, 6}, {"TE", 16, 3},
        {"CE", 19, 2}, {"OG", 21, 3}, {"OT", 24, 3}, {"DE", 27, 4}, {"DT", 31, 3},
        {"LB", 34, 7}, {"CB", 41, 4}, {"SA", 45, 4}, {"KI", 49, 1}, {"PU", 50, 1},
    }};
    return groups;
}

const SlotGroup& groupOfSlot(int slot) {
    for (const SlotGroup& g : slotGroups())
        if (slot >= g.first && slot < g.first + g.count) return g;
    throw std::out_of_range("depth-chart slot " + std::to_string(slot));
}

const SlotGroup* groupOfPosition(std::string_view code) {
    for (const SlotGroup& g : slotGroups())
        if (g.code == code) return &g;
    return nullptr;
}

std::string slotLabel(int slot) {
    const SlotGroup& g = groupOfSlot(slot);
    return std::string(g.code) + std::to_string(slot - g.first + 1);
}

int playerRecordNumber(int team, int slot) { return (team - 1) * SlotsPerTeam + slot; }

TeamSlot teamSlotOfRecord(int record) {
    const int team = (record - 1) / SlotsPerTeam + 1;
    return {team, record - (team - 1) * SlotsPerTeam};
}

}  // namespace lf
