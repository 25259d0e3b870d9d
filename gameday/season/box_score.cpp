#include "gameday/season/box_score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

#include "leaguefiles/report_output.h"
#include "leaguefiles/stat_index.h"

namespace season {
namespace {

using lf::withSignPlace;
using Stats = std::array<int, fb::kTeamStatCount + 1>;
constexpr char Tab = '\t';

std::string lastChars(const std::string& s, size_t k) {
    return s.size() > k ? s.substr(s.size() - k) : s;
}

std::string rightIn(const std::string& text, size_t k) {
    return text.size() >= k ? text : std::string(k - text.size(), ' ') + text;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Longest-type values that nothing set yet show as 0.
int shown(int v) { return lf::stat::display(v); }

int percentage(int made, int tried) {
    if (tried <= 0) return 0;
    return static_cast<int>(std::nearbyint(100.0 * made / tried));  // halves to even
}

std::string possessionTime(int seconds) {
    return lastChars("  " + withSignPlace(seconds / 60), 2) + ":" +
           lastChars("00" + std::to_string(seconds % 60), 2);
}

struct TeamLine {
    const char* label;
    std::function<std::string(const fb::Side& own, const fb::Side& other)> value;
};

const std::vector<TeamLine>& teamLines() {
    static const std::vector<TeamLine> lines = {
        {"     FIRST DOWNS     ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[81] + s.stats[82] + s.stats[83], 15);
         }},
        {"        by Rush      ", [](const fb::Side& s, const fb::Side&) { return rk(s.stats[81], 15); }},
        {"        by Pass      ", [](const fb::Side& s, const fb::Side&) { return rk(s.stats[82], 15); }},
        {"        by Pen       ", [](const fb::Side& s, const fb::Side&) { return rk(s.stats[83], 15); }},
        {"     TOTAL OFFENSE   ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[1] + s.stats[9] + s.stats[15], 10) +
                    rk(s.stats[2] + s.stats[12] + s.stats[16], 5);
         }},
        {"        RUSHING      ",
         [](const fb::Side& s, const fb::Side&) { return rk(s.stats[1], 10) + rk(s.stats[2], 5); }},
        {"        PASSING      ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[9] + s.stats[15], 10) + rk(s.stats[12] + s.stats[16], 5);
         }},
        {"     Att-Comp-Int    ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[9], 9) + rk(s.stats[10], 3) + rk(s.stats[11], 3);
         }},
        {"        Sacks-LAP    ",
         [](const fb::Side& s, const fb::Side&) { return rk(s.stats[15], 12) + rk(-s.stats[16], 3); }},
        {"     3rd Down Pct    ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[93], 9) + rk(s.stats[94], 3) +
                    rk(percentage(s.stats[93], s.stats[94]), 3);
         }},
        {"     4th Down Pct    ",
         [](const fb::Side& s, const fb::Side&) {
             return rk(s.stats[95], 9) + rk(s.stats[96], 3) +
                    rk(percentage(s.stats[95], s.stats[96]), 3);
         }},
        {"     Fumbles/Lost    ",
         [](const fb::Side& s, const fb::Side& o) { return rk(s.stats[57], 10) + rk(o.stats[60], 5); }},
        {"     Penalties/Yds   ",
         [](const fb::Side& s, const fb::Side&) { return rk(s.stats[89], 10) + rk(s.stats[90], 5); }},
        {"     Time of Poss    ",
         [](const fb::Side& s, const fb::Side&) { return rightIn(possessionTime(s.stats[91]), 15); }},
        {"     Missed FGs      ",
         [](const fb::Side& s, const fb::Side&) {
             return rightIn(lastChars(s.missedFieldGoals, 15), 15);
         }},
    };
    return lines;
}

// One section of a side's player lists: who qualifies and how a row reads; the total
// row reads the team's statistics the same way.
template <class Values>
struct Section {
    const char* title;
    const char* heading;
    bool (*qualifies)(const Values&);
    std::string (*row)(const Values&);
};

template <class Values>
std::string tabbed(const Values& v, std::initializer_list<int> indices) {
    std::string out;
    for (int k : indices) out += Tab + n3(shown(v[k]));
    return out;
}

template <class Values>
const std::vector<Section<Values>>& sections() {
    static const std::vector<Section<Values>> list = {
        {"RUSHING & RECEIVING",
         "Name         \tAtt\tYds\tTDs\tLng\tRec\tYds\tTDs\tLng",
         [](const Values& v) { return v[1] > 0 || v[5] > 0; },
         [](const Values& v) { return tabbed(v, {1, 2, 3, 4, 5, 6, 7, 8}); }},
        {"PASSING", "Name         \tAtt\tCom\tInt\tYds\tTDs\tLng\tSck\tLAP",
         [](const Values& v) { return v[9] > 0 || v[15] > 0; },
         [](const Values& v) {
             return tabbed(v, {9, 10, 11, 12, 13, 14, 15}) + Tab + n3(-v[16]);
         }},
        {"KICK RETURNS",
         "Name            KoR     Yds     TDs     Lng     PuR     Yds     TDs      FC  Lng",
         [](const Values& v) { return v[36] > 0 || v[31] > 0 || v[34] > 0; },
         [](const Values& v) {
             return tabbed(v, {36, 37, 38, 39, 31, 32, 33, 34}) + rk(shown(v[35]), 5);
         }},
        {"PUNTING",
         "Name            Pnt     Yds     Bkd     Ret     Yds      FC      TB    In20  Lng",
         [](const Values& v) { return v[22] > 0 || v[24] > 0; },
         [](const Values& v) {
             std::string out = rk(v[22], 5);
             for (int k = 23; k <= 29; ++k) out += rk(v[k], 8);
             return out + rk(shown(v[30]), 5);
         }},
        {"SACKS AND INTERCEPTIONS", "Name           Sack     Int     Yds      TD     Lng",
         [](const Values& v) { return v[17] > 0 || v[18] > 0; },
         [](const Values& v) { return tabbed(v, {17, 18, 19, 20, 21}); }},
    };
    return list;
}

void addPlayerLists(std::vector<std::string>& out, const fb::Side& side) {
    using PlayerStats = std::array<int, fb::kPlayerStatCount + 1>;
    const auto& players = sections<PlayerStats>();
    const auto& team = sections<Stats>();
    for (size_t i = 0; i < players.size(); ++i) {
        out.push_back(" ");
        out.push_back(players[i].title);
        out.push_back(players[i].heading);
        for (int slot = 1; slot <= fb::kRosterSize; ++slot) {
            const fb::Player& p = side.roster[slot];
            if (players[i].qualifies(p.stats)) out.push_back(l14(p.name) + players[i].row(p.stats));
        }
        out.push_back(l14(upper(side.name)) + team[i].row(side.stats));
    }
}

}  // namespace

std::string l14(const std::string& text) {
    std::string s = text.substr(0, 14);
    s.append(14 - s.size(), ' ');
    return s;
}

std::string n3(int n) { return lastChars("   " + withSignPlace(n), 3); }

std::string rk(int n, int k) {
    const std::string s = std::to_string(n);
    const size_t width = static_cast<size_t>(k);
    return s.size() > width ? s.substr(0, width) : rightIn(s, width);
}

void setResultFlags(fb::GameState& g) {
    const int v = g.side[fb::kVisitor].score, h = g.side[fb::kHome].score;
    g.side[fb::kVisitor].stats[lf::stat::Wins] = v > h ? 1 : 0;
    g.side[fb::kHome].stats[lf::stat::Wins] = h > v ? 1 : 0;
    g.side[fb::kVisitor].stats[lf::stat::Ties] = v == h ? 1 : 0;
    g.side[fb::kHome].stats[lf::stat::Ties] = v == h ? 1 : 0;
}

std::vector<std::string> boxScoreLines(const fb::GameState& g) {
    const fb::Side& v = g.side[fb::kVisitor];
    const fb::Side& h = g.side[fb::kHome];
    std::vector<std::string> out;
    out.push_back(" ");
    out.push_back(l14(" ") + "\t1Q\t2Q\t3Q\t4Q\tOT\tFinal");
    for (const fb::Side* s : {&v, &h}) {
        std::string line = l14(s->name) + Tab;
        for (int k = lf::stat::PointsQuarter1; k <= lf::stat::PointsOvertime; ++k)
            line += withSignPlace(s->stats[k]) + Tab;
        out.push_back(line + withSignPlace(s->score));
    }
    out.push_back(" Q   Time  Team  ld  SCORING SUMMARY");
    out.insert(out.end(), g.scoring.begin(), g.scoring.end());
    out.push_back(" ");
    out.push_back(lastChars(std::string(15, ' ') + v.name, 15) + std::string(21, ' ') +
                  lastChars(std::string(15, ' ') + h.name, 15));
    for (const TeamLine& line : teamLines())
        out.push_back(line.value(v, h) + line.label + line.value(h, v));
    addPlayerLists(out, v);
    addPlayerLists(out, h);
    return out;
}

std::vector<std::string> gameEventsLines(const fb::GameState& g) {
    std::vector<std::string> out = {" ", " Q   Time  Team  ld  GAME SUMMARY"};
    for (const std::string& event : g.events) {
        const std::string prefix = event.substr(0, std::min<size_t>(21, event.size()));
        const std::string rest = event.size() > 21 ? event.substr(21) : "";
        size_t start = 0;
        bool first = true;
        while (true) {
            const size_t dot = rest.find('.', start);
            const std::string part = rest.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            out.push_back(first ? prefix + part : std::string(21, ' ') + trimmed(part));
            first = false;
            if (dot == std::string::npos) break;
            start = dot + 1;
        }
    }
    return out;
}

}  // namespace season
