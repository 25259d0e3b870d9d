#include "gameday/season/standings.h"

namespace season {

namespace {

const TeamStanding& team(const Standings& st, int t) { return st.teams.at(t); }

// The value at element s of a head-to-head array; teams beyond the array never met.
int element(const std::array<int, 33>& values, int s) {
    return s >= 0 && s < static_cast<int>(values.size()) ? values[s] : 0;
}

// Sum of f(s) over the teams first..last.
template <class F>
int sumOver(int first, int last, F f) {
    int sum = 0;
    for (int s = first; s <= last; ++s) sum += f(s);
    return sum;
}

}  // namespace

int standingPoints(const Standings& st, int t) { return 2 * team(st, t).wins + team(st, t).ties; }

int netPoints(const Standings& st, int t) {
    return team(st, t).points - team(st, t).pointsAgainst;
}

int netTouchdowns(const Standings& st, int t) {
    return team(st, t).touchdowns - team(st, t).touchdownsAgainst;
}

int headToHead(const Standings& st, int t, int s) { return element(team(st, t).headToHead, s); }

int headToHeadPoints(const Standings& st, int t, int s) {
    return element(team(st, t).headToHeadPoints, s);
}

int divisionCode(const Standings& st, int t) {
    const int first = (divisionOf(st.shape, t) - 1) * st.shape.perDivision + 1;
    return sumOver(first, first + st.shape.perDivision - 1,
                   [&](int s) { return headToHead(st, t, s); });
}

int divisionNetPoints(const Standings& st, int t) {
    const int first = (divisionOf(st.shape, t) - 1) * st.shape.perDivision + 1;
    return sumOver(first, first + st.shape.perDivision - 1,
                   [&](int s) { return headToHeadPoints(st, t, s); });
}

int conferenceCode(const Standings& st, int t) {
    const int half = st.shape.teams / 2;
    const int first = conferenceOf(st.shape, t) == 1 ? 1 : half + 1;
    return sumOver(first, first + half - 1, [&](int s) { return headToHead(st, t, s); });
}

int strengthOfSchedule(const Standings& st, int t) {
    return sumOver(1, st.shape.teams, [&](int s) {
        return headToHead(st, t, s) > 0 ? standingPoints(st, s) : 0;
    });
}

int codePercentage(int code, bool zeroRule) {
    const int wins = code / 200;
    int rest = code - 200 * wins;
    if (zeroRule && wins == 0 && rest == 0) rest = 1;
    const long long num = 1000LL * wins;
    const long long den = wins + rest;
    if (den == 0) return 0;
    // wins / (wins + rest) * 1000, halves to the even neighbour, computed exactly.
    long long q = num / den;
    const long long twiceRem = 2 * (num % den);
    if (twiceRem > den || (twiceRem == den && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

}  // namespace season
