#include "gameday/season/tiebreakers.h"

#include <algorithm>
#include <optional>

namespace season {

const std::vector<Measure> kDivisionChain{
    Measure::Points,     Measure::HeadToHead, Measure::DivisionPercentage,
    Measure::ConferencePercentage,           Measure::DivisionNetPoints,
    Measure::NetPoints,  Measure::Strength,   Measure::NetTouchdowns,
    Measure::Draw};

const std::vector<Measure> kSeedingChain{
    Measure::Points,     Measure::HeadToHead, Measure::ConferencePercentage,
    Measure::NetPoints,  Measure::Strength,   Measure::NetTouchdowns,
    Measure::Draw};

const std::vector<Measure> kFinalChain{
    Measure::Points,     Measure::HeadToHeadOfTwo,
    Measure::NetPoints,  Measure::NetTouchdowns,
    Measure::Draw};

namespace {

// The teams whose value is the highest, in group order.
Group keepHighest(const Group& group, const std::vector<int>& values) {
    const int best = *std::max_element(values.begin(), values.end());
    Group kept;
    for (size_t i = 0; i < group.size(); ++i)
        if (values[i] == best) kept.push_back(group[i]);
    return kept;
}

// Each team's percentage over the games among the group, or nothing when some pair of the
// group never met or a team has no code at all.
std::optional<std::vector<int>> headToHeadValues(const Group& group, const Standings& st) {
    std::vector<int> values;
    for (int k : group) {
        int sum = 0;
        for (int j : group) {
            if (j == k) continue;
            const int code = headToHead(st, k, j);
            if (code == 0) return std::nullopt;
            sum += code;
        }
        if (sum == 0) return std::nullopt;
        values.push_back(codePercentage(sum, false));
    }
    return values;
}

int measureOf(Measure measure, const Standings& st, int t) {
    switch (measure) {
    case Measure::Points: return standingPoints(st, t);
    case Measure::DivisionPercentage: return codePercentage(divisionCode(st, t));
    case Measure::ConferencePercentage: return codePercentage(conferenceCode(st, t));
    case Measure::DivisionNetPoints: return divisionNetPoints(st, t);
    case Measure::NetPoints: return netPoints(st, t);
    case Measure::Strength: return strengthOfSchedule(st, t);
    case Measure::NetTouchdowns: return netTouchdowns(st, t);
    case Measure::HeadToHead:
    case Measure::HeadToHeadOfTwo:
    case Measure::Draw: break;
    }
    return 0;
}

Group drawUntilAlone(Group group, lf::Random& random) {
    while (group.size() > 1) {
        std::vector<int> draws;  // 0..999 each, Int(1000 * U)
        for (size_t i = 0; i < group.size(); ++i) draws.push_back(random.uniform(1000) - 1);
        group = keepHighest(group, draws);
    }
    return group;
}

}  // namespace

Group narrow(const Group& group, Measure measure, const Standings& st, lf::Random& random) {
    if (group.size() <= 1) return group;
    switch (measure) {
    case Measure::HeadToHeadOfTwo:
        if (group.size() != 2) return group;
        [[fallthrough]];
    case Measure::HeadToHead: {
        const auto values = headToHeadValues(group, st);
        return values ? keepHighest(group, *values) : group;
    }
    case Measure::Draw: return drawUntilAlone(group, random);
    default: break;
    }
    std::vector<int> values;
    for (int t : group) values.push_back(measureOf(measure, st, t));
    return keepHighest(group, values);
}

int breakTie(const Group& group, std::span<const Measure> chain, const Standings& st,
             lf::Random& random) {
    if (group.empty()) return 0;
    Group left = group;
    for (Measure measure : chain) {
        if (left.size() <= 1) break;
        left = narrow(left, measure, st, random);
    }
    return left.front();
}

Group rankTeams(Group candidates, int k, const Standings& st, lf::Random& random) {
    Group ranked;
    for (int i = 0; i < k && !candidates.empty(); ++i) {
        const int best = breakTie(candidates, kSeedingChain, st, random);
        ranked.push_back(best);
        candidates.erase(std::find(candidates.begin(), candidates.end(), best));
    }
    return ranked;
}

}  // namespace season
