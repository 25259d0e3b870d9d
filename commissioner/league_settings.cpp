#include "commissioner/league_settings.h"

namespace commish {

void chooseSize(LeagueSettings& form, int teams) {
    const auto size = lf::leagueSize(teams);
    if (!size) return;
    form.teams = teams;
    form.divisions = size->divisions;
    for (int i = 0; i < 8; ++i) {
        form.enabled[i] = i < form.divisions;
        if (!form.enabled[i]) form.divisionNames[i] = NoName;
    }
}

BoxColour boxColour(const LeagueSettings& form, int box) {
    if (box < 1 || box > 8 || !form.enabled[box - 1]) return BoxColour::Grey;
    return box <= form.divisions / 2 ? BoxColour::Blue : BoxColour::Red;
}

std::optional<LeagueSettings> settingsForEdit(const lf::League& league) {
    if (!lf::leagueSize(league.teams)) return std::nullopt;
    LeagueSettings form;
    form.title = league.title;
    form.divisionNames = league.divisionNames;
    chooseSize(form, league.teams);
    form.sizeLocked = true;
    return form;
}

std::optional<lf::League> saveSettings(const LeagueSettings& form, const lf::League& base) {
    const auto size = lf::leagueSize(form.teams);
    if (!size) return std::nullopt;
    lf::League league = base;
    league.title = form.title;
    league.teams = size->teams;
    league.weeks = size->weeks;
    league.divisions = size->divisions;
    league.teamsPerDivision = size->teamsPerDivision;
    for (int i = 0; i < 8; ++i)
        league.divisionNames[i] = form.enabled[i] ? form.divisionNames[i] : std::string(NoName);
    return league;
}

}  // namespace commish
