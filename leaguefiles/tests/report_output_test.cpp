#include "leaguefiles/report_output.h"

#include <gtest/gtest.h>

#include "leaguefiles/box_log.h"
#include "leaguefiles/error.h"
#include "temp_dir.h"

TEST(ReportOutput, TitleAndSignPlace) {
    EXPECT_EQ(lf::withSignPlace(3), " 3");
    EXPECT_EQ(lf::withSignPlace(-2), "-2");
    EXPECT_EQ(lf::reportTitle("Rushing", 3), "Rushing  Season  3");
    EXPECT_EQ(lf::reportTitle("Game Statistics", 12, 5), "Game Statistics  Season  12  Week  5");
}

TEST(ReportOutput, AppendTwiceThenReplace) {
    TempDir dir;
    const auto file = dir.path / "Box003.log";
    lf::writeReport(file, lf::WriteMode::Append, "G1", {"a\tb", "c"});
    lf::writeReport(file, lf::WriteMode::Append, "G2", {"d"});
    EXPECT_EQ(dir.read("Box003.log"), "\r\nG1\r\na\tb\r\nc\r\n\r\nG2\r\nd\r\n");
    lf::writeReport(file, lf::WriteMode::Replace, "G3", {});
    EXPECT_EQ(dir.read("Box003.log"), "\r\nG3\r\n");
    lf::writeReport(dir.path / "new.txt", lf::WriteMode::Replace, "T", {"x"});
    EXPECT_EQ(dir.read("new.txt"), "\r\nT\r\nx\r\n");
}

TEST(ReportOutput, BadTargetsFailAndWriteNothing) {
    TempDir dir;
    for (const auto& target : {std::filesystem::path(), dir.path / "NFLArchive" / "Box001.log",
                               dir.path}) {
        for (auto mode : {lf::WriteMode::Append, lf::WriteMode::Replace})
            EXPECT_THROW(lf::writeReport(target, mode, "T", {"x"}), lf::FileError) << target;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST(BoxLog, Names) {
    EXPECT_EQ(lf::boxLogName(12), "Box012.log");
    EXPECT_EQ(lf::boxEventsName(12), "Box012_events.txt");
    EXPECT_EQ(lf::boxLogName(1234), "Box234.log");
}
