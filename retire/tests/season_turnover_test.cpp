// A whole turn of the season as the user makes it: a league from the shipped templates with a
// finished season, closed with tally's "New Season", then retire and fixtures, each started
// by the one before.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "commissioner/league_creation.h"
#include "leaguefiles/depth_chart.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/schedule_template.h"
#include "leaguefiles/stat_index.h"
#include "retire/retirement.h"
#include "retire/tests/fixture_season.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"

namespace retire {
namespace {

namespace fs = std::filesystem;
namespace au = ui::automation;

constexpr int Deadline = 30000;
constexpr const char* Name = "TURN";

fs::path file(const fs::path& dir, const char* ext) { return lf::leagueFilePath(dir, Name, ext); }

// Every shipped data file of the installation beside the league.
void install(const fs::path& dir) {
    const fs::path data = fs::path(VELTRAN_SOURCE_DIR) / "data";
    for (const auto& entry : fs::directory_iterator(data)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "CMakeLists.txt" && name != "README.md" &&
            name.front() != '.')
            fs::copy_file(entry.path(), dir / name);
    }
}

// Plays the regular season on paper: each scheduled game gets a score, and the teams and
// players their figures, as the game program would leave them; then the season is over.
void finishSeason(const fs::path& dir, lf::Random& rng) {
    lf::League league = lf::readLeague(file(dir, "lge"));
    auto schedule = lf::readAll<lf::ScheduleRecord>(file(dir, "sch"));
    auto teams = lf::readAll<lf::TeamRecord>(file(dir, "tms"));
    auto players = lf::readAll<lf::PlayerRecord>(file(dir, "pla"));
    for (int k = 1; k <= league.weeks * league.teams / 2; ++k) {
        lf::ScheduleRecord& game = schedule[k - 1];
        const int v = game.visitor(), h = game.home();
        const int vs = rng.uniform(40) - 1, hs = rng.uniform(40) - 1;
        game.setStatus('4');
        game.setVisitorScore(vs);
        game.setHomeScore(hs);
        const int win = vs > hs ? v : hs > vs ? h : 0;
        for (int t : {v, h}) {
            const int other = t == v ? h : v;
            lf::TeamRecord& team = teams[t - 1];
            if (win == 0) {
                team.setOwn(lf::stat::Ties, team.own(lf::stat::Ties) + 1);
                team.setOpp(lf::stat::Ties, team.opp(lf::stat::Ties) + 1);
            } else if (win == t) {
                team.setOwn(lf::stat::Wins, team.own(lf::stat::Wins) + 1);
            } else {
                team.setOpp(lf::stat::Wins, team.opp(lf::stat::Wins) + 1);
            }
            team.setOwn(lf::stat::Points, team.own(lf::stat::Points) + (t == v ? vs : hs));
            team.setOwn(lf::stat::LongestPass, std::max(team.own(lf::stat::LongestPass), vs + 20));
            team.setH2hRecord(other, team.h2hRecord(other) + (win == 0 ? 101 : win == t ? 200 : 2));
        }
    }
    for (lf::PlayerRecord& p : players) {
        p.setStat(lf::stat::RushYards, rng.uniform(1200));
        p.setStat(lf::stat::LongestRush, rng.uniform(90));
        p.setStat(lf::stat::Tackles, rng.uniform(80));
        p.setInjury(rng.uniform(4) - 1);
    }
    lf::writeAll(file(dir, "sch"), schedule);
    lf::writeAll(file(dir, "tms"), teams);
    lf::writeAll(file(dir, "pla"), players);
    league.state = 2;
    lf::writeLeagueCommaForm(file(dir, "lge"), league);
}

au::Window window(const std::string& title, const std::string& windowClass = {}) {
    auto w = au::waitForWindow(title, Deadline, windowClass);
    if (!w) throw std::runtime_error("no window " + title);
    return *w;
}

// Presses OK on the message box that shows this text.
void answer(const std::string& text) {
    std::optional<au::Window> box;
    const bool shown = uitest::waitUntil(
        [&] {
            for (const au::Window& w : au::listWindows())
                if (w.windowClass == "dialog")
                    for (const auto& c : w.controls)
                        if (c.type == "label" && c.text.find(text) != std::string::npos) {
                            box = w;
                            return true;
                        }
            return false;
        },
        Deadline);
    ASSERT_TRUE(shown) << "no message " << text;
    EXPECT_TRUE(au::click(*box, "OK").ok);
}

TEST(SeasonTurnover, AFinishedSeasonBecomesAValidSecondSeason) {
    uitest::usePrivateRuntimeDir();
    testing::Folder folder;
    const fs::path dir = folder.path / "league", programs = folder.path / "programs";
    fs::create_directories(dir);
    fs::create_directories(programs);
    install(dir);
    uitest::copyPrograms(VELTRAN_BIN_DIR, programs, {"tally", "retire", "fixtures"});
    uitest::writeStandIn(programs, "lobby");

    lf::Random rng(11);
    commish::NewLeague request;
    request.name = Name;
    request.league.title = "Turnover League";
    commish::createLeague(dir, request, rng);
    finishSeason(dir, rng);
    const auto firstSchedule = lf::readFile(file(dir, "sch"));

    uitest::Child tally(programs / "tally", dir);
    ASSERT_TRUE(au::click(window("KRO Statistics Viewer"), "Show This League").ok);
    ASSERT_TRUE(au::click(window("Look At Statistics"), "New Season").ok);
    answer("Saving Season Records");
    answer("have been archived!");
    answer("Setting Up The New Season");
    const au::Window report = window("Retirees, Free Agents, And Rookies");
    const size_t rookies = au::findControl(report, "List2")->items.size() - 1;
    ASSERT_TRUE(au::click(report, "Exit").ok);
    answer("The new schedule has been written!");
    ASSERT_EQ(uitest::standInRan(dir, "lobby", Deadline), dir.string());
    EXPECT_TRUE(tally.waitForExit(Deadline));

    const lf::League league = lf::readLeague(file(dir, "lge"));
    EXPECT_EQ(league.state, 0);
    EXPECT_EQ(league.season, 2);
    EXPECT_EQ(league.title, "Turnover League");

    // A fresh schedule from the even-season template: teams only move within their division.
    const auto schedule = lf::readAll<lf::ScheduleRecord>(file(dir, "sch"));
    ASSERT_EQ(schedule.size(), 72u);
    EXPECT_NE(lf::readFile(file(dir, "sch")), firstSchedule);
    const auto pairings = lf::readScheduleTemplate(dir / "s2t8.sea", 14, 8);
    for (int week = 1; week <= 18; ++week) {
        std::set<int> playing;
        for (int slot = 1; slot <= 4; ++slot) {
            const int k = lf::scheduleRecordNumber(week, slot, 8);
            const lf::ScheduleRecord& g = schedule[k - 1];
            EXPECT_EQ(g.status(), '-');
            EXPECT_EQ(g.visitorScore() + g.homeScore(), 0);
            if (week > 14) {
                EXPECT_EQ(g.visitor() + g.home(), 0);
                continue;
            }
            EXPECT_EQ(lf::divisionOf(league, g.visitor()), lf::divisionOf(league, pairings[k - 1].visitor));
            EXPECT_EQ(lf::divisionOf(league, g.home()), lf::divisionOf(league, pairings[k - 1].home));
            playing.insert({g.visitor(), g.home()});
        }
        if (week <= 14) {
            EXPECT_EQ(playing.size(), 8u) << "week " << week;
        }
    }

    const auto players = lf::readAll<lf::PlayerRecord>(file(dir, "pla"));
    ASSERT_EQ(players.size(), 400u);
    size_t newcomers = 0;
    for (int r = 1; r <= 400; ++r) {
        const lf::PlayerRecord& p = players[r - 1];
        EXPECT_EQ(p.position(), lf::groupOfSlot(lf::teamSlotOfRecord(r).slot).code) << r;
        EXPECT_FALSE(isRetired(p)) << r;
        EXPECT_EQ(p.injuryText(), "    ") << r;
        for (int i : {lf::stat::RushYards, lf::stat::Tackles}) EXPECT_EQ(p.stat(i), 0) << r;
        EXPECT_EQ(p.stat(lf::stat::LongestRush), lf::stat::None) << r;
        newcomers += p.years() == 0;
    }
    EXPECT_EQ(newcomers, rookies);
    EXPECT_GT(rookies, 50u);
    for (const lf::TeamRecord& t : lf::readAll<lf::TeamRecord>(file(dir, "tms")))
        for (int i = 1; i <= lf::stat::TeamLast; ++i) {
            EXPECT_EQ(t.own(i), 0) << i;
            EXPECT_EQ(t.opp(i), 0) << i;
            if (i <= lf::TeamRecord::LastOpponent) {
                EXPECT_EQ(t.h2hRecord(i), 0);
            }
        }
}

}  // namespace
}  // namespace retire
