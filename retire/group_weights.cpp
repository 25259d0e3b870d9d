#include "retire/group_weights.h"

#include <array>
#include <utility>

namespace retire {
namespace {

using namespace lf::rating;

struct GroupWeights {
    std::string_view code;
    std::array<std::pair<int, int>, 4> weights;  // (rating, weight); rating 0 ends the list
};

constexpr std::array<GroupWeights, 15> Table{{
    {"QB", {{{PAS, 5}, {RUN, 2}}}},
    {"FB", {{{RUN, 5}, {CAT, 3}, {RBK, 2}, {PWR, 2}}}},
    {"HB", {{{RUN, 5}, {CAT, 3}, {SPD, 2}, {PWR, 2}}}},
    {"WR", {{{CAT, 5}, {SPD, 3}, {PWR, 2}}}},
    {"TE", {{{CAT, 5}, {RBK, 3}, {PWR, 2}, {SPD, 2}}}},
    {"CE", {{{RBK, 5}, {PBK, 3}, {PWR, 2}, {SPD, 2}}}},
    {"OG", {{{RBK, 5}, {PBK, 3}, {PWR, 2}, {SPD, 2}}}},
    {"OT", {{{PBK, 5}, {RBK, 3}, {PWR, 2}, {SPD, 2}}}},
    {"DE", {{{BLZ, 5}, {RDF, 3}, {PWR, 2}, {SPD, 2}}}},
    {"DT", {{{RDF, 5}, {BLZ, 3}, {PWR, 2}, {SPD, 2}}}},
    {"LB", {{{RDF, 5}, {BLZ, 3}, {PDF, 2}}}},
    {"CB", {{{PDF, 5}, {SPD, 3}, {RDF, 2}, {PWR, 2}}}},
    {"SA", {{{PDF, 5}, {RDF, 3}, {PWR, 2}, {SPD, 2}}}},
    {"PU", {{{PNT, 5}}}},
    {"KI", {{{KIK, 5}}}},
}};

}  // namespace

int weightedSum(const lf::PlayerRecord& player, std::string_view groupCode) {
    std::array<int, Count + 1> weight;
    weight.fill(1);
    for (const GroupWeights& g : Table)
        if (g.code == groupCode)
            for (auto [p, w] : g.weights)
                if (p != 0) weight[p] = w;
    int sum = 0;
    for (int p = 1; p <= Count; ++p) sum += player.rating(p) * weight[p];
    return sum;
}

}  // namespace retire
