#include "commissioner/league_creation.h"

#include <gtest/gtest.h>

#include "commissioner/tests/template_fixture.h"
#include "leaguefiles/error.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/stat_index.h"
#include "leaguefiles/team_record.h"

namespace fs = std::filesystem;

namespace {

commish::NewLeague request(int teams, const std::string& name = "NEW") {
    commish::NewLeague r;
    r.league.teams = teams;  // weeks and divisions follow from the size table
    r.name = name;
    return r;
}

class Creation : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fixture::freshFolder("create");
        fixture::writeTemplates(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<lf::PlayerRecord> players(const std::string& name = "NEW") {
        return lf::readAll<lf::PlayerRecord>(dir / (name + ".pla"));
    }
    // Every entry of the league directory that is not an installation file.
    std::vector<std::string> leagueEntries() {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) {
            const std::string n = e.path().filename().string();
            if (n != "teams.tmx" && n != "players.plx" && n.rfind("name", 0) != 0 &&
                n.find(".sea") == std::string::npos)
                out.push_back(n);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path dir;
};

TEST_F(Creation, EightTeamLeagueWritesEveryFileWithItsSize) {
    lf::Random rng(5);
    commish::createLeague(dir, request(8), rng);

    EXPECT_EQ(lf::readLeagueName(dir), "NEW");
    const lf::League league = lf::readLeague(dir / "NEW.lge");
    EXPECT_EQ(league.state, 0);
    EXPECT_EQ(league.season, 1);
    EXPECT_EQ(league.title, "New League");
    EXPECT_EQ(league.teams, 8);
    EXPECT_EQ(league.weeks, 14);
    EXPECT_EQ(league.divisions, 2);
    EXPECT_EQ(league.teamsPerDivision, 4);
    EXPECT_EQ(league.divisionNames[0], "Nebula");
    EXPECT_EQ(league.divisionNames[1], "Astral");

    const std::pair<const char*, uintmax_t> sizes[] = {
        {"tms", 8 * 628}, {"pla", 400 * 220}, {"sch", (14 + 4) * 4 * 11}, {"chm", 80},
        {"irg", 100 * 60}, {"irp", 100 * 60}, {"irc", 100 * 60}, {"irs", 100 * 60},
        {"trg", 120 * 40}, {"trp", 120 * 40}, {"trc", 120 * 40}, {"trs", 120 * 40}};
    for (const auto& [ext, bytes] : sizes)
        EXPECT_EQ(fs::file_size(dir / (std::string("NEW.") + ext)), bytes) << ext;
    EXPECT_TRUE(fs::is_directory(dir / "NEWArchive"));
    EXPECT_EQ(lf::readAll<lf::ChampionRecord>(dir / "NEW.chm")[0].text(), "NO CHAMPION");
    EXPECT_EQ(lf::readRecord<lf::IndividualRecord>(dir / "NEW.irs", 100).playerName(), "Nobody");
    EXPECT_EQ(lf::readRecord<lf::TeamBestRecord>(dir / "NEW.trc", 120).opponent(), "No Team");

    // Template teams 1..8 at places 1..8, statistics reset with -999 at the longest plays.
    const auto teams = lf::readAll<lf::TeamRecord>(dir / "NEW.tms");
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(teams[j - 1].city(), "City" + std::to_string(j));
        EXPECT_EQ(teams[j - 1].settings().substr(0, 6), "123321");
        EXPECT_EQ(teams[j - 1].own(1), 0);
        EXPECT_EQ(teams[j - 1].own(lf::stat::LongestRush), lf::stat::None);
    }
    const auto all = players();
    EXPECT_EQ(all[0].number(), 99);    // template number 0
    EXPECT_EQ(all[1].number(), 99);    // template number 120
    EXPECT_EQ(all[2].number(), 3);
    EXPECT_EQ(all[50].firstName(), "F2");  // record 51: team 2, slot 1
    for (const auto& p : all) {
        ASSERT_GE(p.years(), 0);
        ASSERT_LE(p.years(), 15);
        ASSERT_EQ(p.injuryText(), "0   ");
        ASSERT_EQ(p.stat(2), 0);
        ASSERT_EQ(p.ratingsText(), fixture::TemplateRatings);  // no renaming asked for
    }
    const auto schedule = lf::readAll<lf::ScheduleRecord>(dir / "NEW.sch");
    for (size_t k = 0; k < schedule.size(); ++k) {
        const bool regular = k < 14 * 4;
        EXPECT_EQ(schedule[k].visitor() != 0, regular) << k;
        EXPECT_EQ(schedule[k].status(), '-');
    }
    EXPECT_EQ(leagueEntries(), (std::vector<std::string>{
                                   "NEW.chm", "NEW.irc", "NEW.irg", "NEW.irp", "NEW.irs", "NEW.lge",
                                   "NEW.pla", "NEW.sch", "NEW.tms", "NEW.trc", "NEW.trg", "NEW.trp",
                                   "NEW.trs", "NEWArchive", "league.id1"}));
}

TEST_F(Creation, DrawsYearsThenNamesAndRatingsThenTheSchedule) {
    std::vector<lf::PlannedDraw> script;
    for (int r = 0; r < 400; ++r)
        for (int i = 0; i < 3; ++i) script.push_back({6, r == 0 ? 6.0 : 1.0});
    for (int r = 0; r < 400; ++r) {
        script.push_back({fixture::FirstNames, 2});
        script.push_back({fixture::LastNames, 4});
        // Ratings "123450123450123 ": 1 and 5 draw 1..2, 2..4 draw 1..3, 0 and blank none.
        for (char c : std::string(fixture::TemplateRatings)) {
            if (c == '1' || c == '5') script.push_back({2, 2});
            if (c >= '2' && c <= '4') script.push_back({3, 3});
        }
    }
    for (int i = 0; i < 8; ++i) script.push_back({4, 1});
    auto rng = lf::Random::scripted(script);
    commish::NewLeague r = request(8);
    r.rename = true;
    commish::createLeague(dir, r, rng);
    EXPECT_EQ(rng.remaining(), 0u);

    const auto all = players();
    EXPECT_EQ(all[0].years(), 15);
    EXPECT_EQ(all[1].years(), 0);
    EXPECT_EQ(all[0].firstName(), "First2");
    EXPECT_EQ(all[399].lastName(), "Last4");
    // 1 -> 2, 2 -> 3, 3 -> 4, 4 -> 5, 5 -> 4, 0 stays, the sixteenth character becomes "0".
    EXPECT_EQ(all[399].ratingsText(), "2345402345402340");
    // Every draw 1: division places [4 1 2 3] and [8 5 6 7]; the template opens with 1a8.
    const auto first = lf::readRecord<lf::ScheduleRecord>(dir / "NEW.sch", 1);
    EXPECT_EQ(first.visitor(), 4);
    EXPECT_EQ(first.home(), 7);
}

TEST(VaryRatings, StaysWithinOneStepAndTheRatingRange) {
    lf::Random rng(11);
    for (int i = 0; i < 300; ++i) {
        const std::string out = commish::varyRatings("0123450 x", rng);
        ASSERT_EQ(out.size(), 9u);
        EXPECT_EQ(out[0], '0');
        EXPECT_TRUE(out[1] == '1' || out[1] == '2') << out;
        EXPECT_TRUE(out[2] >= '1' && out[2] <= '3') << out;
        EXPECT_TRUE(out[4] >= '3' && out[4] <= '5') << out;
        EXPECT_TRUE(out[5] == '4' || out[5] == '5') << out;
        EXPECT_EQ(out.substr(6), "000");  // non-digits count as 0
    }
}

TEST_F(Creation, ResetYearsDrawsNothingForPlayers) {
    std::vector<lf::PlannedDraw> script(8, lf::PlannedDraw{4, 2});
    auto rng = lf::Random::scripted(script);
    commish::NewLeague r = request(8);
    r.resetYears = true;
    commish::createLeague(dir, r, rng);
    EXPECT_EQ(rng.remaining(), 0u);
    for (const auto& p : players()) ASSERT_EQ(p.years(), 0);
}

TEST_F(Creation, PlacementChoosesTheTemplateTeams) {
    commish::NewLeague r = request(8);
    commish::exchangePlaces(r.placement, 2, 32);
    lf::Random rng(3);
    commish::createLeague(dir, r, rng);
    const auto teams = lf::readAll<lf::TeamRecord>(dir / "NEW.tms");
    EXPECT_EQ(teams[1].city(), "City32");
    EXPECT_EQ(players()[50].firstName(), "F32");
    EXPECT_EQ(players()[100].firstName(), "F3");
}

TEST_F(Creation, OverwriteReplacesTheOldLeagueAndEmptiesItsArchive) {
    for (const char* f : {"old.TMS", "OLD.pla", "Old.sch", "OLD.CHM", "old.lge", "OLD.irg"})
        fixture::writeText(dir / f, "stale");
    fs::create_directory(dir / "OLDarchive");
    fixture::writeText(dir / "OLDarchive" / "Box001.log", "old season");
    fixture::writeText(dir / "league.id1", "OTHER\r\n");

    commish::NewLeague r = request(16, "OLD");
    r.overwrite = true;
    lf::Random rng(9);
    commish::createLeague(dir, r, rng);

    for (const char* gone : {"old.TMS", "Old.sch", "OLD.CHM", "old.lge", "OLDarchive"})
        EXPECT_FALSE(fs::exists(dir / gone)) << gone;
    EXPECT_EQ(fs::file_size(dir / "OLD.tms"), 16u * 628u);
    EXPECT_EQ(fs::file_size(dir / "OLD.irg"), 100u * 60u);
    EXPECT_TRUE(fs::is_directory(dir / "OLDArchive"));
    EXPECT_TRUE(fs::is_empty(dir / "OLDArchive"));
    EXPECT_EQ(lf::readLeagueName(dir), "OLD");
    EXPECT_EQ(leagueEntries().size(), 15u);  // no staging folder, no old file left over
}

TEST_F(Creation, AnExistingArchiveIsKeptWithoutOverwrite) {
    fs::create_directory(dir / "NEWArchive");
    fixture::writeText(dir / "NEWArchive" / "keep.txt", "x");
    lf::Random rng(2);
    commish::createLeague(dir, request(8), rng);
    EXPECT_TRUE(fs::exists(dir / "NEWArchive" / "keep.txt"));
}

TEST_F(Creation, AFailureLeavesThePreviousLeagueActiveAndNothingHalfMade) {
    fixture::writeText(dir / "league.id1", "OTHER\r\n");
    const auto before = leagueEntries();

    // A missing schedule template, a missing name list, a short player template.
    fs::remove(dir / "s1t24.sea");
    lf::Random rng(4);
    EXPECT_THROW(commish::createLeague(dir, request(24), rng), lf::FileError);
    commish::NewLeague renamed = request(8);
    renamed.rename = true;
    fs::remove(dir / "name2.rdm");
    EXPECT_THROW(commish::createLeague(dir, renamed, rng), lf::FileError);
    fs::resize_file(dir / "players.plx", 220 * 50 * 31);
    EXPECT_THROW(commish::createLeague(dir, request(8), rng), lf::FileError);

    EXPECT_EQ(leagueEntries(), before);
    EXPECT_EQ(lf::readLeagueName(dir), "OTHER");
}

TEST_F(Creation, AFailureWhileInstallingPutsTheOldLeagueBack) {
    lf::Random rng(6);
    commish::createLeague(dir, request(8, "NEW"), rng);
    fixture::writeText(dir / "league.id1", "OTHER\r\n");
    const std::string oldTeams = fixture::readText(dir / "NEW.tms");
    // A file where the archive folder belongs makes the last step fail.
    fs::remove_all(dir / "NEWArchive");
    fixture::writeText(dir / "NEWArchive", "in the way");

    commish::NewLeague again = request(16, "NEW");
    again.overwrite = true;
    EXPECT_THROW(commish::createLeague(dir, again, rng), lf::FileError);
    EXPECT_EQ(fixture::readText(dir / "NEW.tms"), oldTeams);
    EXPECT_EQ(lf::readLeague(dir / "NEW.lge").teams, 8);
    EXPECT_EQ(lf::readLeagueName(dir), "OTHER");
    EXPECT_EQ(leagueEntries().size(), 15u);
}

}  // namespace
