// newleague run as a user runs it, over a small installation of templates.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "commissioner/tests/template_fixture.h"
#include "leaguefiles/depth_chart.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"

namespace fs = std::filesystem;

namespace {

// Exit code of newleague with these arguments (each quoted); output goes to out.txt in dir.
int newleague(const fs::path& dir, const std::string& args) {
    const std::string command = std::string("'") + VELTRAN_BIN_DIR + "/newleague' " + args +
                                " > '" + (dir / "out.txt").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class NewLeagueTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fixture::freshFolder("newleague");
        fixture::writeTemplates(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string output() { return fixture::readText(dir / "out.txt"); }
    fs::path dir;
};

// What every program expects of a league: sizes agree with the league file, every regular
// week plays each team once, divisions hold their own teams, records files are empty.
void expectValidLeague(const fs::path& dir, const std::string& name, int teams) {
    SCOPED_TRACE(name);
    ASSERT_EQ(lf::readLeagueName(dir), name);
    const lf::League league = lf::readLeague(lf::leagueFilePath(dir, name, "lge"));
    const auto size = *lf::leagueSize(teams);
    EXPECT_EQ(league.state, 0);
    EXPECT_EQ(league.season, 1);
    EXPECT_EQ(league.teams, teams);
    EXPECT_EQ(league.weeks, size.weeks);
    EXPECT_EQ(league.divisions, size.divisions);
    EXPECT_EQ(league.teamsPerDivision, size.teamsPerDivision);
    EXPECT_EQ(lf::readAll<lf::TeamRecord>(lf::leagueFilePath(dir, name, "tms")).size(),
              static_cast<size_t>(teams));
    EXPECT_EQ(lf::readAll<lf::PlayerRecord>(lf::leagueFilePath(dir, name, "pla")).size(),
              static_cast<size_t>(teams) * 50);
    for (auto t : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame, lf::WholeSeason}) {
        EXPECT_EQ(lf::recordCount(lf::leagueFilePath(dir, name, lf::individualRecordsExt(t)), 60), 100);
        EXPECT_EQ(lf::recordCount(lf::leagueFilePath(dir, name, lf::teamRecordsExt(t)), 40), 120);
    }
    EXPECT_EQ(lf::recordCount(lf::leagueFilePath(dir, name, "chm"), 80), 1);
    EXPECT_TRUE(fs::is_directory(lf::archiveFolder(dir, name)));

    const auto schedule = lf::readAll<lf::ScheduleRecord>(lf::leagueFilePath(dir, name, "sch"));
    ASSERT_EQ(schedule.size(), static_cast<size_t>((size.weeks + 4) * teams / 2));
    for (int w = 1; w <= size.weeks + 4; ++w) {
        std::set<int> seen;
        for (int g = 1; g <= teams / 2; ++g) {
            const auto& r = schedule[lf::scheduleRecordNumber(w, g, teams) - 1];
            ASSERT_EQ(r.status(), '-');
            if (w > size.weeks) {
                ASSERT_TRUE(lf::isEmptySlot(r)) << "week " << w;
                continue;
            }
            seen.insert(r.visitor());
            seen.insert(r.home());
        }
        if (w <= size.weeks) {
            ASSERT_EQ(seen.size(), static_cast<size_t>(teams)) << "week " << w;
            ASSERT_EQ(*seen.begin(), 1);
            ASSERT_EQ(*seen.rbegin(), teams);
        }
    }
}

TEST(NewLeagueShipped, MakesValidLeaguesOfAllFiveSizesFromTheShippedData) {
    const fs::path data = fs::path(VELTRAN_SOURCE_DIR) / "data";
    const fs::path dir = fixture::freshFolder("shipped");
    for (int teams : {8, 16, 24, 30, 32}) {
        const fs::path league = dir / std::to_string(teams);
        fs::create_directory(league);
        for (const auto& e : fs::directory_iterator(data)) {
            const std::string n = e.path().filename().string();
            if (e.is_regular_file() && (n.ends_with(".tmx") || n.ends_with(".plx") ||
                                        n.ends_with(".rdm") || n.ends_with(".sea")))
                fs::copy_file(e.path(), league / n);
        }
        const std::string name = std::string("L").append(std::to_string(teams));
        ASSERT_EQ(newleague(league, "--dir '" + league.string() + "' --name " + name +
                                        " --teams " + std::to_string(teams) + " --seed 3 --rename"),
                  0)
            << fixture::readText(league / "out.txt");
        expectValidLeague(league, name, teams);
        // Every slot holds a player of its group, numbered 1..99, renamed from the lists.
        const auto players = lf::readAll<lf::PlayerRecord>(league / (name + ".pla"));
        for (size_t r = 0; r < players.size(); ++r) {
            const int slot = static_cast<int>(r % 50) + 1;
            ASSERT_EQ(players[r].position(), lf::groupOfSlot(slot).code) << name << " record " << r + 1;
            ASSERT_GE(players[r].number(), 1);
            ASSERT_LE(players[r].number(), 99);
            ASSERT_FALSE(players[r].lastName().empty());
        }
    }
    fs::remove_all(dir);
}

TEST_F(NewLeagueTool, SameSeedSameLeague) {
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    for (const char* sub : {"a", "b"}) {
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file()) fs::copy_file(e.path(), dir / sub / e.path().filename());
        ASSERT_EQ(newleague(dir, "--dir '" + (dir / sub).string() +
                                     "' --name kro --teams 16 --title 'Big Ten' --seed 42"),
                  0)
            << output();
    }
    for (const char* ext : {"pla", "sch", "tms", "lge"})
        EXPECT_EQ(fixture::readText(dir / "a" / (std::string("KRO.") + ext)),
                  fixture::readText(dir / "b" / (std::string("KRO.") + ext)))
            << ext;
    EXPECT_EQ(lf::readLeague(dir / "a" / "KRO.lge").title, "Big Ten");
}

TEST_F(NewLeagueTool, NamesTheDivisionsGivenAndKeepsTheRest) {
    ASSERT_EQ(newleague(dir, "--dir '" + dir.string() +
                                 "' --name kro --teams 16 --divisions 'North Rim,South Rim,Gulf,Bay,Ridge'"),
              0)
        << output();
    const auto names = lf::readLeague(dir / "KRO.lge").divisionNames;
    EXPECT_EQ(names[0], "North Rim");
    EXPECT_EQ(names[1], "South Rim");
    EXPECT_EQ(names[2], "Gulf");
    EXPECT_EQ(names[3], "Bay");
    EXPECT_EQ(names[4], "no name");  // a 16-team league has four divisions
}

TEST_F(NewLeagueTool, RefusesBadRequestsAndWritesNothing) {
    fixture::writeText(dir / "league.id1", "OLD\r\n");
    fixture::writeText(dir / "old.lge", "");
    const std::string d = " --dir '" + dir.string() + "'";
    const std::pair<std::string, int> cases[] = {
        {d + " --name a/b --teams 8", 2},
        {d + " --name .lge --teams 8", 2},
        {d + " --name X --teams 12", 2},
        {d + " --name X", 2},
        {d + " --name X --teams 8 --seed -1", 2},
        {d + " --name X --teams 8 --colour red", 2},
        {d + " --name X --teams 8 --divisions a,b,c,d,e,f,g,h,i", 2},
        {d + " --name Old --teams 8", 1},                  // that league exists
        {" --dir '" + (dir / "none").string() + "' --name X --teams 8", 1},
    };
    for (const auto& [args, code] : cases) EXPECT_EQ(newleague(dir, args), code) << args;
    fs::remove(dir / "s1t8.sea");
    EXPECT_EQ(newleague(dir, d + " --name X --teams 8"), 1);
    EXPECT_NE(output().find("s1t8.sea"), std::string::npos) << output();
    EXPECT_FALSE(fs::exists(dir / "X.lge"));
    EXPECT_EQ(lf::readLeagueName(dir), "OLD");
}

}  // namespace
