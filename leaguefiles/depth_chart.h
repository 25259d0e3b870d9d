#pragma once
// The 50 depth-chart slots of a team and the player record number of (team, slot).
#include <array>
#include <string>
#include <string_view>

namespace lf {

inline constexpr int SlotsPerTeam = 50;

struct SlotGroup {
    std::string_view code;  // position code of the group, e.g. "QB"
    int first;              // first slot of the group
    int count;              // slots in the group
};

// The fifteen groups in slot order: QB 1-3, FB 4-5, ... KI 49, PU 50.
const std::array<SlotGroup, 15>& slotGroups();
// Group of slot s (1..50).
const SlotGroup& groupOfSlot(int slot);
// Group of a position code ("QB"); nullptr when the code names no group.
const SlotGroup* groupOfPosition(std::string_view code);
// "QB1", "QB2", ... "PU1".
std::string slotLabel(int slot);

// (team - 1) * 50 + slot.
int playerRecordNumber(int team, int slot);

struct TeamSlot {
    int team;
    int slot;
};
// Record 51 is team 2, slot 1.
TeamSlot teamSlotOfRecord(int record);

}  // namespace lf
