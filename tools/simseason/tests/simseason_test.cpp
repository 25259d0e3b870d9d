// simseason as a user runs it: on a league made from the shipped data, to the champion,
// and again on the finished league.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "commissioner/league_creation.h"
#include "gameday/season/season_league.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "tools/simseason/install_data.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and error together
};

ToolRun simseason(const std::string& args) {
    const std::string command = std::string(VELTRAN_BIN_DIR) + "/simseason " + args + " 2>&1";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.output.append(buf, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class SimSeason : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir = fs::temp_directory_path() /
              ("simseason-test-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void makeLeague(int teams) {
        simseason::installData(fs::path(VELTRAN_SOURCE_DIR) / "data", dir);
        commish::NewLeague request;
        request.league.title = "Test League";
        request.league.teams = teams;
        request.name = "TEST";
        lf::Random rng(7);
        commish::createLeague(dir, request, rng);
    }

    std::string args(const std::string& more = "") const {
        return "--dir '" + dir.string() + "' " + more;
    }

    int playedGames() const {
        const season::SeasonLeague lg = season::openSeasonLeague(dir);
        int played = 0;
        for (int w = 1; w <= lg.league.weeks; ++w)
            for (const lf::ScheduleRecord& r : season::readWeek(lg, w))
                played += lf::isPlayedGame(r) ? 1 : 0;
        return played;
    }

    fs::path dir;
};

TEST_F(SimSeason, PlaysTheSeasonToAChampionAndThenSaysItIsComplete) {
    makeLeague(8);
    const ToolRun first = simseason(args("--seed 3"));
    ASSERT_EQ(first.exitCode, 0) << first.output;

    const season::SeasonLeague lg = season::openSeasonLeague(dir);
    EXPECT_EQ(lg.league.state, 2);
    EXPECT_EQ(playedGames(), lg.league.weeks * lg.league.teams / 2);
    const auto champions = lf::readAll<lf::ChampionRecord>(lg.file(lf::ChampionsExt));
    ASSERT_EQ(champions.size(), 1u);
    EXPECT_NE(champions[0].text(), "NO CHAMPION");
    EXPECT_NE(first.output.find("Champion: " + champions[0].text()), std::string::npos)
        << first.output;
    EXPECT_NE(first.output.find("Nebula"), std::string::npos) << first.output;

    const std::string schedule = lf::readAllBytes(lg.file("sch"), lf::ScheduleRecord::Size);
    const ToolRun second = simseason(args());
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_NE(second.output.find("The season is complete!"), std::string::npos) << second.output;
    EXPECT_NE(second.output.find("0 games played."), std::string::npos) << second.output;
    EXPECT_EQ(lf::readAllBytes(lg.file("sch"), lf::ScheduleRecord::Size), schedule);
}

TEST_F(SimSeason, PlaysOnlyTheGamesAskedFor) {
    makeLeague(8);
    const ToolRun run = simseason(args("--games 3 --seed 1"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(playedGames(), 3);
    EXPECT_NE(run.output.find("3 games played."), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Champion"), std::string::npos) << run.output;
}

TEST_F(SimSeason, RefusesBadRequestsWithAMessage) {
    struct Case {
        std::string args;
        int exitCode;
        std::string says;
    };
    const Case cases[] = {
        {"", 2, "usage"},
        {args("--games 0"), 2, "--games must be a positive number"},
        {args("--seed x"), 2, "--seed must be"},
        {"--dir '" + (dir / "missing").string() + "'", 1, "no such folder"},
        {args(), 1, "simseason: "},  // a folder with no league in it
    };
    for (const Case& c : cases) {
        const ToolRun run = simseason(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.args << "\n" << run.output;
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
