#include "tools/datagen/schedule_templates.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

struct LeagueSize {
    int teams;
    int weeks;
    int perDivision;
};
constexpr LeagueSize Sizes[] = {{8, 14, 4}, {16, 16, 4}, {24, 16, 4}, {30, 16, 5}, {32, 16, 4}};

struct DivisionPair {
    int first;  // division 0..D-1
    int second;
};

struct DesignLine {
    int line;
    bool byes;
    std::vector<DivisionPair> pairs;
    std::vector<int> offsets;
};

using Design = std::map<std::string, std::vector<DesignLine>>;

Design readDesign(const std::filesystem::path& file) {
    Design d;
    for (const SourceLine& l : readSourceLines(file)) {
        const std::vector<std::string> w = words(l.text);
        if (w.size() < 3 || (w[1] != "rounds" && w[1] != "byes"))
            sourceError(file, l.number, "expected: template rounds|byes division-pairs [offsets]");
        DesignLine dl{l.number, w[1] == "byes", {}, {}};
        for (size_t k = 2; k < w.size(); ++k) {
            try {
                const size_t dash = w[k].find('-');
                if (dash == std::string::npos)
                    dl.offsets.push_back(std::stoi(w[k]));
                else
                    dl.pairs.push_back({std::stoi(w[k].substr(0, dash)) - 1, std::stoi(w[k].substr(dash + 1)) - 1});
            } catch (const std::exception&) {
                sourceError(file, l.number, "\"" + w[k] + "\" is neither a division pair nor an offset");
            }
        }
        if (dl.pairs.empty() || dl.byes != dl.offsets.empty())
            sourceError(file, l.number, "rounds need division pairs and offsets, byes division pairs only");
        d[w[0]].push_back(dl);
    }
    return d;
}

// Single round robin of n teams 0..n-1 by the circle method; with odd n each round has
// one free team (paired with -1).
std::vector<std::vector<std::pair<int, int>>> roundRobin(int n) {
    const int m = n % 2 ? n + 1 : n;
    std::vector<std::vector<std::pair<int, int>>> rounds;
    for (int r = 0; r < m - 1; ++r) {
        std::vector<std::pair<int, int>> round;
        round.push_back({r, m - 1});
        for (int k = 1; k < m / 2; ++k) round.push_back({(r + k) % (m - 1), (r - k + m - 1) % (m - 1)});
        for (auto& p : round) {
            if (p.first >= n) p.first = -1;
            if (p.second >= n) p.second = -1;
        }
        rounds.push_back(round);
    }
    return rounds;
}

// Turns the single meetings so that every position is home as often as away: walk each
// component of the (even-degree) graph along an Euler circuit and point every edge the
// way it is walked.
void balanceHomes(std::vector<Game*>& singles, int teams) {
    std::vector<std::vector<size_t>> at(teams + 1);
    for (size_t e = 0; e < singles.size(); ++e) {
        at[singles[e]->visitor].push_back(e);
        at[singles[e]->home].push_back(e);
    }
    std::vector<bool> done(singles.size(), false);
    std::vector<size_t> next(teams + 1, 0);
    for (int start = 1; start <= teams; ++start) {
        std::vector<int> stack{start};
        while (!stack.empty()) {
            const int v = stack.back();
            while (next[v] < at[v].size() && done[at[v][next[v]]]) ++next[v];
            if (next[v] == at[v].size()) {
                stack.pop_back();
                continue;
            }
            const size_t e = at[v][next[v]];
            done[e] = true;
            Game& g = *singles[e];
            const int other = g.visitor == v ? g.home : g.visitor;
            g = {v, other};  // walked from v: v visits
            stack.push_back(other);
        }
    }
}

std::vector<Week> makeTemplate(const LeagueSize& size, const std::vector<DesignLine>& design, bool even,
                               const std::filesystem::path& file, const std::string& name) {
    const int T = size.perDivision;
    const int D = size.teams / T;
    auto position = [&](int division, int i) { return division * T + i + 1; };
    for (const DesignLine& dl : design)
        for (const DivisionPair& p : dl.pairs)
            if (p.first < 0 || p.second < 0 || p.first >= D || p.second >= D || p.first == p.second)
                sourceError(file, dl.line, "a division pair outside 1.." + std::to_string(D));

    // Division weeks: both halves of the round robin, the second with homes reversed.
    std::vector<const DesignLine*> byes;
    for (const DesignLine& dl : design)
        if (dl.byes) byes.push_back(&dl);
    if ((T % 2 == 1) != (byes.size() == 2))
        throw std::runtime_error(file.string() + ": a league with five-team divisions needs two byes lines, others none");
    const auto robin = roundRobin(T);
    std::vector<Week> divisionWeeks;
    for (int half = 0; half < 2; ++half)
        for (size_t r = 0; r < robin.size(); ++r) {
            Week w;
            std::vector<int> free(D, -1);
            for (int d = 0; d < D; ++d)
                for (const auto& [a, b] : robin[r]) {
                    if (a < 0 || b < 0) {
                        free[d] = position(d, a < 0 ? b : a);
                        continue;
                    }
                    // Alternate homes within the round so the first half is nearly even.
                    Game g{position(d, a), position(d, b)};
                    if ((a + b + static_cast<int>(r)) % 2) std::swap(g.visitor, g.home);
                    if (half) std::swap(g.visitor, g.home);
                    w.push_back(g);
                }
            if (!byes.empty())
                for (const DivisionPair& p : byes[half]->pairs) w.push_back({free[p.first], free[p.second]});
            divisionWeeks.push_back(w);
        }

    std::vector<Week> otherWeeks;
    for (const DesignLine& dl : design) {
        if (dl.byes) continue;
        for (int o : dl.offsets) {
            Week w;
            for (const DivisionPair& p : dl.pairs)
                for (int i = 0; i < T; ++i) w.push_back({position(p.first, i), position(p.second, (i + o) % T)});
            otherWeeks.push_back(w);
        }
    }
    if (static_cast<int>(divisionWeeks.size() + otherWeeks.size()) != size.weeks)
        throw std::runtime_error(file.string() + ": the design of " + name + " makes " +
                                 std::to_string(divisionWeeks.size() + otherWeeks.size()) + " weeks, not " +
                                 std::to_string(size.weeks));

    // Spread the division weeks evenly over the season; each remembers how many of its
    // games (at the front) are division games, whose homes are already set.
    const size_t divisionGames = static_cast<size_t>(size.teams) / 2 - (byes.empty() ? 0 : byes[0]->pairs.size());
    std::vector<Week> season;
    std::vector<size_t> fixed;
    size_t dw = 0, ow = 0;
    for (int w = 0; w < size.weeks; ++w) {
        const size_t due = (static_cast<size_t>(w) + 1) * divisionWeeks.size() / size.weeks;
        const bool division = dw < due;
        season.push_back(division ? divisionWeeks[dw++] : otherWeeks[ow++]);
        fixed.push_back(division ? divisionGames : 0);
    }

    // Homes of the other games: pairs that meet twice play once at each home.
    std::map<std::pair<int, int>, std::vector<Game*>> meetings;
    for (size_t w = 0; w < season.size(); ++w)
        for (size_t k = fixed[w]; k < season[w].size(); ++k) {
            Game& g = season[w][k];
            meetings[{std::min(g.visitor, g.home), std::max(g.visitor, g.home)}].push_back(&g);
        }
    // The first of two meetings is balanced like a single one; the second is its return game.
    std::vector<Game*> singles, firsts;
    for (auto& [pair, games] : meetings) {
        if (games.size() == 1) {
            singles.push_back(games[0]);
        } else if (games.size() == 2) {
            firsts.push_back(games[0]);
        } else {
            throw std::runtime_error(file.string() + ": positions " + std::to_string(pair.first) + " and " +
                                     std::to_string(pair.second) + " would meet more than twice");
        }
    }
    balanceHomes(singles, size.teams);
    balanceHomes(firsts, size.teams);
    for (auto& [pair, games] : meetings)
        if (games.size() == 2) *games[1] = {games[0]->home, games[0]->visitor};
    if (even)
        for (Week& w : season)
            for (Game& g : w) std::swap(g.visitor, g.home);

    // Every position once a week, no pair meeting more than twice.
    for (const Week& w : season) {
        std::set<int> seen;
        for (const Game& g : w)
            if (!seen.insert(g.visitor).second || !seen.insert(g.home).second)
                throw std::runtime_error(file.string() + ": a position plays twice in one week of " + name);
        if (static_cast<int>(seen.size()) != size.teams)
            throw std::runtime_error(file.string() + ": a week of " + name + " leaves a position out");
    }
    return season;
}

}  // namespace

Summary buildScheduleTemplates(const std::filesystem::path& src, const std::filesystem::path& out) {
    const std::filesystem::path file = src / "schedules.txt";
    const Design design = readDesign(file);
    Summary s;
    for (const LeagueSize& size : Sizes)
        for (int parity = 1; parity <= 2; ++parity) {
            std::string name = "s";
            name += std::to_string(parity);
            name += 't';
            name += std::to_string(size.teams);
            const auto d = design.find(name);
            if (d == design.end()) throw std::runtime_error(file.string() + ": no design for " + name);
            const std::vector<Week> season = makeTemplate(size, d->second, parity == 2, file, name);
            std::vector<std::string> lines;
            for (const Week& w : season) {
                std::string line;
                for (const Game& g : w) {
                    if (!line.empty()) line += ',';
                    line += std::to_string(g.visitor) + "a" + std::to_string(g.home);
                }
                lines.push_back(line);
            }
            writeLines(out / (name + ".sea"), lines);
            s.push_back(name + ".sea    " + std::to_string(season.size()) + " weeks");
        }
    if (design.size() != 10) throw std::runtime_error(file.string() + ": designs for unknown templates");
    return s;
}

}  // namespace datagen
