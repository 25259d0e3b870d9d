#include "leaguefiles/team_record.h"

#include <gtest/gtest.h>

#include "golden.h"
#include "leaguefiles/error.h"
#include "leaguefiles/stat_index.h"

TEST(TeamRecord, BytesFollowTheFieldOffsets) {
    lf::TeamRecord t;
    t.bytes.fill(0xAB);  // bytes no field names must survive
    t.setCity("Port Halden");
    t.setNickname("Breakers of the North");  // cut to 15
    t.setCode("ab");
    t.setStadium("Harbor Field");
    t.setCoach("M. Osei");
    t.setSettings("213212");
    t.resetForNewLeague();
    t.setOwn(lf::stat::Wins, 3);
    t.setOpp(lf::stat::Wins, 1);
    t.setOwn(lf::stat::SackYardsLost, -45);
    t.setH2hRecord(7, 200);
    t.setH2hPoints(7, -3);

    Golden<628> g;
    g.bytes.fill(0xAB);
    g.text(0, 15, "Port Halden").text(15, 15, "Breakers of the").text(30, 4, "AB");
    g.text(34, 20, "Harbor Field").text(54, 20, "M. Osei").text(74, 18, "213212");
    for (int i = 1; i <= 100; ++i) {
        const int v = lf::stat::isMaxType(i) ? -999 : 0;
        g.i16(92 + 2 * i, v).i16(294 + 2 * i, v);
    }
    for (int k = 1; k <= 32; ++k) g.i16(496 + 2 * k, 0).i16(562 + 2 * k, 0);
    g.i16(92 + 2 * 99, 3).i16(294 + 2 * 99, 1).i16(92 + 2 * 16, -45);
    g.i16(496 + 2 * 7, 200).i16(562 + 2 * 7, -3);
    EXPECT_EQ(t.bytes, g.bytes);

    EXPECT_EQ(t.nickname(), "Breakers of the");
    EXPECT_EQ(t.code(), "AB");
    EXPECT_EQ(t.own(lf::stat::LongestRush), lf::stat::None);
    EXPECT_EQ(t.own(lf::stat::SackYardsLost), -45);
    EXPECT_EQ(t.h2hPoints(7), -3);
    EXPECT_EQ(t.settings(), "213212            ");
}

TEST(TeamRecord, SettingDigitsReadBlankAsZero) {
    lf::TeamRecord t;
    t.setSettings("3 x9");
    EXPECT_EQ(t.setting(1), 3);
    EXPECT_EQ(t.setting(2), 0);
    EXPECT_EQ(t.setting(3), 0);
    EXPECT_EQ(t.setting(4), 9);
    t.setSetting(6, 2);
    EXPECT_EQ(t.settings().substr(0, 6), "3 x9 2");
}

TEST(TeamRecord, UnfilledImageReadsEmptyTexts) {
    const lf::TeamRecord t;
    EXPECT_EQ(t.city(), "");
    EXPECT_EQ(t.code(), "");
    EXPECT_EQ(t.setting(1), 0);
}

TEST(TeamRecord, NewSeasonClearsMaximaToZero) {
    lf::TeamRecord t;
    t.resetForNewLeague();
    t.setOwn(lf::stat::Points, 240);
    t.setH2hRecord(32, 402);
    t.resetForNewSeason();
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(t.own(i) | t.opp(i), 0) << i;
    EXPECT_EQ(t.h2hRecord(32), 0);
}

TEST(TeamRecord, ValueOutsideSixteenBitsIsRefusedNotWrapped) {
    lf::TeamRecord t;
    t.setOwn(lf::stat::PassingYards, 32767);
    EXPECT_THROW(t.setOwn(lf::stat::PassingYards, 32768), lf::FileError);
    EXPECT_THROW(t.setOpp(lf::stat::RushYards, -32769), lf::FileError);
    EXPECT_EQ(t.own(lf::stat::PassingYards), 32767);
    EXPECT_EQ(t.opp(lf::stat::RushYards), 0);
    EXPECT_THROW(t.own(101), std::out_of_range);
}
