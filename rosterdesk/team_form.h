#pragma once
// The team data form's values: read from a team record, and stored back into it.
#include <array>
#include <string>

#include "leaguefiles/team_record.h"
#include "rosterdesk/team_settings.h"

namespace newedit {

struct TeamForm {
    // Text fields as the form shows them: stored with their padding.
    std::string city, nickname, code, stadium, coach;
    std::array<int, SettingCount> settings{};  // slider values, within their ranges
};

// The form's opening values: texts with padding, settings digits clamped to the sliders.
TeamForm teamFormOf(const lf::TeamRecord& team);

// Stores the form into the team: each text cut before a NUL after its first character and
// to its width, the code in upper case, the six settings as digits padded to 18. Every
// other byte of the record stays as it was.
void applyTeamForm(lf::TeamRecord& team, const TeamForm& form);

}  // namespace newedit
