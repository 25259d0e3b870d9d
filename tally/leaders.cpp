#include "tally/leaders.h"

#include "tally/format.h"

namespace tally {

const std::array<LeaderCategory, 10>& leaderCategories() {
    static const std::array<LeaderCategory, 10> table = {{
        {"Rushing", "RUSH", Category::Rushing, 1, 4},
        {"Receiving", "CATC", Category::Receiving, 5, 8},
        {"Passing", "PASS", Category::Passing, 9, 16},
        {"Sacks", "SACK", Category::Sacks, 17, 17},
        {"Interceptions", "INTR", Category::Interceptions, 18, 21},
        {"Punting", "PUNT", Category::Punting, 22, 30},
        {"Kick Returns", "KORT", Category::KickReturns, 36, 39},
        {"Punt Returns", "PURT", Category::PuntReturns, 31, 35},
        {"Tackles", "TACK", Category::Tackles, 69, 69},
        {"Touchdowns", "TDS", Category::Touchdowns, 0, 0},
    }};
    return table;
}

std::string leaderLabel(const lf::PlayerRecord& player, const std::string& code) {
    return player.firstName().substr(0, 1) + " " + player.lastName() + ", " + code;
}

std::vector<StatRow> selectLeaders(const LeagueView& view, const LeaderCategory& category,
                                   const std::vector<lf::PlayerRecord>& players) {
    std::vector<StatRow> rows;
    const int count = view.header.teams * 50;
    for (int r = 1; r <= count; ++r) {
        const auto& player = players[static_cast<std::size_t>(r) - 1];
        StatRow row;
        if (category.first == 0) {
            Stats all{};
            for (int k = 1; k <= 71; ++k) all[k] = player.stat(k);
            deriveTouchdowns(all);
            for (int k = 72; k <= 74; ++k) row.s[k] = all[k];
        } else {
            for (int k = category.first; k <= category.last; ++k) row.s[k] = player.stat(k);
        }
        if (!categoryShows(category.category, row.s)) continue;
        row.label = leaderLabel(player, view.codes[(r - 1) / 50 + 1]);
        rows.push_back(row);
    }
    return rows;
}

Report leaders(const LeagueView& view, int index) {
    const LeaderCategory& category = leaderCategories()[static_cast<std::size_t>(index)];
    Report report;
    report.caption = category.caption;
    report.printFile = printPath(view, category.key + seasonTag(view.header.season) + ".log");
    auto rows = selectLeaders(view, category, readPlayers(view));
    if (rows.empty()) {
        report.noStats = true;
        return report;
    }
    std::vector<int> order;
    for (std::size_t i = 0; i < rows.size(); ++i) order.push_back(static_cast<int>(i));
    report.lines = listCategory(category.category, rows, order);
    return report;
}

}  // namespace tally
