#include "tally/league_totals.h"

#include <algorithm>
#include <functional>

#include "leaguefiles/stat_index.h"
#include "tally/format.h"
#include "tally/player_lists.h"

namespace tally {

namespace {

// One column of the table per team, and the league line.
struct Column {
    Stats s{};
    int games = 0;
};

using Key = std::function<long long(const Column&)>;
using Row = std::function<std::string(const Column&)>;

struct Section {
    std::vector<std::string> header;
    Key key;  // empty: rows in team-number order
    Row row;
    std::size_t nameWidth = 14;
    bool emptyLineFirst = false;
};

long long perGame(double value, int games) { return games < 1 ? 0 : roundHalfEven(value / games); }
// Keys count a denominator below 1 as 1.
long long keyRatio(double numerator, double denominator, double scale) {
    return roundHalfEven(numerator / std::max(denominator, 1.0) * scale);
}
long long rate(long long made, long long attempts, double scale) {
    return attempts < 1 ? 0 : roundHalfEven(static_cast<double>(made) / attempts * scale);
}
long long plays(const Stats& s) { return s[1] + s[9] + s[15]; }
long long yards(const Stats& s) { return s[2] + s[12] + s[16]; }
long long points(const Stats& s) { return s[84] + s[85] + s[86] + s[87] + s[88]; }
long long lost(const Stats& s) { return s[57] - s[58]; }
long long giveaways(const Stats& s) { return lost(s) + s[11]; }
long long takeaways(const Stats& s) { return s[60] + s[18]; }
std::string f(long long value, int width) { return intField(value, width); }

const std::vector<Section>& sections() {
    static const std::vector<Section> table = {
        {{"                    Total  Total    Rush   Rush    Pass   Pass",
          "YARDS        Games  Plays  Yards     Att  Yards   Plays  Yards"},
         [](const Column& c) { return yards(c.s); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(c.games, 4) + f(plays(s), 7) + f(yards(s), 7) + f(s[1], 8) + f(s[2], 7) +
                    f(plays(s) - s[1], 8) + f(yards(s) - s[2], 7);
         }},
        {{"AVERAGE             Total  Total    Rush   Rush    Pass   Pass",
          "per GAME     Games  Plays  Yards     Att  Yards   Plays  Yards"},
         [](const Column& c) { return keyRatio(yards(c.s), c.games, 1); },
         [](const Column& c) {
             const Stats& s = c.s;
             int g = c.games;
             return f(g, 4) + f(perGame(plays(s), g), 7) + f(perGame(yards(s), g), 7) +
                    f(perGame(s[1], g), 8) + f(perGame(s[2], g), 7) +
                    f(perGame(plays(s) - s[1], g), 8) + f(perGame(yards(s) - s[2], g), 7);
         }},
        {{"PENALTIES,             Yds  First    FD    FD     FD   Time of",
          "ETC.            Pen    Pen  Downs   Rush  Pass   Pen     Poss"},
         nullptr,
         [](const Column& c) {
             const Stats& s = c.s;
             std::string time =
                 c.games < 1 ? " 0:00"
                             : clockTime(roundHalfEven(
                                   static_cast<double>(s[91] + 60 * s[92]) / c.games));
             return f(s[89], 5) + f(s[90], 7) + f(s[81] + s[82] + s[83], 7) + f(s[81], 7) +
                    f(s[82], 6) + f(s[83], 6) + "     " + time;
         }},
        {{"                Fumbles   Had   Own   Fumbles   Int     Opp",
          "TURNOVERS         Lost    Int   T.O.   Recvrd    by     T.O.   Net"},
         [](const Column& c) { return takeaways(c.s) - giveaways(c.s); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(lost(s), 7) + f(s[11], 7) + f(giveaways(s), 7) + f(s[60], 7) +
                    f(s[18], 9) + f(takeaways(s), 8) + f(takeaways(s) - giveaways(s), 7);
         }},
        {{"3RD DOWN           Third Down        Fourth Down",
          "4TH DOWN           Att   Made  Pct    Att   Made  Pct"},
         [](const Column& c) { return keyRatio(c.s[93], c.s[94], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[94], 8) + f(s[93], 7) + f(rate(s[93], s[94], 100), 5) + f(s[96], 7) +
                    f(s[95], 7) + f(rate(s[95], s[96], 100), 5);
         }},
        {{"SCORING              1Q     2Q     3Q     4Q     OT    Total   Avg"},
         [](const Column& c) { return keyRatio(points(c.s), c.games, 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[84], 9) + f(s[85], 7) + f(s[86], 7) + f(s[87], 7) + f(s[88], 7) +
                    f(points(s), 8) + oneDecimal(ratio(points(s), c.games), 8);
         },
         14, true},
        {{"RUSHING           Att    Yds     TD    Lng     AVG"},
         [](const Column& c) { return c.s[2]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[1], 7) + f(s[2], 7) + f(s[3], 7) + f(longest(s[4]), 7) +
                    oneDecimal(ratio(s[2], s[1]), 8);
         }},
        {{"RECEIVING         Rec    Yds     TD    Lng     AVG"},
         [](const Column& c) { return c.s[5]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[5], 7) + f(s[6], 7) + f(s[7], 7) + f(longest(s[8]), 7) +
                    oneDecimal(ratio(s[6], s[5]), 8);
         }},
        {{"PASSING         Rating   Att   Com  com%  Int  Int%    Yds  YPP   TD  Lng Sack"},
         [](const Column& c) { return c.s[12]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return oneDecimal(passerRating(s), 8) + f(s[9], 6) + f(s[10], 6) +
                    oneDecimal(ratio(s[10], s[9]) * 100, 6) + f(s[11], 5) +
                    oneDecimal(ratio(s[11], s[9]) * 100, 6) + f(s[12], 7) +
                    oneDecimal(ratio(s[12], s[9]), 5) + f(s[13], 5) + f(longest(s[14]), 5) +
                    f(s[15], 5);
         },
         12},
        {{"KICK RETURNS    KoRet   Yds   Avg   TD  Lng"},
         [](const Column& c) { return keyRatio(c.s[37], c.s[36], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[36], 5) + f(s[37], 8) + oneDecimal(ratio(s[37], s[36]), 6) + f(s[38], 5) +
                    f(longest(s[39]), 5);
         }},
        {{"PUNT RETURNS    PuRet   Yds    Avg   TD   FC  Lng"},
         [](const Column& c) { return keyRatio(c.s[32], c.s[31], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[31], 5) + f(s[32], 8) + oneDecimal(ratio(s[32], s[31]), 7) + f(s[33], 5) +
                    f(s[34], 5) + f(longest(s[35]), 5);
         }},
        {{"PUNTING           Pnt  Net  Bkd Ret    Yds  FC  TB  In20   Lng Gross"},
         [](const Column& c) { return keyRatio(c.s[23], c.s[22], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[22], 6) + oneDecimal(ratio(s[23] - s[26] - 20.0 * s[28], s[22]), 6) +
                    f(s[24], 4) + f(s[25], 5) + f(s[26], 7) + f(s[27], 4) + f(s[28], 4) +
                    f(s[29], 6) + f(longest(s[30]), 6) + oneDecimal(ratio(s[23], s[22]), 6);
         }},
        {{"SACKS, ETC.      Sacks  Tackles  BkPt  BkFG  BkXP  Safety"},
         [](const Column& c) { return c.s[17]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[17], 8) + f(s[69], 9) + f(s[63], 6) + f(s[64], 6) + f(s[65], 6) +
                    f(s[66], 6);
         }},
        {{"INTERCEPTIONS     Ints    Yards   TDs  Long"},
         [](const Column& c) { return c.s[18]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[18], 8) + f(s[19], 9) + f(s[20], 6) + f(longest(s[21]), 6);
         }},
        {{"FUMBLES            Fum   Own   Opp   Yds    TD   Lng"},
         [](const Column& c) { return c.s[57]; },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[57], 8) + f(s[58], 6) + f(s[60], 6) + f(s[59], 6) + f(s[61], 6) +
                    f(longest(s[62]), 6);
         }},
        {{"FIELD                            0-19   20-29   30-39   40-49     50+",
          "GOALS            Md/Att   Pct  Md/Att  Md/Att  Md/Att  Md/Att  Md/Att Bkd Lng"},
         [](const Column& c) { return keyRatio(c.s[40], c.s[41], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             std::string row = f(s[40], 4) + f(s[41], 5) +
                               f(s[40] == 0 ? 0 : rate(s[40], s[41], 1000), 6);
             for (int k = 42; k <= 52; ++k) row += f(s[k], 4);
             return row + f(longest(s[53]), 4);
         },
         10},
        {{"EXTRA POINTS             xpm   xpa   bkd   pct   2 pt"},
         [](const Column& c) { return keyRatio(c.s[54], c.s[55], 100); },
         [](const Column& c) {
             const Stats& s = c.s;
             return f(s[54], 14) + f(s[55], 6) + f(s[56], 6) + f(rate(s[54], s[55], 1000), 6) +
                    f(s[67], 6);
         },
         10, true},
    };
    return table;
}

}  // namespace

std::vector<std::string> leagueTotalsLines(const LeagueView& view, Side side,
                                           const std::vector<lf::TeamRecord>& teams,
                                           const std::vector<lf::ScheduleRecord>& schedule) {
    const int n = view.header.teams;
    std::vector<Column> columns(static_cast<std::size_t>(n) + 2);
    Column& league = columns[static_cast<std::size_t>(n) + 1];
    for (int t = 1; t <= n; ++t) {
        const auto& team = teams[static_cast<std::size_t>(t) - 1];
        for (int k = 1; k <= lf::stat::TeamLast; ++k) {
            long long v = side == Side::Offence ? team.own(k) : team.opp(k);
            columns[t].s[k] = v;
            league.s[k] = lf::stat::isMaxType(k) ? std::max(league.s[k], v) : league.s[k] + v;
        }
    }
    for (int week = 1; week <= view.header.weeks; ++week)
        for (int slot = 1; slot <= n / 2; ++slot) {
            const auto& game = schedule[lf::scheduleRecordNumber(week, slot, n) - 1];
            if (game.status() == '-') continue;
            for (int t : {game.visitor(), game.home()})
                if (t >= 1 && t <= n) ++columns[t].games;
            league.games += 2;
        }

    std::vector<int> order;
    for (int t = 1; t <= n; ++t) order.push_back(t);
    std::vector<std::string> lines;
    for (const Section& section : sections()) {
        lines.push_back(" ");
        if (section.emptyLineFirst) lines.push_back("");
        lines.insert(lines.end(), section.header.begin(), section.header.end());
        if (section.key)
            exchangeSort(order, 0, order.size(), [&](int t) { return section.key(columns[t]); });
        else
            for (int t = 1; t <= n; ++t) order[static_cast<std::size_t>(t) - 1] = t;
        auto row = [&](int t) {
            std::string name = padRight(upper(view.shortNames[t]), section.nameWidth);
            return nameField(name) + section.row(columns[t]);
        };
        for (int t : order) lines.push_back(row(t));
        lines.push_back(row(n + 1));
    }
    return lines;
}

Report leagueTotals(const LeagueView& view, Side side) {
    const std::string part = side == Side::Offence ? "Of" : "De";
    Report report;
    report.caption = "League " + part + "fensive Totals";
    report.printFile = printPath(view, view.base + part + seasonTag(view.header.season) + ".log");
    report.lines = leagueTotalsLines(view, side, readTeams(view), readSchedule(view));
    return report;
}

}  // namespace tally
