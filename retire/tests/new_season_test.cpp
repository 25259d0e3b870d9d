#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/stat_index.h"
#include "retire/new_season.h"
#include "retire/replace_together.h"
#include "retire/retirement.h"
#include "retire/team_values.h"
#include "retire/tests/fixture_season.h"

namespace retire {
namespace {

namespace fs = std::filesystem;

TEST(TeamValue, WinsAndHalfTiesPerGame) {
    const struct {
        int wins, losses, ties, value;
    } cases[] = {
        {0, 0, 0, 250}, {0, 14, 0, 250}, {14, 0, 0, 1250}, {7, 7, 0, 750},
        {1, 6, 1, 438},  // 1.5 / 8 * 1000 + 250 = 437.5, halves to even
        {5, 2, 1, 938},  // 5.5 / 8 * 1000 + 250 = 937.5
    };
    for (const auto& c : cases) {
        lf::TeamRecord t;
        t.setOwn(lf::stat::Wins, c.wins);
        t.setOpp(lf::stat::Wins, c.losses);
        t.setOwn(lf::stat::Ties, c.ties);
        t.setOpp(lf::stat::Ties, c.ties);
        EXPECT_EQ(teamValue(t), c.value) << c.wins << "-" << c.losses << "-" << c.ties;
    }
}

// A played 8-team season on disk: varied ratings, years, statistics and injuries.
struct PlayedLeague : ::testing::Test {
    testing::Folder folder;
    Season played = testing::fixtureSeason(8);
    PlayedLeague() {
        lf::Random rng(7);
        for (auto& p : played.players) {
            std::array<int, lf::rating::Count> r;
            for (int& v : r) v = rng.uniform(6) - 1;
            p.setRatings(r);
            p.setYears(rng.uniform(18) - 1);
            p.setStat(lf::stat::RushYards, rng.uniform(900));
            p.setStat(lf::stat::LongestRush, rng.uniform(80));
            p.setInjury(rng.uniform(3) - 1);
        }
        for (int t = 1; t <= 8; ++t) {
            lf::TeamRecord& team = played.teams[t - 1];
            team.setOwn(lf::stat::Wins, t);
            team.setOpp(lf::stat::Wins, 14 - t);
            team.setOwn(lf::stat::LongestPass, 60 + t);
            team.setH2hRecord(t % 8 + 1, 202);
            team.setH2hPoints(t % 8 + 1, -3);
        }
        testing::writeSeason(folder.path, played);
    }
    fs::path file(const char* ext) const { return lf::leagueFilePath(folder.path, "TEST", ext); }
    Season load() const { return loadSeason(folder.path, "TEST", lf::readLeague(file("lge"))); }
};

TEST_F(PlayedLeague, TheNextSeasonIsSavedWholeAndReadsBackValid) {
    Season season = load();
    lf::Random rng(2026);
    const Report report = startNextSeason(season, nameLists(folder.path), rng);
    saveSeason(folder.path, season);

    const lf::League league = lf::readLeague(file("lge"));
    EXPECT_EQ(league.state, 0);
    EXPECT_EQ(league.season, 2);
    EXPECT_EQ(league.divisionNames, played.league.divisionNames);

    const auto players = lf::readAll<lf::PlayerRecord>(file("pla"));
    ASSERT_EQ(players.size(), 400u);
    int rookies = 0;
    for (int r = 1; r <= 400; ++r) {
        const lf::PlayerRecord& p = players[r - 1];
        EXPECT_EQ(p.position(), lf::groupOfSlot(lf::teamSlotOfRecord(r).slot).code) << r;
        EXPECT_FALSE(isRetired(p)) << r;
        EXPECT_EQ(p.injuryText(), "    ");
        for (int i = 1; i <= lf::stat::PlayerLast; ++i)
            EXPECT_EQ(p.stat(i), lf::stat::isMaxType(i) ? lf::stat::None : 0) << r << ":" << i;
        rookies += p.years() == 0;
    }
    for (const auto& t : lf::readAll<lf::TeamRecord>(file("tms"))) {
        for (int i = 1; i <= lf::stat::TeamLast; ++i) {
            EXPECT_EQ(t.own(i), 0);
            EXPECT_EQ(t.opp(i), 0);
        }
        for (int o = 1; o <= lf::TeamRecord::LastOpponent; ++o) {
            EXPECT_EQ(t.h2hRecord(o), 0);
            EXPECT_EQ(t.h2hPoints(o), 0);
        }
    }

    ASSERT_EQ(report.left.size(), 1 + 48 + 2 + static_cast<size_t>(rookies));
    EXPECT_EQ(report.left[0], "FREE AGENT/TRADE SIGNINGS");
    EXPECT_EQ(report.left[49], " ");
    EXPECT_EQ(report.left[50], "RETIRED VETERANS");
    ASSERT_EQ(report.right.size(), 1 + static_cast<size_t>(rookies));
    EXPECT_EQ(report.right[0], "ROOKIES");
    EXPECT_GT(rookies, 0);
    for (size_t k = 1; k < report.right.size(); ++k)
        EXPECT_THAT(report.right[k], ::testing::MatchesRegex("[A-Z][A-Z] [A-C][a-z]+ [DE][a-z]+ to Team[1-8]"));
}

TEST_F(PlayedLeague, DamagedOrMissingFilesAreRefusedByName) {
    const struct {
        const char* what;
        std::function<void(const PlayedLeague&)> damage;
        const char* named;
    } cases[] = {
        {"no team file", [](const PlayedLeague& l) { fs::remove(l.file("tms")); }, "TEST.tms"},
        {"seven teams",
         [](const PlayedLeague& l) {
             auto teams = l.played.teams;
             teams.pop_back();
             lf::writeAll(l.file("tms"), teams);
         },
         "TEST.tms"},
        {"a player short",
         [](const PlayedLeague& l) {
             auto players = l.played.players;
             players.pop_back();
             lf::writeAll(l.file("pla"), players);
         },
         "TEST.pla"},
        {"a broken player record",
         [](const PlayedLeague& l) {
             std::string bytes = lf::readFile(l.file("pla"));
             lf::replaceFile(l.file("pla"), bytes.substr(0, bytes.size() - 1));
         },
         "TEST.pla"},
        {"a team count of no league size",
         [](const PlayedLeague& l) {
             lf::League league = l.played.league;
             league.teams = 7;
             lf::writeLeagueLineForm(l.file("lge"), league);
         },
         "TEST.lge"},
    };
    for (const auto& c : cases) {
        testing::writeSeason(folder.path, played);
        c.damage(*this);
        try {
            load();
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const lf::FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
}

TEST(ReplaceTogether, AFailedWriteLeavesEveryFileAsItWas) {
    testing::Folder folder;
    const fs::path a = folder.path / "a", b = folder.path / "b", c = folder.path / "c";
    for (const auto& f : {a, b, c}) lf::replaceFile(f, "old");
    const auto writeNew = [](const fs::path& f) { lf::replaceFile(f, "new"); };
    EXPECT_THROW(replaceTogether({{a, writeNew},
                                  {b, writeNew},
                                  {c, [](const fs::path&) { throw lf::FileError("Disk full"); }}}),
                 lf::FileError);
    for (const auto& f : {a, b, c}) EXPECT_EQ(lf::readFile(f), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 3);

    replaceTogether({{a, writeNew}, {b, writeNew}, {c, writeNew}});
    for (const auto& f : {a, b, c}) EXPECT_EQ(lf::readFile(f), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace retire
