#include "tools/datagen/team_sources.h"

#include <cctype>
#include <set>
#include <sstream>
#include <stdexcept>

#include "leaguefiles/depth_chart.h"
#include "tools/datagen/params.h"

namespace datagen {
namespace {

std::vector<std::string> splitCsv(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, ',');) out.push_back(f);
    return out;
}

int wholeNumber(const std::filesystem::path& file, int line, const std::string& w) {
    try {
        size_t used = 0;
        const int v = std::stoi(w, &used);
        if (used == w.size()) return v;
    } catch (const std::exception&) {
    }
    sourceError(file, line, "\"" + w + "\" is not a whole number");
}

double realNumber(const std::filesystem::path& file, int line, const std::string& w) {
    try {
        size_t used = 0;
        const double v = std::stod(w, &used);
        if (used == w.size()) return v;
    } catch (const std::exception&) {
    }
    sourceError(file, line, "\"" + w + "\" is not a number");
}

NumberRange range(const std::filesystem::path& file, int line, const std::string& w) {
    const size_t dash = w.find('-');
    if (dash == std::string::npos) sourceError(file, line, "\"" + w + "\" is no range a-b");
    NumberRange r{wholeNumber(file, line, w.substr(0, dash)), wholeNumber(file, line, w.substr(dash + 1))};
    if (r.lo > r.hi) sourceError(file, line, "\"" + w + "\" is an empty range");
    return r;
}

}  // namespace

std::vector<TeamSource> readTeams(const std::filesystem::path& file) {
    // Field widths of the team record.
    constexpr size_t City = 15, Nickname = 15, Stadium = 20, Coach = 20;
    constexpr std::array<int, 6> SettingMax{3, 5, 3, 3, 3, 2};
    std::vector<TeamSource> teams;
    std::set<std::string> codes, nicknames;
    bool header = true;
    for (const SourceLine& l : readSourceLines(file)) {
        if (header) {  // the column names
            header = false;
            continue;
        }
        const std::vector<std::string> f = splitCsv(l.text);
        if (f.size() != 13) sourceError(file, l.number, "a team has 13 fields");
        TeamSource t{f[0], f[1], f[2], f[3], f[4]};
        if (t.city.empty() || t.city.size() > City) sourceError(file, l.number, "city: 1..15 characters");
        if (t.nickname.empty() || t.nickname.size() > Nickname) sourceError(file, l.number, "nickname: 1..15 characters");
        if (t.stadium.empty() || t.stadium.size() > Stadium) sourceError(file, l.number, "stadium: 1..20 characters");
        if (t.coach.empty() || t.coach.size() > Coach) sourceError(file, l.number, "coach: 1..20 characters");
        if (t.code.size() != 4) sourceError(file, l.number, "code: 4 capital letters");
        for (unsigned char c : t.code)
            if (!std::isupper(c)) sourceError(file, l.number, "code: 4 capital letters");
        for (int k = 0; k < 6; ++k) {
            t.settings[k] = wholeNumber(file, l.number, f[5 + k]);
            if (t.settings[k] < 1 || t.settings[k] > SettingMax[k])
                sourceError(file, l.number, "setting " + std::to_string(k + 1) + " out of range");
        }
        t.offenseStrength = wholeNumber(file, l.number, f[11]);
        t.defenseStrength = wholeNumber(file, l.number, f[12]);
        if (std::abs(t.offenseStrength) > 2 || std::abs(t.defenseStrength) > 2)
            sourceError(file, l.number, "strengths are -2..2");
        if (!codes.insert(t.code).second) sourceError(file, l.number, "code " + t.code + " twice");
        if (!nicknames.insert(t.nickname).second) sourceError(file, l.number, "nickname " + t.nickname + " twice");
        teams.push_back(t);
    }
    if (teams.size() != 32) throw std::runtime_error(file.string() + ": needs 32 teams, has " + std::to_string(teams.size()));
    return teams;
}

RosterModel readRosterModel(const std::filesystem::path& file) {
    RosterModel m;
    std::string section;
    std::set<std::string> settings;
    for (const SourceLine& l : readSourceLines(file)) {
        if (l.text.front() == '[') {
            section = l.text;
            continue;
        }
        const std::vector<std::string> w = words(l.text);
        if (section == "[settings]" && w.size() == 2) {
            if (w[0] == "seed") m.seed = static_cast<unsigned>(wholeNumber(file, l.number, w[1]));
            else if (w[0] == "strength_step") m.strengthStep = realNumber(file, l.number, w[1]);
            else if (w[0] == "jitter") m.jitter = realNumber(file, l.number, w[1]);
            else sourceError(file, l.number, "unknown setting " + w[0]);
            settings.insert(w[0]);
        } else if (section == "[starters]" && w.size() == 2) {
            if (!lf::groupOfPosition(w[0])) sourceError(file, l.number, w[0] + " is no position group");
            m.starters[w[0]] = wholeNumber(file, l.number, w[1]);
        } else if (section == "[ratings]" && w.size() == 17) {
            if (!lf::groupOfPosition(w[0]) || (w[1] != "starter" && w[1] != "backup"))
                sourceError(file, l.number, "expected: group starter|backup and 15 ratings");
            std::array<double, 15> r{};
            for (int k = 0; k < 15; ++k) {
                r[k] = realNumber(file, l.number, w[2 + k]);
                if (r[k] < 0 || r[k] > 5) sourceError(file, l.number, "ratings are 0..5");
            }
            m.ratings[{w[0], w[1] == "starter"}] = r;
        } else if (section == "[returners]" && w.size() == 3) {
            int slot = 0;
            for (int s = 1; s <= lf::SlotsPerTeam; ++s)
                if (lf::slotLabel(s) == w[0]) slot = s;
            if (!slot) sourceError(file, l.number, w[0] + " is no depth-chart slot");
            m.returners[slot] = {realNumber(file, l.number, w[1]), realNumber(file, l.number, w[2])};
        } else if (section == "[numbers]" && w.size() >= 2) {
            if (!lf::groupOfPosition(w[0])) sourceError(file, l.number, w[0] + " is no position group");
            for (size_t k = 1; k < w.size(); ++k) {
                const NumberRange r = range(file, l.number, w[k]);
                if (r.lo < 1 || r.hi > 99) sourceError(file, l.number, "jersey numbers are 1..99");
                m.numbers[w[0]].push_back(r);
            }
        } else if (section == "[years]" && w.size() == 2 && (w[0] == "starter" || w[0] == "backup")) {
            const NumberRange r = range(file, l.number, w[1]);
            if (r.hi > 15) sourceError(file, l.number, "template players have 0..15 years");
            (w[0] == "starter" ? m.starterYears : m.backupYears) = r;
        } else {
            sourceError(file, l.number, "this line does not belong in " + (section.empty() ? "no section" : section));
        }
    }
    if (settings.size() != 3) throw std::runtime_error(file.string() + ": [settings] needs seed, strength_step, jitter");
    for (const lf::SlotGroup& g : lf::slotGroups()) {
        const std::string code(g.code);
        const int starters = m.starters.count(code) ? m.starters[code] : -1;
        if (starters < 1 || starters > g.count)
            throw std::runtime_error(file.string() + ": [starters] needs 1.." + std::to_string(g.count) + " for " + code);
        if (!m.ratings.count({code, true}) || (starters < g.count && !m.ratings.count({code, false})))
            throw std::runtime_error(file.string() + ": [ratings] misses a row for " + code);
        int free = 0;
        for (const NumberRange& r : m.numbers[code]) free += r.hi - r.lo + 1;
        if (free < g.count) throw std::runtime_error(file.string() + ": [numbers] too few for " + code);
    }
    return m;
}

}  // namespace datagen
