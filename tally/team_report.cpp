#include "tally/team_report.h"

#include <algorithm>

#include "leaguefiles/stat_index.h"
#include "tally/format.h"
#include "tally/player_lists.h"

namespace tally {

namespace {

Stats ownStats(const lf::TeamRecord& team) {
    Stats s{};
    for (int k = 1; k <= lf::stat::TeamLast; ++k) s[k] = team.own(k);
    return s;
}

Stats oppStats(const lf::TeamRecord& team) {
    Stats s{};
    for (int k = 1; k <= lf::stat::TeamLast; ++k) s[k] = team.opp(k);
    return s;
}

struct ScheduleSection {
    std::vector<std::string> lines;
    int wins = 0, losses = 0, ties = 0;
};

ScheduleSection scheduleSection(const LeagueView& view, int team,
                                const std::vector<lf::ScheduleRecord>& schedule) {
    const int n = view.header.teams;
    const int weeks = view.header.weeks;
    ScheduleSection out;
    auto name = [&](int t) { return padRight(view.shortNames[t], 12); };
    for (int week = 1; week <= weeks + lf::PostseasonWeeks; ++week) {
        for (int slot = 1; slot <= n / 2; ++slot) {
            const auto& game = schedule[lf::scheduleRecordNumber(week, slot, n) - 1];
            int v = game.visitor(), h = game.home();
            if (v == 0 || h == 0 || (team != v && team != h)) continue;
            std::string weekField = intField(week, 12);
            if (game.status() == '-') {
                out.lines.push_back(weekField + "    " + "      " + name(v) + " at" + "    " +
                                    name(h));
                continue;
            }
            int vs = game.visitorScore(), hs = game.homeScore();
            char result = 'T';
            if (vs == hs) {
                ++out.ties;
            } else {
                bool won = (vs > hs) == (team == v);
                result = won ? 'W' : 'L';
                if (week <= weeks) ++(won ? out.wins : out.losses);
            }
            char marker = week > weeks ? '*' : ' ';
            int p = lf::periods(game);
            std::string overtime =
                p > 4 ? "(OT" + (p > 5 ? std::to_string(p - 4) : std::string()) + ")" : "    ";
            if (vs > hs)
                out.lines.push_back(weekField + "  " + result + marker + std::string(9, ' ') +
                                    name(v) + intField(vs, 4) + "   at " + name(h) +
                                    intField(hs, 4) + overtime);
            else
                out.lines.push_back(weekField + "  " + result + marker + "      at " + name(h) +
                                    intField(hs, 4) + std::string(6, ' ') + name(v) +
                                    intField(vs, 4) + overtime);
        }
    }
    out.lines.push_back(std::string(22, ' ') + "record:  " + intField(out.wins, 4) +
                        intField(out.losses, 4) + intField(out.ties, 4));
    out.lines.push_back(" ");
    return out;
}

long long conversionRate(long long made, long long attempts) {
    return attempts < 1 ? 0 : roundHalfEven(static_cast<double>(made) / attempts * 100);
}

std::vector<std::string> summarySection(const std::string& shortName, const Stats& own,
                                        const Stats& opp, int games) {
    auto sum = [](const Stats& s, std::initializer_list<int> ks) {
        long long total = 0;
        for (int k : ks) total += s[k];
        return total;
    };
    auto points = [&](const Stats& s) { return sum(s, {84, 85, 86, 87, 88}); };
    auto f = [](long long v, int w) { return intField(v, w); };
    auto time = [&](const Stats& s) { return possessionPerGame(s[91] + 60 * s[92], games); };
    return {
        padLeft(shortName, 20) + std::string(24, ' ') + "OPPONENTS",
        f(points(own), 20) + "     TOTAL POINTS" + f(points(opp), 16),
        f(sum(own, {81, 82, 83}), 20) + "     FIRST DOWNS" + f(sum(opp, {81, 82, 83}), 17),
        f(own[81], 20) + "       by Rush" + f(opp[81], 19),
        f(own[82], 20) + "       by Pass" + f(opp[82], 19),
        f(own[83], 20) + "       by Penalty" + f(opp[83], 16),
        f(sum(own, {1, 9, 15}), 15) + f(sum(own, {2, 12, 16}), 5) + "     TOTAL OFFENSE" +
            f(sum(opp, {1, 9, 15}), 10) + f(sum(opp, {2, 12, 16}), 5),
        f(own[1], 15) + f(own[2], 5) + "       Rushing" + f(opp[1], 14) + f(opp[2], 5),
        f(own[9] + own[15], 15) + f(own[12] + own[16], 5) + "       Passing" +
            f(opp[9] + opp[15], 14) + f(opp[12] + opp[16], 5),
        f(own[9], 13) + f(own[10], 4) + f(own[11], 3) + "     Att-Comp-Int" + f(opp[9], 9) +
            f(opp[10], 4) + f(opp[11], 3),
        f(own[15], 15) + f(-own[16], 5) + "     Sacked/LAP" + f(opp[15], 13) + f(-opp[16], 5),
        f(own[93], 11) + f(own[94], 4) + f(conversionRate(own[93], own[94]), 4) + "%" +
            "     3rd Down Pct" + f(opp[93], 7) + f(opp[94], 4) +
            f(conversionRate(opp[93], opp[94]), 4) + "%",
        f(own[95], 11) + f(own[96], 4) + f(conversionRate(own[95], own[96]), 4) + "%" +
            "     4th Down Pct" + f(opp[95], 7) + f(opp[96], 4) +
            f(conversionRate(opp[95], opp[96]), 4) + "%",
        f(own[57], 15) + f(opp[60], 5) + "     Fumbles/Lost" + f(opp[57], 11) + f(own[60], 5),
        f(own[89], 15) + f(own[90], 5) + "     Penalties/Yds" + f(opp[89], 10) + f(opp[90], 5),
        std::string(15, ' ') + time(own) + "     Time of Poss" + std::string(11, ' ') + time(opp),
    };
}

const Category SectionsBeforeFumbles[] = {
    Category::Rushing, Category::Receiving,     Category::Passing, Category::KickReturns,
    Category::PuntReturns, Category::Punting,   Category::Sacks,   Category::Interceptions,
    Category::Tackles, Category::Touchdowns,
};

}  // namespace

std::vector<int> chooserOrder(const std::vector<std::string>& fullNames) {
    std::vector<int> order;
    for (std::size_t t = 1; t < fullNames.size(); ++t) order.push_back(static_cast<int>(t));
    auto byte = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (byte(fullNames[order[j]], fullNames[order[i]])) std::swap(order[i], order[j]);
    return order;
}

std::string possessionPerGame(long long seconds, int games) {
    return clockTime(roundHalfEven(static_cast<double>(seconds) / std::max(games, 1)));
}

TeamSeason teamSeasonLines(const LeagueView& view, int team,
                           const std::vector<lf::TeamRecord>& teams,
                           const std::vector<lf::PlayerRecord>& players,
                           const std::vector<lf::ScheduleRecord>& schedule) {
    const auto& record = teams[static_cast<std::size_t>(team) - 1];
    Stats own = ownStats(record), opp = oppStats(record);

    std::vector<StatRow> rows(50);
    for (int slot = 1; slot <= 50; ++slot) {
        const auto& p = players[static_cast<std::size_t>((team - 1) * 50 + slot - 1)];
        StatRow& row = rows[static_cast<std::size_t>(slot) - 1];
        row.label = p.displayName();
        for (int k = 1; k <= lf::stat::PlayerLast; ++k) row.s[k] = p.stat(k);
    }

    TeamSeason out;
    auto& lines = out.lines;
    ScheduleSection schedules = scheduleSection(view, team, schedule);
    out.games = std::min(schedules.wins + schedules.losses + schedules.ties, view.header.weeks);
    lines.push_back(" ");
    lines.push_back("                               SCHEDULE");
    lines.insert(lines.end(), schedules.lines.begin(), schedules.lines.end());
    lines.push_back(" ");
    auto summary = summarySection(view.shortNames[team], own, opp, out.games);
    lines.insert(lines.end(), summary.begin(), summary.end());

    const std::string teamName = upper(view.shortNames[team]);
    std::vector<int> order;
    for (int i = 0; i < 50; ++i) order.push_back(i);
    for (Category category : SectionsBeforeFumbles) {
        if (category == Category::Touchdowns) {
            for (StatRow& row : rows) deriveTouchdowns(row.s);
            deriveTouchdowns(own);
            deriveTouchdowns(opp);
        }
        lines.push_back(" ");
        auto list = listCategory(category, rows, order);
        lines.insert(lines.end(), list.begin(), list.end());
        lines.push_back(categoryLine(category, teamName, own));
        lines.push_back(categoryLine(category, "OPPONENTS", opp));
    }

    lines.push_back(" ");
    for (const auto& h : fumblesHeader()) lines.push_back(h);
    for (const StatRow& row : rows)
        if (fumblesShows(row.s)) lines.push_back(fumblesLine(row.label, row.s));
    lines.push_back(fumblesLine(teamName, own));
    lines.push_back(fumblesLine("OPPONENTS", opp));

    lines.push_back(" ");
    auto fieldGoals = listCategory(Category::FieldGoals, rows, order);
    lines.insert(lines.end(), fieldGoals.begin(), fieldGoals.end());
    lines.push_back(categoryLine(Category::FieldGoals, teamName, own));
    lines.push_back(categoryLine(Category::FieldGoals, "OPPONENTS", opp));

    lines.push_back(" ");
    for (const auto& h : extraPointsHeader()) lines.push_back(h);
    for (const StatRow& row : rows)
        if (extraPointsShows(row.s)) lines.push_back(extraPointsLine(row.label, row.s));
    lines.push_back(extraPointsLine(teamName, own));
    lines.push_back(extraPointsLine("OPPONENTS", opp));
    return out;
}

Report teamReport(const LeagueView& view, int team) {
    auto teams = readTeams(view);
    auto players = readPlayers(view);
    auto schedule = readSchedule(view);
    Report report;
    report.caption = view.shortNames[team];
    report.printFile = printPath(view, trim(view.codes[team]) + seasonTag(view.header.season) + ".log");
    report.lines = teamSeasonLines(view, team, teams, players, schedule).lines;
    return report;
}

Report entireLeague(const LeagueView& view) {
    auto teams = readTeams(view);
    auto players = readPlayers(view);
    auto schedule = readSchedule(view);
    Report report;
    report.caption = view.base + "ALL";
    report.printFile = printPath(view, view.base + "ALL" + seasonTag(view.header.season) + ".log");
    for (int t = 1; t <= view.header.teams; ++t) {
        report.lines.push_back(std::string(12, ' ') + "---------- " + trim(view.shortNames[t]) +
                               " ----------");
        auto lines = teamSeasonLines(view, t, teams, players, schedule).lines;
        report.lines.insert(report.lines.end(), lines.begin(), lines.end());
        report.lines.push_back(" ");
        report.lines.push_back(" ");
    }
    return report;
}

}  // namespace tally
