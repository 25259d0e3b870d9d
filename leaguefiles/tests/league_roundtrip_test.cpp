// Creates every file of a small league the way the league's programs do and reads each
// one back unchanged.
#include <gtest/gtest.h>

#include "leaguefiles/box_log.h"
#include "leaguefiles/depth_chart.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/report_output.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/stat_index.h"
#include "leaguefiles/team_record.h"
#include "temp_dir.h"

namespace {

template <class R>
void expectSameImages(const std::vector<R>& a, const std::vector<R>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].bytes, b[i].bytes) << "record " << i + 1;
}

}  // namespace

TEST(LeagueRoundTrip, EveryFileOfALeagueReadsBackUnchanged) {
    TempDir tmp;
    const auto& dir = tmp.path;
    const std::string name = "ROUND";
    lf::League league;
    league.title = "Round Trip League";
    lf::writeLeagueName(dir, name);
    lf::writeLeagueLineForm(lf::leagueFilePath(dir, name, "lge"), league);

    std::vector<lf::TeamRecord> teams(league.teams);
    for (int t = 1; t <= league.teams; ++t) {
        lf::TeamRecord& r = teams[t - 1];
        r.bytes.fill(static_cast<uint8_t>(t));  // unnamed bytes must survive too
        r.setCity("City " + std::to_string(t));
        r.setNickname("Team " + std::to_string(t));
        r.setCode("T" + std::to_string(t));
        r.setSettings("123121");
        r.resetForNewLeague();
        r.setOwn(lf::stat::Wins, t);
        r.setH2hRecord(t % league.teams + 1, 101);
    }
    std::vector<lf::PlayerRecord> players(lf::SlotsPerTeam * league.teams);
    for (int k = 1; k <= static_cast<int>(players.size()); ++k) {
        lf::PlayerRecord& p = players[k - 1];
        const lf::TeamSlot ts = lf::teamSlotOfRecord(k);
        p.setPosition(lf::groupOfSlot(ts.slot).code);
        p.setFirstName("F" + std::to_string(k));
        p.setLastName("L" + std::to_string(ts.team));
        p.setNumber(ts.slot);
        p.setRatings({1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3});
        p.resetForNewSeason();
        p.setStat(lf::stat::Tackles, k);
    }
    std::vector<lf::ScheduleRecord> schedule;
    for (int k = 1; k <= lf::scheduleRecordCount(league.weeks, league.teams); ++k)
        schedule.push_back(k <= league.weeks * league.teams / 2
                               ? lf::ScheduleRecord::make('-', 1 + k % 8, 1 + (k + 3) % 8, 0, 0)
                               : lf::ScheduleRecord::make('-', 0, 0, 0, 0));

    const auto path = [&](std::string_view ext) { return lf::leagueFilePath(dir, name, ext); };
    lf::writeAll(path("tms"), teams);
    lf::writeAll(path("pla"), players);
    lf::writeAll(path("sch"), schedule);
    for (lf::RecordTable t : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame,
                              lf::WholeSeason}) {
        lf::writeAll(path(lf::individualRecordsExt(t)), lf::initialIndividualRecords());
        lf::writeAll(path(lf::teamRecordsExt(t)), lf::initialTeamBestRecords());
    }
    lf::writeAll(path(lf::ChampionsExt), lf::initialChampions());
    const auto archive = lf::archiveFolder(dir, name);
    std::filesystem::create_directory(archive);
    lf::writeReport(archive / lf::boxLogName(league.season), lf::WriteMode::Append,
                    lf::reportTitle("Game Statistics", league.season, 1), {"line"});

    // A game result and a record update in place, as after a game.
    lf::ScheduleRecord played = lf::readRecord<lf::ScheduleRecord>(path("sch"), 3);
    played.setStatus(lf::periodsStatus(4));
    played.setVisitorScore(17);
    played.setHomeScore(20);
    lf::writeRecord(path("sch"), 3, played);
    schedule[2] = played;
    lf::IndividualRecord best = lf::readRecord<lf::IndividualRecord>(path("irg"), 2);
    const auto value = lf::newRecordValue(2, 143, best.value());
    ASSERT_TRUE(value);
    best.set(players[0].displayName(), teams[0].nickname(), teams[1].nickname(), *value, 1, 1);
    lf::writeRecord(path("irg"), 2, best);

    // Read back through the case-insensitive lookup, as a program started later would.
    EXPECT_EQ(lf::readLeagueName(dir), name);
    const lf::League back = lf::readLeague(lf::leagueFilePath(dir, "round", "LGE"));
    EXPECT_EQ(back.title, league.title);
    EXPECT_EQ(back.divisionNames, league.divisionNames);
    expectSameImages(lf::readAll<lf::TeamRecord>(path("tms")), teams);
    expectSameImages(lf::readAll<lf::PlayerRecord>(path("pla")), players);
    expectSameImages(lf::readAll<lf::ScheduleRecord>(path("sch")), schedule);
    EXPECT_EQ(lf::recordCount(path("sch"), lf::ScheduleRecord::Size), 72);
    EXPECT_EQ(lf::readRecord<lf::PlayerRecord>(path("pla"), 51).lastName(), "L2");
    EXPECT_EQ(lf::readRecord<lf::PlayerRecord>(path("pla"), 51).position(), "QB");
    const auto irg = lf::readAll<lf::IndividualRecord>(path("irg"));
    EXPECT_EQ(irg[1].playerName(), "F1 L1");
    EXPECT_EQ(irg[1].value(), 143);
    EXPECT_EQ(irg[2].playerName(), "Nobody");
    expectSameImages(lf::readAll<lf::IndividualRecord>(path("irs")), lf::initialIndividualRecords());
    expectSameImages(lf::readAll<lf::TeamBestRecord>(path("trc")), lf::initialTeamBestRecords());
    EXPECT_EQ(lf::readRecord<lf::ChampionRecord>(path("chm"), 1).text(), "NO CHAMPION");
    EXPECT_EQ(tmp.read("ROUNDArchive/Box001.log"),
              "\r\nGame Statistics  Season  1  Week  1\r\nline\r\n");
}
