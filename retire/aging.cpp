#include "retire/aging.h"

#include <algorithm>
#include <array>

namespace retire {
namespace {

struct OddsRow {
    int lastYear;
    AgingOdds odds;
};

constexpr std::array<OddsRow, 6> Odds{{
    {2, {20, 30}},
    {4, {30, 20}},
    {8, {15, 15}},
    {10, {20, 30}},
    {13, {10, 50}},
    {16, {0, 75}},
}};
constexpr AgingOdds Veteran{0, 100};

struct Cap {
    std::string_view position;
    int rating;
    int highest;
};

constexpr std::array<Cap, 7> Caps{{
    {"HB", lf::rating::PAS, 3},
    {"FB", lf::rating::PAS, 3},
    {"WR", lf::rating::RBK, 2},
    {"CB", lf::rating::RDF, 2},
    {"CB", lf::rating::BLZ, 2},
    {"SA", lf::rating::RDF, 3},
    {"SA", lf::rating::BLZ, 3},
}};

}  // namespace

AgingOdds agingOdds(int years) {
    for (const OddsRow& row : Odds)
        if (years <= row.lastYear) return row.odds;
    return Veteran;
}

int positionCap(std::string_view position, int p) {
    for (const Cap& cap : Caps)
        if (cap.position == position && cap.rating == p) return cap.highest;
    return 5;
}

void agePlayer(lf::PlayerRecord& player, lf::Random& rng) {
    const int years = player.years() + 1;
    player.setYears(years);
    const AgingOdds odds = agingOdds(years);
    const std::string position = player.position();
    std::array<int, lf::rating::Count> ratings;
    for (int p = 1; p <= lf::rating::Count; ++p) {
        int v = player.rating(p);
        if (v > 0) {
            const int d = rng.uniform(100);
            if (d <= odds.up) {
                if (v < 5) ++v;
            } else if (d > 100 - odds.down) {
                if (v > 1 || years > 19) --v;
            }
        }
        ratings[p - 1] = std::clamp(std::min(v, positionCap(position, p)), 0, 5);
    }
    player.setRatings(ratings);
}

}  // namespace retire
