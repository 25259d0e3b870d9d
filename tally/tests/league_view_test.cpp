#include "tally/league_view.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "tally/tests/fixture_league.h"

namespace tally {
namespace {

using testing::FixtureLeague;

TEST(LeagueView, NamesAsStoredAndFolders) {
    FixtureLeague fx;
    fx.write();
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    EXPECT_EQ(view.shortNames[1], "Comets         ");
    EXPECT_EQ(view.shortNames[9], "LEAGUE");
    EXPECT_EQ(view.codes[1], "T1  ");
    EXPECT_EQ(view.archiveFolder, fx.dir / "MYLGArchive");
    EXPECT_EQ(archiveFolderFor("/x/KRO/mylgARCHIVE", "MYLG004"), "/x/KRO/mylgARCHIVE");
}

TEST(LeagueView, DamagedFilesRaiseFileErrorNamingThePath) {
    FixtureLeague fx;
    fx.write();
    std::string teams = lf::readFile(fx.file("tms"));
    lf::replaceFile(fx.file("tms"), teams.substr(0, 628 * 7));
    try {
        openLeague(fx.dir, "MYLG", false);
        FAIL() << "a team file of 7 teams opened for 8";
    } catch (const lf::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("MYLG.tms"), std::string::npos) << e.what();
    }
    lf::replaceFile(fx.file("tms"), teams);
    std::filesystem::remove(fx.file("pla"));
    LeagueView view = openLeague(fx.dir, "MYLG", false);
    EXPECT_THROW(readPlayers(view), lf::FileError);
    EXPECT_THROW(openLeague(fx.dir, "NONE", false), lf::FileError);
}

}  // namespace
}  // namespace tally
