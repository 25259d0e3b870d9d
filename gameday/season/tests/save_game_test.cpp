#include "gameday/season/save_game.h"

#include <gtest/gtest.h>

#include <map>

#include "gameday/season/tests/league_fixture.h"
#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/team_record.h"

namespace season {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::fixtureFile;

constexpr int Teams = 8;
constexpr int Weeks = 14;

// "P<record number>": each player of the league has his own name.
std::string firstName(size_t record) {
    std::string name = "P";
    name += std::to_string(record);
    return name;
}

// The fixture league with its players (every one healthy, season totals new) and
// empty record books.
void writeLeague(const fs::path& dir) {
    testing::writeFixtureLeague(dir, Teams);
    std::vector<lf::PlayerRecord> players(Teams * 50);
    for (size_t i = 0; i < players.size(); ++i) {
        players[i].setFirstName(firstName(i + 1));
        players[i].setLastName("Last");
        players[i].resetForNewSeason();
        players[i].setInjury(0);
    }
    lf::writeAll(fixtureFile(dir, "pla"), players);
    for (auto table : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame}) {
        lf::writeAll(fixtureFile(dir, std::string(lf::individualRecordsExt(table))),
                     lf::initialIndividualRecords());
        lf::writeAll(fixtureFile(dir, std::string(lf::teamRecordsExt(table))),
                     lf::initialTeamBestRecords());
    }
}

// A game of schedule record `record` with nothing recorded yet.
fb::GameState gameOf(const fs::path& dir, int record, int gameType = 0) {
    const lf::ScheduleRecord r = lf::readRecord<lf::ScheduleRecord>(fixtureFile(dir, "sch"), record);
    fb::GameState g;
    g.gameType = gameType;
    g.week = (record - 1) / (Teams / 2) + 1;
    g.quarter = 4;
    for (int s = 1; s <= 2; ++s) {
        fb::Side& side = g.side[s];
        side.team = s == 1 ? r.visitor() : r.home();
        side.name = testing::fixtureNickname(side.team);
        for (int k : {4, 8, 14, 35, 39, 53, 62}) side.stats[k] = fb::kNotYet;
        for (int p = 1; p <= fb::kRosterSize; ++p) {
            side.roster[p].name = firstName(static_cast<size_t>((side.team - 1) * 50 + p));
            side.roster[p].name += " Last";
            for (int k : {4, 8, 14, 35, 39, 53, 62}) side.roster[p].stats[k] = fb::kNotYet;
        }
    }
    return g;
}

void score(fb::GameState& g, int visitor, int home) {
    g.side[1].score = visitor;
    g.side[2].score = home;
    g.side[1].stats[87] = visitor;
    g.side[2].stats[87] = home;
}

// A 24-17 visitor win with a few statistics of every kind.
fb::GameState sampleGame(const fs::path& dir, int record) {
    fb::GameState g = gameOf(dir, record);
    score(g, 24, 17);
    fb::Side& v = g.side[1];
    v.stats[91] = 1845;
    v.stats[3] = 2;
    v.stats[7] = 1;
    v.stats[2] = 100;
    v.stats[4] = 65;
    v.roster[6].stats[2] = 100;
    v.roster[6].stats[4] = 65;
    v.roster[7].stats[4] = 0;   // a run for no gain is his season's longest so far
    v.roster[6].injury = "   2";
    g.side[2].stats[91] = 1755;
    return g;
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = lf::readFile(e.path());
    return files;
}

lf::TeamRecord team(const fs::path& dir, int t) {
    return lf::readRecord<lf::TeamRecord>(fixtureFile(dir, "tms"), t);
}
lf::PlayerRecord player(const fs::path& dir, int k) {
    return lf::readRecord<lf::PlayerRecord>(fixtureFile(dir, "pla"), k);
}
lf::ScheduleRecord scheduleRecord(const fs::path& dir, int k) {
    return lf::readRecord<lf::ScheduleRecord>(fixtureFile(dir, "sch"), k);
}

TEST(SaveGame, RegularSeasonGameAddsToEveryFile) {
    TempDir dir;
    writeLeague(dir.path());
    const fb::GameState g = sampleGame(dir.path(), 1);
    const int v = g.side[1].team, h = g.side[2].team;
    saveGameResults(g, dir.path(), 1);

    const lf::TeamRecord winner = team(dir.path(), v), loser = team(dir.path(), h);
    EXPECT_EQ(winner.own(92), 30);
    EXPECT_EQ(winner.own(91), 45);
    EXPECT_EQ(winner.own(97), 24);
    EXPECT_EQ(winner.own(98), 3);
    EXPECT_EQ(winner.own(99), 1);
    EXPECT_EQ(winner.own(2), 100);
    EXPECT_EQ(winner.own(4), 65);
    EXPECT_EQ(winner.opp(4), -999);  // the other side never ran
    EXPECT_EQ(winner.opp(97), 17);
    EXPECT_EQ(winner.opp(99), 0);
    EXPECT_EQ(winner.h2hRecord(h), 200);
    EXPECT_EQ(winner.h2hPoints(h), 7);
    EXPECT_EQ(loser.own(99), 0);
    EXPECT_EQ(loser.opp(99), 1);
    EXPECT_EQ(loser.opp(4), 65);
    EXPECT_EQ(loser.own(92), 29);
    EXPECT_EQ(loser.own(91), 15);
    EXPECT_EQ(loser.h2hRecord(v), 2);
    EXPECT_EQ(loser.h2hPoints(v), -7);

    const lf::PlayerRecord runner = player(dir.path(), (v - 1) * 50 + 6);
    EXPECT_EQ(runner.stat(2), 100);
    EXPECT_EQ(runner.stat(4), 65);
    EXPECT_EQ(runner.injury(), 2);
    EXPECT_EQ(player(dir.path(), (v - 1) * 50 + 7).stat(4), 0);
    EXPECT_EQ(player(dir.path(), (v - 1) * 50 + 8).stat(4), -999);
    EXPECT_EQ(player(dir.path(), (h - 1) * 50 + 1).injury(), 0);

    const lf::ScheduleRecord r = scheduleRecord(dir.path(), 1);
    EXPECT_EQ(r.status(), '4');
    EXPECT_EQ(r.visitorScore(), 24);
    EXPECT_EQ(r.homeScore(), 17);

    const auto irg = lf::readAll<lf::IndividualRecord>(fixtureFile(dir.path(), "irg"));
    EXPECT_EQ(irg[1].playerName(), g.side[1].roster[6].name);
    EXPECT_EQ(irg[1].team(), g.side[1].name);
    EXPECT_EQ(irg[1].opponent(), g.side[2].name);
    EXPECT_EQ(irg[1].value(), 100);
    EXPECT_EQ(irg[1].season(), 1);
    EXPECT_EQ(irg[1].week(), 1);
    EXPECT_EQ(irg[0].playerName(), "Nobody");
    const auto trg = lf::readAll<lf::TeamBestRecord>(fixtureFile(dir.path(), "trg"));
    EXPECT_EQ(trg[96].team(), g.side[1].name);  // points
    EXPECT_EQ(trg[96].value(), 24);
    EXPECT_EQ(trg[91].value(), 30);             // possession minutes
    EXPECT_EQ(trg[90].value(), 45);             // the seconds part
    EXPECT_EQ(lf::readAll<lf::TeamBestRecord>(fixtureFile(dir.path(), "trp"))[96].team(), "No Team");
}

TEST(SaveGame, SecondMeetingAddsToTheTallies) {
    TempDir dir;
    writeLeague(dir.path());
    fb::GameState g = sampleGame(dir.path(), 1);
    saveGameResults(g, dir.path(), 1);
    // The same pairing again, put into a later week's slot: a tie this time.
    auto schedule = testing::readSchedule(dir.path());
    const int later = lf::scheduleRecordNumber(9, 1, Teams);
    schedule[later - 1] = lf::ScheduleRecord::make('-', g.side[1].team, g.side[2].team, 0, 0);
    testing::writeSchedule(dir.path(), schedule);
    g = gameOf(dir.path(), later);
    score(g, 10, 10);
    g.side[1].stats[4] = 30;
    saveGameResults(g, dir.path(), later);

    const lf::TeamRecord a = team(dir.path(), g.side[1].team), b = team(dir.path(), g.side[2].team);
    EXPECT_EQ(a.h2hRecord(g.side[2].team), 301);
    EXPECT_EQ(b.h2hRecord(g.side[1].team), 103);
    EXPECT_EQ(a.h2hPoints(g.side[2].team), 7);
    EXPECT_EQ(a.own(100), 1);
    EXPECT_EQ(b.own(100), 1);
    EXPECT_EQ(a.own(99), 1);
    EXPECT_EQ(a.own(4), 65);   // the longest run stands
    EXPECT_EQ(a.own(97), 34);
    EXPECT_EQ(a.own(91), 45);  // seconds parts are summed as they are
}

TEST(SaveGame, PeriodsPlayedInTheSchedule) {
    struct Case { int visitor, home, quarter, gameType; char status; };
    const Case cases[] = {{24, 17, 4, 0, '4'}, {20, 20, 5, 0, '5'}, {27, 24, 5, 0, '5'},
                          {20, 20, 6, 1, '5'}, {23, 20, 6, 1, '6'}};
    for (const Case& c : cases) {
        TempDir dir;
        writeLeague(dir.path());
        const int record = c.gameType == 0 ? 1 : lf::scheduleRecordNumber(Weeks + 1, 2, Teams);
        auto schedule = testing::readSchedule(dir.path());
        schedule[record - 1] = lf::ScheduleRecord::make('-', 3, 5, 0, 0);
        testing::writeSchedule(dir.path(), schedule);
        fb::GameState g = gameOf(dir.path(), record, c.gameType);
        score(g, c.visitor, c.home);
        g.quarter = c.quarter;
        g.overtime = c.quarter > 4;
        saveGameResults(g, dir.path(), record);
        EXPECT_EQ(scheduleRecord(dir.path(), record).status(), c.status)
            << c.visitor << "-" << c.home << " in quarter " << c.quarter;
    }
}

TEST(SaveGame, PlayoffGameLeavesTheSeasonTotalsAlone) {
    TempDir dir;
    writeLeague(dir.path());
    const int record = lf::scheduleRecordNumber(Weeks + 1, 2, Teams);
    auto schedule = testing::readSchedule(dir.path());
    schedule[record - 1] = lf::ScheduleRecord::make('-', 3, 5, 0, 0);
    testing::writeSchedule(dir.path(), schedule);
    fb::GameState g = gameOf(dir.path(), record, 1);
    score(g, 14, 21);
    g.side[1].stats[91] = 1845;
    g.side[1].roster[6].stats[2] = 80;
    g.side[2].roster[3].injury = "3";
    const std::string teamsBefore = lf::readFile(fixtureFile(dir.path(), "tms"));
    saveGameResults(g, dir.path(), record);

    EXPECT_EQ(lf::readFile(fixtureFile(dir.path(), "tms")), teamsBefore);
    EXPECT_EQ(player(dir.path(), 2 * 50 + 6).stat(2), 0);
    EXPECT_EQ(player(dir.path(), 4 * 50 + 3).injury(), 3);
    const auto trp = lf::readAll<lf::TeamBestRecord>(fixtureFile(dir.path(), "trp"));
    EXPECT_EQ(trp[90].value(), 1845);   // possession kept in whole seconds
    EXPECT_EQ(trp[96].team(), "No Team");  // points are not summed outside the season
    EXPECT_EQ(lf::readAll<lf::IndividualRecord>(fixtureFile(dir.path(), "irp"))[1].value(), 80);
    EXPECT_EQ(lf::readAll<lf::IndividualRecord>(fixtureFile(dir.path(), "irg"))[1].value(), 0);
    EXPECT_EQ(scheduleRecord(dir.path(), record).homeScore(), 21);
}

// The championship record in the last round's slot 1, decided in the second overtime.
fb::GameState championship(const fs::path& dir, int& record) {
    record = lf::scheduleRecordNumber(Weeks + 4, 1, Teams);
    auto schedule = testing::readSchedule(dir);
    schedule[record - 1] = lf::ScheduleRecord::make('-', 1, 6, 0, 0);
    testing::writeSchedule(dir, schedule);
    fb::GameState g = gameOf(dir, record, 2);
    score(g, 20, 23);
    g.quarter = 6;
    g.overtime = true;
    return g;
}

TEST(SaveGame, ChampionshipEntersTheChampionAndEndsTheSeason) {
    TempDir dir;
    writeLeague(dir.path());
    int record = 0;
    const fb::GameState g = championship(dir.path(), record);
    const lf::League before = lf::readLeague(fixtureFile(dir.path(), "lge"));
    saveGameResults(g, dir.path(), record);

    const lf::League after = lf::readLeague(fixtureFile(dir.path(), "lge"));
    EXPECT_EQ(after.state, 2);
    EXPECT_EQ(after.season, before.season);
    EXPECT_EQ(after.title, before.title);
    EXPECT_EQ(after.teams, before.teams);
    EXPECT_EQ(after.divisionNames, before.divisionNames);
    const auto champions = lf::readAll<lf::ChampionRecord>(fixtureFile(dir.path(), "chm"));
    ASSERT_EQ(champions.size(), 1u);
    EXPECT_EQ(champions[0].text(), "City06 Team06 23   City01 Team01 20  (OT2)");
    EXPECT_EQ(lf::readAll<lf::TeamBestRecord>(fixtureFile(dir.path(), "trc"))[86].value(), 23);
    EXPECT_EQ(scheduleRecord(dir.path(), record).status(), '6');
}

TEST(SaveGame, ExhibitionsAndAbandonedGamesWriteNothing) {
    TempDir dir;
    writeLeague(dir.path());
    const auto before = snapshot(dir.path());
    fb::GameState g = sampleGame(dir.path(), 1);
    g.exhibition = true;
    saveGameResults(g, dir.path(), 1);
    g.exhibition = false;
    g.abandoned = true;
    saveGameResults(g, dir.path(), 1);
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST(SaveGame, RefusedSavesLeaveTheLeagueAsItWas) {
    TempDir dir;
    writeLeague(dir.path());
    saveGameResults(sampleGame(dir.path(), 1), dir.path(), 1);
    const auto played = snapshot(dir.path());
    // The same result again would count the game twice.
    EXPECT_THROW(saveGameResults(sampleGame(dir.path(), 1), dir.path(), 1), lf::FileError);
    // A record that holds another pairing.
    fb::GameState other = sampleGame(dir.path(), 1);
    EXPECT_THROW(saveGameResults(other, dir.path(), 2), lf::FileError);
    // A statistic too large for its 16-bit field.
    fb::GameState huge = sampleGame(dir.path(), 3);
    huge.side[1].stats[2] = 40000;
    EXPECT_THROW(saveGameResults(huge, dir.path(), 3), lf::FileError);
    EXPECT_EQ(snapshot(dir.path()), played);

    fs::remove(fixtureFile(dir.path(), "trg"));
    const auto missing = snapshot(dir.path());
    try {
        saveGameResults(sampleGame(dir.path(), 3), dir.path(), 3);
        FAIL() << "saved without its team records file";
    } catch (const lf::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("TEST.trg"), std::string::npos) << e.what();
    }
    EXPECT_EQ(snapshot(dir.path()), missing);
}

// Every step of a save fails in turn; each time the league is exactly as before.
TEST(SaveGame, FailureAtAnyStepLeavesTheLeagueAsItWas) {
    for (const bool final : {false, true}) {
        std::vector<std::string> steps;
        {
            TempDir dir;
            writeLeague(dir.path());
            int record = 1;
            const fb::GameState g = final ? championship(dir.path(), record) : sampleGame(dir.path(), 1);
            saveGameResults(g, dir.path(), record, [&](const std::string& s) { steps.push_back(s); });
        }
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back(), "install TEST.sch");
        for (const std::string& failing : steps) {
            TempDir dir;
            writeLeague(dir.path());
            int record = 1;
            const fb::GameState g = final ? championship(dir.path(), record) : sampleGame(dir.path(), 1);
            const auto before = snapshot(dir.path());
            EXPECT_THROW(saveGameResults(g, dir.path(), record,
                                         [&](const std::string& s) {
                                             if (s == failing) throw lf::FileError("Disk full");
                                         }),
                         lf::FileError)
                << failing;
            EXPECT_EQ(snapshot(dir.path()), before) << "failing at " << failing;
        }
    }
}

}  // namespace
}  // namespace season
