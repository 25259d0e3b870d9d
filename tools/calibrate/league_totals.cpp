#include "tools/calibrate/league_totals.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace calibrate {

namespace {

using Value = double (*)(const LeagueTotals&);

struct Band {
    const char* name;
    double low;
    double high;
    Value value;
    bool banded = true;
};

double ratio(double part, double whole) {
    return whole > 0 ? part / whole : std::numeric_limits<double>::quiet_NaN();
}

double stat(const LeagueTotals& t, int index) { return static_cast<double>(t.stats[index]); }

// A team statistic per team and game.
template <int Index>
double perTeamGame(const LeagueTotals& t) {
    return ratio(stat(t, Index), 2.0 * t.games);
}

template <int Part, int Whole>
double percentOf(const LeagueTotals& t) {
    return 100 * ratio(stat(t, Part), stat(t, Whole));
}

template <int Part, int Whole>
double per(const LeagueTotals& t) {
    return ratio(stat(t, Part), stat(t, Whole));
}

using namespace fb::stat;

// Sack yards are kept as negative numbers.
const Band bands[] = {
    {"points", 19.5, 25, [](const LeagueTotals& t) { return ratio(t.points, 2.0 * t.games); }},
    {"net yards", 310, 370,
     [](const LeagueTotals& t) {
         return ratio(stat(t, RushYards) + stat(t, PassingYards) + stat(t, SackYards),
                      2.0 * t.games);
     }},
    {"offensive plays", 58, 68,
     [](const LeagueTotals& t) {
         return ratio(stat(t, RushAttempts) + stat(t, PassAttempts) + stat(t, TimesSacked),
                      2.0 * t.games);
     }},
    {"rushing attempts", 24, 30, perTeamGame<RushAttempts>},
    {"yards per carry", 3.9, 4.6, per<RushYards, RushAttempts>},
    {"pass attempts", 30, 38, perTeamGame<PassAttempts>},
    {"completion %", 59, 66, percentOf<Completions, PassAttempts>},
    {"gross yards per attempt", 6.6, 7.8, per<PassingYards, PassAttempts>},
    {"interception %", 1.9, 3.2, percentOf<InterceptionsThrown, PassAttempts>},
    {"touchdown passes", 1.2, 1.8, perTeamGame<PassingTd>},
    {"sacks", 1.8, 3.0, perTeamGame<TimesSacked>},
    {"punts", 3.5, 5.0, perTeamGame<Punts>},
    {"gross punt average", 42, 48, per<PuntYards, Punts>},
    {"field-goal attempts", 1.5, 2.3, perTeamGame<FieldGoalAttempts>},
    {"field-goal %", 0, 100, percentOf<FieldGoals, FieldGoalAttempts>, false},
    {"penalties", 5, 8, perTeamGame<Penalties>},
    {"penalty yards", 40, 65, perTeamGame<PenaltyYards>},
    {"third-down conversion %", 35, 43, percentOf<ThirdDownConversions, ThirdDownAttempts>},
    // A side's lost fumbles are the ones the other side recovered.
    {"fumbles lost", 0.4, 0.9, perTeamGame<OpponentFumblesRecovered>},
    {"fair catches", 0, 100, perTeamGame<FairCatches>, false},
    {"home win %", 52, 60, [](const LeagueTotals& t) { return 100 * ratio(t.homeWins, t.games); }},
    // Under 1 % of games.
    {"tie %", 0, 0.999, [](const LeagueTotals& t) { return 100 * ratio(t.ties, t.games); }},
};

}  // namespace

void addGame(LeagueTotals& totals, const fb::GameState& g) {
    const fb::Side& visitor = g.side[fb::kVisitor];
    const fb::Side& home = g.side[fb::kHome];
    ++totals.games;
    if (home.score > visitor.score) ++totals.homeWins;
    if (home.score == visitor.score) ++totals.ties;
    totals.points += visitor.score + home.score;
    for (int i = 1; i <= fb::kTeamStatCount; ++i)
        totals.stats[static_cast<size_t>(i)] += visitor.stats[i] + home.stats[i];
}

std::vector<Figure> figures(const LeagueTotals& totals) {
    std::vector<Figure> out;
    for (const Band& b : bands) out.push_back({b.name, b.value(totals), b.low, b.high, b.banded});
    return out;
}

bool inside(const Figure& f) {
    return !f.banded || (!std::isnan(f.value) && f.value >= f.low && f.value <= f.high);
}

bool allInside(const std::vector<Figure>& figures) {
    for (const Figure& f : figures)
        if (!inside(f)) return false;
    return true;
}

std::string line(const Figure& f) {
    char buf[128];
    if (f.banded)
        std::snprintf(buf, sizeof buf, "%-24s %7.2f  %6.2f .. %6.2f  %s", f.name.c_str(), f.value,
                      f.low, f.high, inside(f) ? "ok" : "OUTSIDE");
    else
        std::snprintf(buf, sizeof buf, "%-24s %7.2f", f.name.c_str(), f.value);
    return buf;
}

}  // namespace calibrate
