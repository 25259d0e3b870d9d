#include "rosterdesk/team_form.h"

#include "leaguefiles/fixed_field.h"

namespace newedit {

namespace {

// Where the form's texts lie in the team record (read with their padding).
struct TextField {
    std::string TeamForm::*member;
    size_t offset;
    size_t width;
};
const std::array<TextField, 5> textFields = {{
    {&TeamForm::city, 0, 15},
    {&TeamForm::nickname, 15, 15},
    {&TeamForm::code, 30, 4},
    {&TeamForm::stadium, 34, 20},
    {&TeamForm::coach, 54, 20},
}};

std::string cutAtNul(std::string text) {
    const size_t nul = text.find('\0', 1);
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

}  // namespace

TeamForm teamFormOf(const lf::TeamRecord& team) {
    TeamForm form;
    for (const TextField& f : textFields) form.*f.member = lf::rawText(team.bytes.data(), f.offset, f.width);
    for (int p = 1; p <= SettingCount; ++p) form.settings[p - 1] = clampSetting(p, team.setting(p));
    return form;
}

void applyTeamForm(lf::TeamRecord& team, const TeamForm& form) {
    team.setCity(cutAtNul(form.city));
    team.setNickname(cutAtNul(form.nickname));
    team.setCode(cutAtNul(form.code));
    team.setStadium(cutAtNul(form.stadium));
    team.setCoach(cutAtNul(form.coach));
    team.setSettings(settingsText(form.settings));
}

}  // namespace newedit
