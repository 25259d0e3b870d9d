#pragma once
// The ratings form's values ("Change Player Data"): read from a player, stored back.
#include <array>
#include <string>

#include "leaguefiles/player_record.h"

namespace newedit {

struct RatingsForm {
    std::string position;  // shown, never changed
    std::string firstName, lastName;
    int injury = 0;        // 0..100
    bool injuryMoved = false;  // the injury slider was moved
    int years = 0;         // 0..30
    std::array<int, lf::rating::Count> ratings{};  // 0..5 each
};

inline constexpr int MaxInjury = 100;
inline constexpr int MaxYears = 30;
inline constexpr int MaxRating = 5;

// Opening values; an injury of all blanks shows 0, values beyond a slider's range are
// brought into it.
RatingsForm ratingsFormOf(const lf::PlayerRecord& player);

// Stores names (cut or padded to 10), years, the fifteen ratings and a blank, and an
// injury moved on its slider as decimal text with a leading blank; an injury left alone
// keeps its text. Number, spare text and statistics stay as they were.
void applyRatingsForm(lf::PlayerRecord& player, const RatingsForm& form);

}  // namespace newedit
