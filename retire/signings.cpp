#include "retire/signings.h"

#include <utility>

#include "leaguefiles/depth_chart.h"

namespace retire {
namespace {

std::string signingLine(const lf::PlayerRecord& p, const std::string& from, const std::string& to) {
    return p.position() + " " + p.firstName() + " " + p.lastName() + " of " + from + " to " + to;
}

}  // namespace

std::vector<int> teamOrder(int teams, lf::Random& rng) {
    std::vector<int> order(teams + 1);
    for (int t = 0; t <= teams; ++t) order[t] = t;
    for (int i = 1; i <= teams; ++i) std::swap(order[rng.uniform(teams)], order[i]);
    return order;
}

void signPlayers(std::vector<lf::PlayerRecord>& players, const std::vector<int>& order,
                 const std::vector<std::string>& names, lf::Random& rng,
                 std::vector<std::string>& report) {
    const int teams = static_cast<int>(order.size()) - 1;
    for (int i = 1; i <= teams; ++i) {
        for (int k = 0; k < 3; ++k) {
            const int s1 = rng.uniform(lf::SlotsPerTeam);
            const lf::SlotGroup& group = lf::groupOfSlot(s1);
            const int s2 = group.count > 1 ? group.first + rng.uniform(group.count) - 1 : s1;
            const int a = order[i];
            const int b = order[rng.uniform(teams)];
            lf::PlayerRecord& inA = players[lf::playerRecordNumber(a, s1) - 1];
            lf::PlayerRecord& inB = players[lf::playerRecordNumber(b, s2) - 1];
            if (&inA != &inB) std::swap(inA, inB);
            report.push_back(signingLine(inA, names[b], names[a]));
            report.push_back(signingLine(inB, names[a], names[b]));
        }
    }
}

}  // namespace retire
