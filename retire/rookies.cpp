#include "retire/rookies.h"

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/templates.h"
#include "retire/retirement.h"

namespace retire {
namespace {

// A rating of a rookie's pattern: a fixed value, or one of the three draws.
enum : int { D5 = -1, D2m1 = -2, Ret = -3 };

struct Pattern {
    std::string_view positions;  // the codes that share the pattern
    std::array<int, lf::rating::Count> ratings;
};

// DUR PWR SPD RUN PAS CAT RBK PBK RDF PDF BLZ PNT KIK PRT KRT
constexpr std::array<Pattern, 11> Patterns{{
    {"QB", {D5, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"FB", {D5, 2, 1, 2, D2m1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"HB", {D5, 1, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, Ret, Ret}},
    {"WR", {D5, 2, 2, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, Ret, Ret}},
    {"TE", {D5, 2, 1, 0, 0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"CE OG OT", {D5, 2, 2, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"DE", {D5, 2, 2, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0}},
    {"DT", {D5, 2, 2, 0, 0, 0, 0, 0, 2, 0, 1, 0, 0, 0, 0}},
    {"LB", {D5, 2, 2, 0, 0, 0, 0, 0, 2, 1, 2, 0, 0, 0, 0}},
    {"CB", {D5, 1, 2, 0, 0, 0, 0, 0, 1, 2, 1, 0, 0, Ret, Ret}},
    {"SA", {D5, 2, 2, 0, 0, 0, 0, 0, 2, 2, 2, 0, 0, Ret, 0}},
}};
constexpr Pattern Punter{"PU", {D5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}};
constexpr Pattern Kicker{"KI", {D5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0}};

const Pattern* patternOf(std::string_view position) {
    if (position.size() != 2) return nullptr;
    for (const Pattern& p : Patterns)
        for (size_t at = 0; at + 2 <= p.positions.size(); at += 3)
            if (p.positions.substr(at, 2) == position) return &p;
    if (position == Punter.positions) return &Punter;
    if (position == Kicker.positions) return &Kicker;
    return nullptr;
}

int drawn(int entry, lf::Random& rng) {
    switch (entry) {
    case D5: return rng.uniform(5);
    case D2m1: return rng.uniform(2) - 1;
    case Ret: return rng.uniform(6) == 1 ? rng.uniform(3) : 0;
    default: return entry;
    }
}

}  // namespace

NameLists nameLists(const std::filesystem::path& dir) {
    NameLists lists{lf::resolve(dir, lf::FirstNamesFile), lf::resolve(dir, lf::LastNamesFile)};
    lf::nameListSize(lists.first);
    lf::nameListSize(lists.last);
    return lists;
}

std::array<int, lf::rating::Count> rookieRatings(std::string_view position, int teamValue,
                                                 lf::Random& rng) {
    std::array<int, lf::rating::Count> ratings{};
    const Pattern* pattern = patternOf(position);
    if (!pattern) return ratings;
    for (int k = 0; k < lf::rating::Count; ++k) {
        int v = drawn(pattern->ratings[k], rng);
        if (v >= 1 && v <= 4 && rng.uniform(1500) > teamValue) {
            ++v;
            if (rng.uniform(1500) > teamValue && v < 5) ++v;
        }
        ratings[k] = v;
    }
    return ratings;
}

void draftRookies(std::vector<lf::PlayerRecord>& players, int teams,
                  const std::vector<std::string>& names, const std::vector<int>& values,
                  const NameLists& lists, lf::Random& rng, std::vector<std::string>& report) {
    const auto draw = [&rng](int n) { return rng.uniform(n); };
    for (int r = 1; r <= teams * lf::SlotsPerTeam; ++r) {
        lf::PlayerRecord& p = players[r - 1];
        if (!isRetired(p)) continue;
        p.setFirstName(lf::drawName(lists.first, draw));
        p.setLastName(lf::drawName(lists.last, draw));
        const int t = lf::teamSlotOfRecord(r).team;
        const std::string position = p.position();
        const auto ratings = rookieRatings(position, values[t], rng);
        p.setYears(0);
        p.setRatings(ratings);
        report.push_back(position + " " + p.firstName() + " " + p.lastName() + " to " + names[t]);
    }
}

}  // namespace retire
