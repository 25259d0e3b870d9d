#include "leaguefiles/league_file.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "temp_dir.h"

namespace {

lf::League sixteenTeams() {
    lf::League l;
    l.state = 1;
    l.season = 3;
    l.title = "Big Sky Football League";
    l.teams = 16;
    l.weeks = 16;
    l.divisions = 4;
    l.teamsPerDivision = 4;
    l.divisionNames = {"North Rim", "South", "East", "West",
                       "no name", "no name", "no name", "no name"};
    return l;
}

void expectSame(const lf::League& a, const lf::League& b) {
    EXPECT_EQ(a.state, b.state);
    EXPECT_EQ(a.season, b.season);
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.teams, b.teams);
    EXPECT_EQ(a.weeks, b.weeks);
    EXPECT_EQ(a.divisions, b.divisions);
    EXPECT_EQ(a.teamsPerDivision, b.teamsPerDivision);
    EXPECT_EQ(a.divisionNames, b.divisionNames);
}

}  // namespace

TEST(LeagueFile, BothFormsReadBackTheSameFifteenValues) {
    TempDir dir;
    const lf::League league = sixteenTeams();
    lf::writeLeagueLineForm(dir.path / "A.lge", league);
    lf::writeLeagueCommaForm(dir.path / "B.lge", league);
    expectSame(lf::readLeague(dir.path / "A.lge"), league);
    expectSame(lf::readLeague(dir.path / "B.lge"), league);
    EXPECT_EQ(dir.read("B.lge").substr(0, 42), "1,3,\"Big Sky Football League\",16,16,4,4\r\n\"");
    EXPECT_EQ(dir.read("A.lge").substr(0, 10), " 1 \r\n 3 \r\n");
}

TEST(LeagueFile, DefaultEightTeamLeague) {
    TempDir dir;
    lf::writeLeagueLineForm(dir.path / "NFL.lge", lf::League{});
    const lf::League l = lf::readLeague(dir.path / "NFL.lge");
    EXPECT_EQ(l.title, "New League");
    EXPECT_EQ(l.teams, 8);
    EXPECT_EQ(l.weeks, 14);
    EXPECT_EQ(l.divisions, 2);
    EXPECT_EQ(l.teamsPerDivision, 4);
    EXPECT_EQ(l.divisionNames[0], "Nebula");
    EXPECT_EQ(l.divisionNames[1], "Astral");
    for (int d = 2; d < 8; ++d) EXPECT_EQ(l.divisionNames[d], "no name");
}

TEST(LeagueFile, NamesThatWouldSplitOrEndAFieldAreCleanedOnWriting) {
    TempDir dir;
    lf::League league;
    league.title = "  The \"Big\", Bold League ";
    league.divisionNames[0] = "North, East";
    league.divisionNames[2] = "Two\r\nLines";
    for (auto write : {lf::writeLeagueLineForm, lf::writeLeagueCommaForm}) {
        write(dir.path / "X.lge", league);
        const lf::League back = lf::readLeague(dir.path / "X.lge");
        EXPECT_EQ(back.title, "The Big Bold League");
        EXPECT_EQ(back.divisionNames[0], "North East");
        EXPECT_EQ(back.divisionNames[1], "Astral");
        EXPECT_EQ(back.divisionNames[2], "TwoLines");
        EXPECT_EQ(back.divisionNames[7], "no name");
    }
}

TEST(LeagueFile, DamagedFilesAreClearErrors) {
    TempDir dir;
    const auto missing = dir.path / "NONE.lge";
    EXPECT_THROW(lf::readLeague(missing), lf::FileError);
    const auto nonNumeric = dir.write("BAD.lge", " 0 \r\n one \r\nTitle\r\n 8 \r\n");
    try {
        lf::readLeague(nonNumeric);
        FAIL();
    } catch (const lf::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("BAD.lge"), std::string::npos) << e.what();
    }
    const auto shortFile = dir.write("SHORT.lge", "0,1,\"T\",8,14,2,4\r\n\"a\",\"b\"\r\n");
    EXPECT_THROW(lf::readLeague(shortFile), lf::FileError);
    // Record files are sized from these numbers, so a size outside the table is refused.
    const auto oddSize = dir.write("ODD.lge", "0,1,\"T\",8,14,2,0\r\n1,2,3,4,5,6,7,8\r\n");
    EXPECT_THROW(lf::readLeague(oddSize), lf::FileError);
}

TEST(LeagueFile, PointerAndPathsResolveWithoutCase) {
    TempDir dir;
    lf::writeLeagueName(dir.path, "KRO1");
    EXPECT_EQ(dir.read("league.id1"), "KRO1\r\n");
    EXPECT_EQ(lf::readLeagueName(dir.path), "KRO1");
    dir.write("LEAGUE.ID1", "  OTHER  ,ignored\r\n");
    std::filesystem::remove(dir.path / "league.id1");
    EXPECT_EQ(lf::readLeagueName(dir.path), "OTHER");

    dir.write("NAME.LGE", "");
    std::filesystem::create_directory(dir.path / "NAMEarchive");
    EXPECT_EQ(lf::resolve(dir.path, "name.lge"), dir.path / "NAME.LGE");
    EXPECT_EQ(lf::leagueFilePath(dir.path, "name", "lge"), dir.path / "NAME.LGE");
    EXPECT_EQ(lf::archiveFolder(dir.path, "NAME"), dir.path / "NAMEarchive");
    // A file that does not exist yet keeps the spelling asked for.
    EXPECT_EQ(lf::leagueFilePath(dir.path, "NAME", "tms"), dir.path / "NAME.tms");
    EXPECT_EQ(lf::resolve(dir.path / "missing", "x"), dir.path / "missing" / "x");
}

TEST(LeagueFile, SizesDivisionsAndConferences) {
    EXPECT_FALSE(lf::leagueSize(20));
    const lf::LeagueSize s = *lf::leagueSize(30);
    EXPECT_EQ(s.weeks, 16);
    EXPECT_EQ(s.divisions, 6);
    EXPECT_EQ(s.teamsPerDivision, 5);
    lf::League l;
    l.teams = 30;
    l.weeks = 16;
    l.divisions = 6;
    l.teamsPerDivision = 5;
    EXPECT_EQ(lf::divisionOf(l, 5), 1);
    EXPECT_EQ(lf::divisionOf(l, 6), 2);
    EXPECT_EQ(lf::conferenceOf(l, 15), 1);
    EXPECT_EQ(lf::conferenceOf(l, 16), 2);
    EXPECT_EQ(lf::teamsOfDivision(l, 6), (std::vector<int>{26, 27, 28, 29, 30}));
}
