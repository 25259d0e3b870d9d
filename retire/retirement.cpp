#include "retire/retirement.h"

#include <algorithm>
#include <array>
#include <utility>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/random.h"
#include "retire/group_weights.h"

namespace retire {
namespace {

struct RetirementGroup {
    std::string_view code;
    int yearsWeight;
};

constexpr std::array<RetirementGroup, 15> Groups{{
    {"QB", 2}, {"FB", 4}, {"HB", 4}, {"WR", 3}, {"TE", 3}, {"CE", 3}, {"OG", 3}, {"OT", 3},
    {"DE", 3}, {"DT", 3}, {"LB", 3}, {"CB", 3}, {"SA", 3}, {"PU", 2}, {"KI", 2},
}};

}  // namespace

bool isRetired(const lf::PlayerRecord& player) {
    return player.ratingsText().starts_with(RetiredMark);
}

int retirementTarget(int slotsPerTeam, int teams) {
    return lf::round_half_even(slotsPerTeam * (teams * 0.15));
}

std::vector<size_t> retiringPlaces(const std::vector<int>& sortedScores, int target) {
    const int c = static_cast<int>(sortedScores.size());
    std::vector<size_t> places;
    if (c == 0 || target <= 0) return places;
    // A damaged roster may hold fewer players of a group than the target assumes.
    const int hi = std::max(1, c - target + 1);
    const int lo = std::max(1, c - 2 * target + 1);
    int threshold = sortedScores[hi - 1];
    if (sortedScores[lo - 1] == threshold) --threshold;
    for (int i = lo; i <= c; ++i)
        if (sortedScores[i - 1] <= threshold) places.push_back(static_cast<size_t>(i - 1));
    return places;
}

void retirePlayers(std::vector<lf::PlayerRecord>& players, int teams,
                   const std::vector<std::string>& names, std::vector<std::string>& report) {
    const int records = teams * lf::SlotsPerTeam;
    for (const RetirementGroup& group : Groups) {
        std::vector<int> list;
        std::vector<int> scores;
        for (int r = 1; r <= records; ++r) {
            const lf::PlayerRecord& p = players[r - 1];
            if (p.position() != group.code) continue;
            list.push_back(r);
            scores.push_back(10 * weightedSum(p, group.code) - group.yearsWeight * p.years());
        }
        const size_t c = list.size();
        for (size_t i = 0; i + 1 < c; ++i)
            for (size_t j = i + 1; j < c; ++j)
                if (scores[i] < scores[j]) {
                    std::swap(scores[i], scores[j]);
                    std::swap(list[i], list[j]);
                }
        const int target = retirementTarget(lf::groupOfPosition(group.code)->count, teams);
        for (size_t place : retiringPlaces(scores, target)) {
            const int r = list[place];
            lf::PlayerRecord& p = players[r - 1];
            report.push_back(p.position() + " " + p.firstName() + " " + p.lastName() + " of " +
                             names[lf::teamSlotOfRecord(r).team]);
            p.setRatingsText(RetiredMark);
        }
    }
}

}  // namespace retire
