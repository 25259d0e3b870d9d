#include "leaguefiles/depth_chart.h"

#include <gtest/gtest.h>

TEST(DepthChart, LabelsFollowTheGroups) {
    const std::string expected =
        "QB1.QB2.QB3.FB1.FB2.HB1.HB2.HB3.HB4.WR1.WR2.WR3.WR4.WR5.WR6."
        "TE1.TE2.TE3.CE1.CE2.OG1.OG2.OG3.OT1.OT2.OT3.DE1.DE2.DE3.DE4."
        "DT1.DT2.DT3.LB1.LB2.LB3.LB4.LB5.LB6.LB7.CB1.CB2.CB3.CB4.SA1.SA2.SA3.SA4.KI1.PU1.";
    std::string labels;
    for (int s = 1; s <= lf::SlotsPerTeam; ++s) labels += lf::slotLabel(s) + ".";
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(lf::groupOfSlot(40).code, "LB");
    EXPECT_EQ(lf::groupOfPosition("SA")->first, 45);
    EXPECT_EQ(lf::groupOfPosition("XX"), nullptr);
    EXPECT_THROW(lf::groupOfSlot(51), std::out_of_range);
}

TEST(DepthChart, RecordNumbersOfTeamAndSlot) {
    EXPECT_EQ(lf::playerRecordNumber(2, 1), 51);
    EXPECT_EQ(lf::teamSlotOfRecord(51).team, 2);
    EXPECT_EQ(lf::teamSlotOfRecord(51).slot, 1);
    EXPECT_EQ(lf::teamSlotOfRecord(100).team, 2);
    EXPECT_EQ(lf::teamSlotOfRecord(100).slot, 50);
    EXPECT_EQ(lf::teamSlotOfRecord(1).slot, 1);
}
