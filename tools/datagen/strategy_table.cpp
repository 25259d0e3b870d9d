#include "tools/datagen/strategy_table.h"

#include <array>
#include <set>
#include <string>

#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

// Bands of the table, in file order from the slowest: time, score, field, down, distance.
constexpr std::array<int, 5> BandCount{5, 7, 5, 4, 4};
constexpr const char* BandName[] = {"time", "score", "field", "down", "distance"};

// Codes the computer coach knows.
const std::set<int> KnownCodes{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                               14, 15, 16, 17, 18, 19, 20, 31, 32, 33, 51, 52};

struct Range {
    int lo;
    int hi;
};

struct Rule {
    int line;
    std::array<Range, 5> when;
    int secondQuarter;  // code in the second quarter; AsUsual: what time band 1 calls
    int otherwise;      // code in every other quarter
};

constexpr int AsUsual = -1;

Range parseRange(const std::filesystem::path& file, int line, const std::string& w, int band) {
    if (w == "*") return {1, BandCount[band]};
    const size_t dash = w.find('-');
    try {
        Range r{std::stoi(w.substr(0, dash)), dash == std::string::npos ? 0 : std::stoi(w.substr(dash + 1))};
        if (dash == std::string::npos) r.hi = r.lo;
        if (r.lo >= 1 && r.lo <= r.hi && r.hi <= BandCount[band]) return r;
    } catch (const std::exception&) {
    }
    sourceError(file, line, "\"" + w + "\" is no " + BandName[band] + " band (1.." +
                                std::to_string(BandCount[band]) + ", a-b or *)");
}

int parseCode(const std::filesystem::path& file, int line, const std::string& w) {
    try {
        size_t used = 0;
        const int c = std::stoi(w, &used);
        if (used == w.size() && KnownCodes.count(c)) return c;
    } catch (const std::exception&) {
    }
    sourceError(file, line, "\"" + w + "\" is no strategy code");
}

std::vector<Rule> readRules(const std::filesystem::path& file) {
    std::vector<Rule> rules;
    for (const SourceLine& l : readSourceLines(file)) {
        const std::vector<std::string> w = words(l.text);
        if (w.size() != 6) sourceError(file, l.number, "a rule is: time score field down distance code");
        Rule r{l.number, {}, 0, 0};
        for (int b = 0; b < 5; ++b) r.when[b] = parseRange(file, l.number, w[b], b);
        const size_t slash = w[5].find('/');
        const std::string q2 = w[5].substr(0, slash);
        r.secondQuarter = q2 == "-" && slash != std::string::npos ? AsUsual : parseCode(file, l.number, q2);
        r.otherwise = slash == std::string::npos ? r.secondQuarter : parseCode(file, l.number, w[5].substr(slash + 1));
        rules.push_back(r);
    }
    return rules;
}

const Rule* ruleFor(const std::vector<Rule>& rules, const std::array<int, 5>& cell) {
    for (const Rule& r : rules) {
        bool all = true;
        for (int b = 0; b < 5 && all; ++b) all = cell[b] >= r.when[b].lo && cell[b] <= r.when[b].hi;
        if (all) return &r;
    }
    return nullptr;
}

std::string describe(const std::array<int, 5>& cell) {
    std::string s;
    for (int b = 0; b < 5; ++b) s += std::string(b ? ", " : "") + BandName[b] + " " + std::to_string(cell[b]);
    return s;
}

}  // namespace

Summary buildStrategyTable(const std::filesystem::path& src, const std::filesystem::path& out) {
    const std::filesystem::path file = src / "strategy.txt";
    const std::vector<Rule> rules = readRules(file);
    std::vector<int64_t> values;
    std::set<int> used;  // lines of the rules that decide some cell
    std::array<int, 5> cell{};
    for (cell[0] = 1; cell[0] <= 5; ++cell[0])
        for (cell[1] = 1; cell[1] <= 7; ++cell[1])
            for (cell[2] = 1; cell[2] <= 5; ++cell[2])
                for (cell[3] = 1; cell[3] <= 4; ++cell[3])
                    for (cell[4] = 1; cell[4] <= 4; ++cell[4]) {
                        const Rule* hit = ruleFor(rules, cell);
                        if (!hit) throw std::runtime_error(file.string() + ": no rule for " + describe(cell));
                        used.insert(hit->line);
                        int q2 = hit->secondQuarter;
                        if (q2 == AsUsual) {
                            std::array<int, 5> usual = cell;
                            usual[0] = 1;
                            const Rule* u = ruleFor(rules, usual);
                            if (!u || u->secondQuarter != u->otherwise)
                                sourceError(file, hit->line, "\"-\" needs one plain code at time band 1 for " + describe(cell));
                            q2 = u->otherwise;
                        }
                        values.push_back(q2 == hit->otherwise ? q2 : 100 * q2 + hit->otherwise);
                    }
    // A rule that never decides a cell is hidden behind earlier ones: a mistake in the rules.
    for (const Rule& r : rules)
        if (!used.count(r.line)) sourceError(file, r.line, "this rule is covered by earlier rules");
    writeNumbers(out / "Ologic.dat", values, 16);
    return {"Ologic       " + std::to_string(rules.size()) + " rules, " + std::to_string(values.size()) + " cells"};
}

}  // namespace datagen
