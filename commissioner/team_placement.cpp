#include "commissioner/team_placement.h"

#include <utility>

namespace commish {

Placement identityPlacement() {
    Placement p{};
    for (int i = 1; i <= 32; ++i) p[i] = i;
    return p;
}

void exchangePlaces(Placement& placement, int a, int b) {
    if (a < 1 || a > 32 || b < 1 || b > 32) return;
    std::swap(placement[a], placement[b]);
}

int divisionOfPlace(int place, int teamsPerDivision) {
    return (place - 1) / teamsPerDivision + 1;
}

std::string teamLabel(const lf::TeamRecord& team) {
    std::string city = team.city();
    city.resize(15, ' ');
    return city + " " + team.nickname();
}

}  // namespace commish
