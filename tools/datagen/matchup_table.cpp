#include "tools/datagen/matchup_table.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

constexpr int Limit = 4;  // no single matchup moves a result by more than this

struct OffensePlay {
    std::set<std::string> tags;
    std::string side;  // left, middle or right
};

struct DefensePlay {
    std::set<std::string> tags;
    std::set<std::string> gaps;  // the sides a blitz attacks
};

struct MatchRule {
    int line;
    std::string offense;
    std::string defense;  // a tag, or "tag.into" / "tag.away" for a blitz and the play's side
    int value;
};

const std::set<std::string> Sides{"left", "middle", "right"};

struct Rules {
    std::map<int, OffensePlay> offense;
    std::map<int, DefensePlay> defense;
    std::vector<MatchRule> rules;
};

int number(const std::filesystem::path& file, int line, const std::string& w) {
    try {
        size_t used = 0;
        const int v = std::stoi(w, &used);
        if (used == w.size()) return v;
    } catch (const std::exception&) {
    }
    sourceError(file, line, "\"" + w + "\" is not a number");
}

Rules readRules(const std::filesystem::path& file) {
    Rules r;
    std::string section;
    for (const SourceLine& l : readSourceLines(file)) {
        if (l.text.front() == '[') {
            section = l.text;
            continue;
        }
        const std::vector<std::string> w = words(l.text);
        if (section == "[offense]") {
            if (w.size() < 3 || !Sides.count(w.back())) sourceError(file, l.number, "expected: play tags... side");
            OffensePlay p{{w.begin() + 1, w.end() - 1}, w.back()};
            r.offense[number(file, l.number, w[0])] = p;
        } else if (section == "[defense]") {
            DefensePlay p;
            bool gaps = false;
            for (size_t k = 1; k < w.size(); ++k) {
                if (w[k] == ":") {
                    gaps = true;
                } else if (gaps) {
                    if (!Sides.count(w[k])) sourceError(file, l.number, "\"" + w[k] + "\" is no side");
                    p.gaps.insert(w[k]);
                } else {
                    p.tags.insert(w[k]);
                }
            }
            r.defense[number(file, l.number, w[0])] = p;
        } else if (section == "[rules]") {
            if (w.size() != 3) sourceError(file, l.number, "a rule is: offense-tag defense-tag value");
            r.rules.push_back({l.number, w[0], w[1], number(file, l.number, w[2])});
        } else {
            sourceError(file, l.number, "outside [offense], [defense] or [rules]");
        }
    }
    return r;
}

bool applies(const MatchRule& rule, const OffensePlay& o, const DefensePlay& d) {
    if (!o.tags.count(rule.offense)) return false;
    const size_t dot = rule.defense.find('.');
    if (dot == std::string::npos) return d.tags.count(rule.defense) > 0;
    if (!d.tags.count(rule.defense.substr(0, dot))) return false;
    const bool into = d.gaps.count(o.side) > 0;
    return rule.defense.substr(dot + 1) == "into" ? into : !into;
}

}  // namespace

Summary buildMatchupTable(const std::filesystem::path& src, const std::filesystem::path& out) {
    const std::filesystem::path file = src / "matchups.txt";
    const Rules r = readRules(file);
    std::set<int> usedRules;
    std::vector<std::vector<int64_t>> rows;
    int small = 0;
    for (int group = 1; group <= 3; ++group)
        for (int n = 1; n <= 9; ++n) {
            const int play = 10 * group + n;
            if (!r.offense.count(play)) throw std::runtime_error(file.string() + ": offensive play " + std::to_string(play) + " missing");
            std::vector<int64_t> row;
            for (int d = 1; d <= 25; ++d) {
                if (!r.defense.count(d)) throw std::runtime_error(file.string() + ": defensive play " + std::to_string(d) + " missing");
                int v = 0;
                for (const MatchRule& rule : r.rules)
                    if (applies(rule, r.offense.at(play), r.defense.at(d))) {
                        v += rule.value;
                        usedRules.insert(rule.line);
                    }
                v = std::clamp(v, -Limit, Limit);
                small += std::abs(v) <= 1;
                row.push_back(v);
            }
            rows.push_back(row);
        }
    for (const MatchRule& rule : r.rules)
        if (!usedRules.count(rule.line)) sourceError(file, rule.line, "this rule matches no pair of plays");
    writeRows(out / "dex.dat", rows);
    char buf[120];
    std::snprintf(buf, sizeof buf, "dex          %zu rules, %d of 675 matchups within -1..1", r.rules.size(), small);
    return {buf};
}

}  // namespace datagen
