#include "tally/season_close.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

TEST(ClosingSeason, NewSeasonOnlyForAFinishedCurrentSeason) {
    LeagueView view;
    for (int state : {0, 1, 2}) {
        view.header.state = state;
        view.archived = false;
        EXPECT_EQ(newSeasonAllowed(view), state == 2);
        view.archived = true;
        EXPECT_FALSE(newSeasonAllowed(view));
    }
}

TEST(ClosingSeason, SeasonRecordsFollowTheRecordRule) {
    FixtureLeague fx;
    // Rushing yards (2): equal best on teams 2 and 5, the later one takes it.
    fx.player(2, 6).setStat(2, 900);
    fx.player(5, 7).setFirstName("Late");
    fx.player(5, 7).setLastName("Equal");
    fx.player(5, 7).setStat(2, 900);
    fx.player(1, 6).setStat(2, 850);
    // Sack yards (16) are stored negative: the largest loss is the record, positive.
    fx.player(3, 1).setStat(16, -45);
    fx.player(4, 1).setStat(16, -60);
    // Team points (97): the older record of 400 beats this season's 390; team 7's
    // tackles (69) tie the older 800 and take it.
    fx.team(6).setOwn(97, 390);
    fx.team(7).setOwn(69, 800);
    fx.write();
    {
        auto old = lf::readRecord<lf::TeamBestRecord>(fx.file("trs"), 97);
        old.set("Oldtimers", "----", 400, 2, 14);
        lf::writeRecord(fx.file("trs"), 97, old);
        old.set("Oldtimers", "----", 800, 2, 14);
        lf::writeRecord(fx.file("trs"), 69, old);
    }

    LeagueView view = openLeague(fx.dir, "MYLG", false);
    saveSeasonRecords(view);

    auto rushing = lf::readRecord<lf::IndividualRecord>(fx.file("irs"), 2);
    EXPECT_EQ(rushing.playerName(), "Late Equal");
    EXPECT_EQ(rushing.team(), "Pulsars");
    EXPECT_EQ(rushing.opponent(), "----");
    EXPECT_EQ(rushing.value(), 900);
    EXPECT_EQ(rushing.season(), 4);
    EXPECT_EQ(rushing.week(), 14);

    auto sacks = lf::readRecord<lf::IndividualRecord>(fx.file("irs"), 16);
    EXPECT_EQ(sacks.value(), 60);
    EXPECT_EQ(sacks.team(), "Quasars");

    // Nobody achieved a field goal: the record stays empty.
    auto fieldGoals = lf::readRecord<lf::IndividualRecord>(fx.file("irs"), 40);
    EXPECT_EQ(fieldGoals.playerName(), "Nobody");
    EXPECT_EQ(fieldGoals.value(), 0);

    EXPECT_EQ(lf::readRecord<lf::TeamBestRecord>(fx.file("trs"), 97).team(), "Oldtimers");
    auto tackles = lf::readRecord<lf::TeamBestRecord>(fx.file("trs"), 69);
    EXPECT_EQ(tackles.team(), "Orbiters");
    EXPECT_EQ(tackles.season(), 4);

    // Running the step again gives the same books.
    std::string before = lf::readFile(fx.file("irs")) + lf::readFile(fx.file("trs"));
    saveSeasonRecords(view);
    EXPECT_EQ(lf::readFile(fx.file("irs")) + lf::readFile(fx.file("trs")), before);
}

TEST(ClosingSeason, ArchiveCopiesCarryTheSeasonTag) {
    FixtureLeague fx;
    fx.league.season = 3;
    fx.league.state = 2;
    fx.write();
    // An archive folder spelled in another case is the same folder.
    std::filesystem::rename(fx.dir / "MYLGArchive", fx.dir / "MYLGarchive");
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    auto copies = archiveSeason(view);
    ASSERT_EQ(copies.size(), 4u);
    for (const char* ext : {"lge", "pla", "sch", "tms"}) {
        auto copy = fx.dir / "MYLGarchive" / (std::string("MYLG003.") + ext);
        ASSERT_TRUE(std::filesystem::exists(copy)) << copy;
        EXPECT_EQ(lf::readFile(copy), lf::readFile(fx.file(ext)));
    }
    EXPECT_EQ(archivedMessage(view), "All files for MYLG have been archived!");
    // The archived season opens like any league, from its own folder.
    LeagueView archived = openLeague(fx.dir / "MYLGarchive", "MYLG003", true);
    EXPECT_EQ(archived.archiveFolder, fx.dir / "MYLGarchive");
    EXPECT_EQ(archived.header.state, 2);
    EXPECT_FALSE(newSeasonAllowed(archived));
}

TEST(ClosingSeason, MissingArchiveFolderFailsWithoutCopying) {
    FixtureLeague fx;
    fx.write();
    std::filesystem::remove_all(fx.dir / "MYLGArchive");
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    EXPECT_THROW(archiveSeason(view), lf::FileError);
    EXPECT_FALSE(std::filesystem::exists(fx.dir / "MYLGArchive"));
}

}  // namespace
}  // namespace tally
