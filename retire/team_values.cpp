#include "retire/team_values.h"

#include "leaguefiles/random.h"
#include "leaguefiles/stat_index.h"

namespace retire {

int teamValue(const lf::TeamRecord& team) {
    const int wins = team.own(lf::stat::Wins);
    const int ties = team.own(lf::stat::Ties);
    const int losses = team.opp(lf::stat::Wins);
    int games = wins + losses + ties;
    if (games == 0) games = 1;
    return lf::round_half_even((wins + 0.5 * ties) / games * 1000 + 250);
}

std::vector<std::string> teamNames(const std::vector<lf::TeamRecord>& teams, int count) {
    std::vector<std::string> names(count + 1);
    for (int t = 1; t <= count; ++t) names[t] = teams[t - 1].nickname();
    return names;
}

std::vector<int> teamValues(const std::vector<lf::TeamRecord>& teams, int count) {
    std::vector<int> values(count + 1);
    for (int t = 1; t <= count; ++t) values[t] = teamValue(teams[t - 1]);
    return values;
}

}  // namespace retire
