// A whole turn of the season as the user makes it: a league from the shipped templates plays
// its season, tally's "New Season" closes it, then retire and fixtures, each started by the
// one before.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "commissioner/league_creation.h"
#include "gameday/engine/game.h"
#include "gameday/engine/seam.h"
#include "gameday/engine/tables.h"
#include "gameday/season/game_choice.h"
#include "gameday/season/save_game.h"
#include "gameday/season/week_display.h"
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

// The season played through, every game computer against computer and saved as the game
// program saves it, postseason included, until the league reports the season complete.
void playSeason(const fs::path& dir, lf::Random& rng) {
    const fb::Tables tables = fb::loadTables(dir);
    const season::ShowMessage quiet = [](const std::string&, const std::string&) {};
    for (int played = 0; played < 100; ++played) {
        season::SeasonLeague lg = season::openSeasonLeague(dir);
        const auto display = season::openWeekDisplay(lg, quiet, rng);
        if (!display) return;
        const auto choice = season::chooseNextGame(lg, *display);
        ASSERT_TRUE(choice) << "week " << display->week << " offers no game";
        const auto teams = lf::readAll<lf::TeamRecord>(file(dir, "tms"));
        const auto players = lf::readAll<lf::PlayerRecord>(file(dir, "pla"));
        fb::GameSetup setup;
        setup.teamNumber = {0, choice->visitorTeam, choice->homeTeam};
        for (int side : {1, 2}) {
            const int team = setup.teamNumber[side];
            setup.team[side] = teams[team - 1];
            for (int slot = 1; slot <= lf::SlotsPerTeam; ++slot)
                setup.players[side][slot - 1] = players[lf::playerRecordNumber(team, slot) - 1];
        }
        setup.gameType = choice->gameType;
        setup.week = choice->week;
        setup.leagueTitle = lg.league.title;
        fb::GameState game;
        fb::AutoSeam seam;
        fb::playGame(game, setup, tables, rng, seam);
        season::saveGameResults(game, dir, choice->record);
    }
    FAIL() << "the season never ended";
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

TEST(SeasonTurnover, APlayedSeasonBecomesAValidSecondSeason) {
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
    playSeason(dir, rng);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(lf::readLeague(file(dir, "lge")).state, 2);
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
