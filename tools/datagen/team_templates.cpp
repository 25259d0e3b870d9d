#include "tools/datagen/team_templates.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/random.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/team_record.h"
#include "tools/datagen/name_lists.h"
#include "tools/datagen/team_sources.h"

namespace datagen {
namespace {

// The groups a team's offense strength moves; the others follow its defense strength.
const std::set<std::string> OffensiveGroups{"QB", "FB", "HB", "WR", "TE", "CE", "OG", "OT", "KI"};

// A base value such as 3.6 becomes 4 six times in ten and 3 otherwise, and sometimes one
// more or less; a rating the position relies on (base 1 or more) stays within 1..5, a
// side skill (base below 1) may come out 0.
int drawRating(lf::Random& rng, double base, double jitter) {
    if (base <= 0) return 0;
    int v = static_cast<int>(std::floor(base));
    if (rng.unit() < base - v) ++v;
    const double u = rng.unit();
    if (u < jitter / 2)
        --v;
    else if (u < jitter)
        ++v;
    return std::clamp(v, base >= 1 ? 1 : 0, 5);
}

int drawNumber(lf::Random& rng, const std::vector<NumberRange>& ranges, std::set<int>& taken) {
    std::vector<int> free;
    for (const NumberRange& r : ranges)
        for (int n = r.lo; n <= r.hi; ++n)
            if (!taken.count(n)) free.push_back(n);
    // A crowded group takes any number still free.
    if (free.empty())
        for (int n = 1; n <= 99; ++n)
            if (!taken.count(n)) free.push_back(n);
    const int n = free[rng.uniform(static_cast<int>(free.size())) - 1];
    taken.insert(n);
    return n;
}

lf::TeamRecord teamRecord(const TeamSource& t) {
    lf::TeamRecord r;
    r.bytes.fill(' ');
    r.setCity(t.city);
    r.setNickname(t.nickname);
    r.setCode(t.code);
    r.setStadium(t.stadium);
    r.setCoach(t.coach);
    std::string digits;
    for (int s : t.settings) digits += static_cast<char>('0' + s);
    r.setSettings(digits);
    r.setOwn(0, 0);
    r.setOpp(0, 0);
    r.setH2hRecord(0, 0);
    r.setH2hPoints(0, 0);
    r.resetForNewLeague();
    return r;
}

}  // namespace

Summary buildTeamTemplates(const std::filesystem::path& src, const std::filesystem::path& out) {
    const std::vector<TeamSource> teams = readTeams(src / "teams.csv");
    const RosterModel model = readRosterModel(src / "players.txt");
    const std::vector<std::string> first = readNames(src / "first_names.txt");
    const std::vector<std::string> last = readNames(src / "last_names.txt");
    lf::Random rng(model.seed);

    std::vector<lf::TeamRecord> teamRecords;
    std::vector<lf::PlayerRecord> players;
    double strongest = -1, weakest = 1e9;
    std::string strongName, weakName;
    for (const TeamSource& t : teams) {
        teamRecords.push_back(teamRecord(t));
        std::set<int> numbers;
        std::set<std::string> names;
        double talent = 0;
        for (int slot = 1; slot <= lf::SlotsPerTeam; ++slot) {
            const lf::SlotGroup& g = lf::groupOfSlot(slot);
            const std::string code(g.code);
            const bool starter = slot - g.first < model.starters.at(code);
            const int strength = OffensiveGroups.count(code) ? t.offenseStrength : t.defenseStrength;
            const std::array<double, 15>& base = model.ratings.at({code, starter});

            lf::PlayerRecord p;
            p.bytes.fill(' ');
            p.setPosition(code);
            std::string name;
            do {  // no two players of a team share a name
                p.setFirstName(first[rng.uniform(static_cast<int>(first.size())) - 1]);
                p.setLastName(last[rng.uniform(static_cast<int>(last.size())) - 1]);
                name = p.displayName();
            } while (!names.insert(name).second);
            p.setNumber(drawNumber(rng, model.numbers.at(code), numbers));
            const NumberRange years = starter ? model.starterYears : model.backupYears;
            p.setYears(years.lo + rng.uniform(years.hi - years.lo + 1) - 1);
            std::array<int, lf::rating::Count> r{};
            for (int k = 0; k < lf::rating::Count; ++k) {
                const double b = base[k] > 0 ? base[k] + strength * model.strengthStep : 0;
                r[k] = drawRating(rng, b, model.jitter);
            }
            if (const auto ret = model.returners.find(slot); ret != model.returners.end()) {
                r[lf::rating::PRT - 1] = drawRating(rng, ret->second.first, model.jitter);
                r[lf::rating::KRT - 1] = drawRating(rng, ret->second.second, model.jitter);
            }
            p.setRatings(r);
            p.setStat(0, 0);
            p.resetForNewLeague();
            if (starter)
                for (int v : r) talent += v;
            players.push_back(p);
        }
        if (talent > strongest) strongest = talent, strongName = t.nickname;
        if (talent < weakest) weakest = talent, weakName = t.nickname;
    }
    lf::writeAll(out / "teams.tmx", teamRecords);
    lf::writeAll(out / "players.plx", players);
    char buf[160];
    std::snprintf(buf, sizeof buf, "templates    %zu teams, %zu players; starters' ratings %s %.0f .. %s %.0f",
                  teamRecords.size(), players.size(), weakName.c_str(), weakest, strongName.c_str(), strongest);
    return {buf};
}

}  // namespace datagen
