#include "gameday/tests/season_checks.h"

#include <gtest/gtest.h>

#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

namespace gameday::testing {

void expectConsistentRegularSeason(const std::filesystem::path& dir) {
    const std::filesystem::path base = dir / "TEST";
    const auto teams = lf::readAll<lf::TeamRecord>(base.string() + ".tms");
    const auto players = lf::readAll<lf::PlayerRecord>(base.string() + ".pla");
    const auto schedule = lf::readAll<lf::ScheduleRecord>(base.string() + ".sch");
    // Head-to-head tallies as the results in the schedule make them: 200 per win, 2 per
    // loss, 101 per tie, so each side's tally mirrors the other's.
    int expected[9][9] = {};
    for (int r = 1; r <= 14 * 4; ++r) {
        const lf::ScheduleRecord& game = schedule[r - 1];
        const int v = game.visitor(), h = game.home();
        const int vs = game.visitorScore(), hs = game.homeScore();
        expected[v][h] += vs > hs ? 200 : vs < hs ? 2 : 101;
        expected[h][v] += hs > vs ? 200 : hs < vs ? 2 : 101;
    }
    int wins = 0, losses = 0;
    for (int t = 1; t <= 8; ++t) {
        const lf::TeamRecord& team = teams[t - 1];
        wins += team.own(99);
        losses += team.opp(99);
        EXPECT_EQ(team.own(99) + team.opp(99) + team.own(100), 14) << "team " << t;
        for (int o = 1; o <= 8; ++o) {
            EXPECT_EQ(team.h2hRecord(o), expected[t][o]) << t << " against " << o;
            EXPECT_EQ(team.h2hPoints(o), -teams[o - 1].h2hPoints(t)) << t << " against " << o;
        }
        for (int k : {1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 15, 16, 17, 18, 22, 23, 36, 37}) {
            int sum = 0;
            for (int slot = 1; slot <= 50; ++slot) sum += players[(t - 1) * 50 + slot - 1].stat(k);
            EXPECT_EQ(team.own(k), sum) << "team " << t << " statistic " << k;
        }
    }
    EXPECT_EQ(wins, losses);
    for (int r = 1; r <= 14 * 4; ++r) {
        const char status = schedule[r - 1].status();
        EXPECT_TRUE(status >= '4' && status <= '9') << "record " << r << " status " << status;
    }
}

}  // namespace gameday::testing
