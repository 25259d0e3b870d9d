// The shipped data as the game engine loads it, and whole computer games between
// template teams: the tables must play like football, within broad limits.
#include <gtest/gtest.h>

#include <array>

#include "gameday/engine/game.h"
#include "leaguefiles/templates.h"
#include "shipped.h"

namespace {

TEST(EngineGames, TheEngineLoadsEveryShippedTable) {
    const fb::Tables t = fb::loadTables(shipped::dir());
    EXPECT_EQ(t.formations[1].substr(0, 6), "B1W2T2");
    EXPECT_EQ(t.offensivePlayTitles[1], "Plunge");
    EXPECT_EQ(t.defensiveFormations[6].substr(0, 6), "L4B3D4");
    EXPECT_EQ(t.strategy[1][4][3][1][3], 2);  // first and ten at midfield, tied: balanced
    EXPECT_GT(t.rushing[1][4], t.rushing[35][4]);
    EXPECT_GT(t.punting.at(66), 0);
}

TEST(EngineGames, ComputerGamesBetweenTemplateTeamsLookLikeFootball) {
    const fb::Tables tables = fb::loadTables(shipped::dir());
    constexpr int Games = 150;
    std::array<double, 101> sum{};
    double points = 0;
    for (int n = 0; n < Games; ++n) {
        fb::GameSetup s;
        const int teams[3] = {0, 1 + (n * 7) % 32, 1 + (n * 7 + 11) % 32};
        for (int side = 1; side <= 2; ++side) {
            s.teamNumber[side] = side;
            s.team[side] = lf::readTemplateTeam(shipped::file("teams.tmx"), teams[side]);
            for (int k = 1; k <= 50; ++k)
                s.players[side][k - 1] = lf::readTemplatePlayer(shipped::file("players.plx"), teams[side], k);
        }
        s.week = 1 + n % 16;
        fb::AutoSeam seam;
        fb::GameState g;
        lf::Random rnd(500 + n);
        ASSERT_EQ(fb::playGame(g, s, tables, rnd, seam), fb::GameEnd::Finished);
        for (int side = 1; side <= 2; ++side) {
            for (int i = 1; i <= 100; ++i) sum[i] += g.side[side].stats[i];
            points += g.side[side].score;
        }
    }
    const double teamGames = 2.0 * Games;
    EXPECT_NEAR(points / teamGames, 22, 6);
    EXPECT_NEAR(sum[2] / sum[1], 4.2, 0.8);        // yards per carry
    EXPECT_NEAR(sum[1] / teamGames, 27, 7);        // carries
    EXPECT_NEAR(sum[9] / teamGames, 35, 8);        // pass attempts
    EXPECT_NEAR(sum[10] / sum[9], 0.63, 0.08);     // completion rate
    EXPECT_NEAR(sum[12] / sum[10], 11.5, 2.5);     // yards per catch
    EXPECT_NEAR(sum[11] / sum[9], 0.025, 0.015);   // interceptions per attempt
    EXPECT_NEAR(sum[15] / (sum[9] + sum[15]), 0.065, 0.03);  // sacks per drop-back
    EXPECT_NEAR(sum[23] / sum[22], 45, 4);         // gross punt
    EXPECT_NEAR(sum[37] / sum[36], 22.5, 4);       // kickoff return
}

}  // namespace
