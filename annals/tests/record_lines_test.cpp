#include "annals/record_lines.h"
#include "annals/records_view.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "leaguefiles/error.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"

namespace fs = std::filesystem;

namespace {

// Labels 1..100 with every fifth one hidden.
std::vector<std::string> fixtureLabels() {
    std::vector<std::string> labels{""};
    for (int k = 1; k <= 100; ++k)
        labels.push_back(k % 5 == 0 ? "--unused" : "Stat " + std::to_string(k));
    return labels;
}

struct NewLeagueRecords : ::testing::Test {
    fs::path dir = fs::temp_directory_path() /
                   ("annals_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        fs::create_directories(dir);
        for (int t = 0; t <= 3; ++t) {
            const auto table = lf::RecordTable(t);
            lf::writeAll(dir / ("TEST." + std::string(lf::individualRecordsExt(table))),
                         lf::initialIndividualRecords());
            lf::writeAll(dir / ("TEST." + std::string(lf::teamRecordsExt(table))),
                         lf::initialTeamBestRecords());
        }
        lf::writeAll(dir / "TEST.chm", lf::initialChampions());
    }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(NewLeagueRecords, EveryShownIndexHoldsNobody) {
    const auto labels = fixtureLabels();
    for (int button = 0; button <= 3; ++button) {
        const auto lines = SeeRecs::recordsView(dir, "TEST", button, labels);
        ASSERT_EQ(lines.size(), 3u * 64) << "button " << button;  // 80 minus 16 hidden
        EXPECT_EQ(lines[0], "STAT 1:       0   NOBODY              ");
        EXPECT_EQ(lines[1], "    Season:  0  Week:  0  No Team vs No Team");
        EXPECT_EQ(lines[2], " ");
        EXPECT_EQ(lines[12], "STAT 6:       0   NOBODY              ");  // 5 is hidden
    }
    for (int button = 4; button <= 7; ++button) {
        const auto lines = SeeRecs::recordsView(dir, "TEST", button, labels);
        ASSERT_EQ(lines.size(), 3u * 80) << "button " << button;
        EXPECT_EQ(lines[0], "STAT 1:       0   NO TEAM        ");
        EXPECT_EQ(lines[1], "    Season:  0  Week:  0   vs No Team");
        EXPECT_EQ(lines.back(), " ");
        EXPECT_EQ(lines[lines.size() - 3], "STAT 99:       0   NO TEAM        ");
    }
}

TEST_F(NewLeagueRecords, ChampionsListHasOneEmptySeason) {
    EXPECT_EQ(SeeRecs::recordsView(dir, "TEST", 8, fixtureLabels()),
              (std::vector<std::string>{"     STELLAR BOWL CHAMPIONS", "  1  NO CHAMPION"}));
}

TEST_F(NewLeagueRecords, FilledRecordsShowAsStored) {
    auto individual = lf::initialIndividualRecords();
    individual[1].set("Joe Smith", "Comets", std::string(lf::SeasonOpponent), 1873, 12, 0);
    lf::writeAll(dir / "TEST.irs", individual);
    auto team = lf::initialTeamBestRecords();
    team[0].set("Comets", "Rockets", 312, 3, 14);
    lf::writeAll(dir / "TEST.trg", team);

    const auto labels = fixtureLabels();
    const auto season = SeeRecs::recordsView(dir, "TEST", 3, labels);
    EXPECT_EQ(season[3], "STAT 2:    1873   JOE SMITH           ");
    EXPECT_EQ(season[4], "    Season:  12  Week:  0  Comets vs ----");
    const auto game = SeeRecs::recordsView(dir, "TEST", 4, labels);
    EXPECT_EQ(game[0], "STAT 1:     312   COMETS         ");
    EXPECT_EQ(game[1], "    Season:  3  Week:  14   vs Rockets");
}

TEST(RecordLines, ValueFieldKeepsTheLastSixCharacters) {
    EXPECT_EQ(SeeRecs::valueField(0), "     0");
    EXPECT_EQ(SeeRecs::valueField(-45), "   -45");
    EXPECT_EQ(SeeRecs::valueField(12345), " 12345");
    EXPECT_EQ(SeeRecs::valueField(-12345), "-12345");
}

TEST(RecordLines, ChampionNumbersRightAlignedInThree) {
    std::vector<lf::ChampionRecord> champions(12);
    for (auto& c : champions) c.setText("Season 1 Comets 24 Rockets 17");
    const auto lines = SeeRecs::championLines(champions);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[9], "  9  Season 1 Comets 24 Rockets 17");
    EXPECT_EQ(lines[12], " 12  Season 1 Comets 24 Rockets 17");
}

TEST_F(NewLeagueRecords, DamagedOrMissingFilesAreReported) {
    const auto labels = fixtureLabels();
    std::vector<lf::TeamBestRecord> shortTable(lf::initialTeamBestRecords());
    shortTable.resize(50);
    lf::writeAll(dir / "TEST.trp", shortTable);
    EXPECT_THROW(SeeRecs::recordsView(dir, "TEST", 5, labels), lf::FileError);
    fs::remove(dir / "TEST.irc");
    try {
        SeeRecs::recordsView(dir, "TEST", 2, labels);
        FAIL() << "missing file not reported";
    } catch (const lf::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("TEST.irc"), std::string::npos) << e.what();
    }
}

}  // namespace
