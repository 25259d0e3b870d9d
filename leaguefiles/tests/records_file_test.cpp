#include "leaguefiles/records_file.h"

#include <gtest/gtest.h>

#include "golden.h"
#include "leaguefiles/error.h"
#include "leaguefiles/stat_index.h"
#include "temp_dir.h"

TEST(RecordsFile, RecordRule) {
    struct Case {
        int index, value, stored;
        std::optional<int> result;
    };
    const Case cases[] = {
        {lf::stat::RushYards, 0, 0, std::nullopt},    // 0 is never a record
        {lf::stat::RushYards, -5, -10, std::nullopt},
        {lf::stat::RushYards, 120, 0, 120},
        {lf::stat::RushYards, 120, 120, 120},         // a later equal value takes over
        {lf::stat::RushYards, 119, 120, std::nullopt},
        {lf::stat::SackYardsLost, -38, 30, 38},       // stored negative, compared negated
        {lf::stat::SackYardsLost, -20, 30, std::nullopt},
        {lf::stat::SackYardsLost, 5, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lf::newRecordValue(c.index, c.value, c.stored), c.result)
            << c.index << " " << c.value << " vs " << c.stored;
}

TEST(RecordsFile, InitialContentsAndImages) {
    const auto ind = lf::initialIndividualRecords();
    const auto team = lf::initialTeamBestRecords();
    const auto champ = lf::initialChampions();
    ASSERT_EQ(ind.size(), 100u);
    ASSERT_EQ(team.size(), 120u);
    ASSERT_EQ(champ.size(), 1u);
    EXPECT_EQ(ind[79].bytes, (Golden<60>{}.text(0, 20, "Nobody").text(20, 15, "No Team")
                                  .text(35, 15, "No Team").text(56, 4, "").bytes));
    EXPECT_EQ(team[0].bytes,
              (Golden<40>{}.text(0, 15, "No Team").text(15, 15, "No Team").text(36, 4, "").bytes));
    EXPECT_EQ(champ[0].text(), "NO CHAMPION");

    lf::IndividualRecord r = ind[0];
    r.set("Aurelio Vandermeulen", "Breakers", "----", 4321, 2, 16);
    EXPECT_EQ(r.bytes, (Golden<60>{}.text(0, 20, "Aurelio Vandermeulen").text(20, 15, "Breakers")
                            .text(35, 15, "----").i16(50, 4321).i16(52, 2).i16(54, 16)
                            .text(56, 4, "").bytes));
    EXPECT_THROW(r.set("X", "Y", "Z", 1, 1, 40000), lf::FileError);
    EXPECT_EQ(r.playerName(), "Aurelio Vandermeulen");  // unchanged by the failed set
}

TEST(RecordsFile, ExtensionsByTable) {
    EXPECT_EQ(lf::individualRecordsExt(lf::PlayoffGame), "irp");
    EXPECT_EQ(lf::individualRecordsExt(lf::WholeSeason), "irs");
    EXPECT_EQ(lf::teamRecordsExt(lf::ChampionshipGame), "trc");
    EXPECT_EQ(lf::teamRecordsExt(lf::RegularSeasonGame), "trg");
}

TEST(RecordsFile, Labels) {
    TempDir dir;
    std::string text;
    for (int k = 1; k <= 100; ++k) text += (k == 72 ? "--unused" : "Label, " + std::to_string(k)) + "\r\n";
    const auto labels = lf::readRecordLabels(dir.write("nrecords.dat", text));
    ASSERT_EQ(labels.size(), 101u);
    EXPECT_EQ(labels[1], "Label, 1");
    EXPECT_EQ(labels[100], "Label, 100");
    EXPECT_TRUE(lf::isHiddenLabel(labels[72]));
    EXPECT_FALSE(lf::isHiddenLabel(labels[71]));
    EXPECT_THROW(lf::readRecordLabels(dir.write("short.dat", "a\r\nb\r\n")), lf::FileError);
}
