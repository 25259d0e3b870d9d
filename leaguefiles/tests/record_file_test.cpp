#include "leaguefiles/record_file.h"

#include <gtest/gtest.h>

#include "leaguefiles/error.h"
#include "leaguefiles/schedule_record.h"
#include "temp_dir.h"

TEST(RecordFile, WriteAllThenReadAndUpdateInPlace) {
    TempDir dir;
    const auto file = dir.path / "X.sch";
    std::vector<lf::ScheduleRecord> all;
    for (int k = 1; k <= 5; ++k) all.push_back(lf::ScheduleRecord::make('-', k, k + 1, 0, 0));
    lf::writeAll(file, all);
    EXPECT_EQ(lf::recordCount(file, lf::ScheduleRecord::Size), 5);

    lf::writeRecord(file, 3, lf::ScheduleRecord::make('4', 3, 4, 21, 17));
    EXPECT_EQ(lf::readRecord<lf::ScheduleRecord>(file, 3).homeScore(), 17);
    EXPECT_EQ(lf::readRecord<lf::ScheduleRecord>(file, 4).visitor(), 4);
    lf::writeRecord(file, 6, lf::ScheduleRecord::make('-', 9, 8, 0, 0));  // appends
    const auto back = lf::readAll<lf::ScheduleRecord>(file);
    ASSERT_EQ(back.size(), 6u);
    EXPECT_EQ(back[0].bytes, all[0].bytes);
    EXPECT_EQ(back[5].home(), 8);
}

TEST(RecordFile, BadFilesAreErrorsAndNothingIsWritten) {
    TempDir dir;
    const auto missing = dir.path / "NONE.tms";
    EXPECT_THROW(lf::readRecord<lf::ScheduleRecord>(missing, 1), lf::FileError);
    EXPECT_THROW(lf::readAll<lf::ScheduleRecord>(missing), lf::FileError);

    const std::string truncated(11 * 2 + 5, '-');  // two records and a short one
    const auto file = dir.write("T.sch", truncated);
    EXPECT_THROW(lf::recordCount(file, 11), lf::FileError);
    EXPECT_THROW(lf::readAll<lf::ScheduleRecord>(file), lf::FileError);
    EXPECT_THROW(lf::readRecord<lf::ScheduleRecord>(file, 3), lf::FileError);
    EXPECT_NO_THROW(lf::readRecord<lf::ScheduleRecord>(file, 2));
    EXPECT_THROW(lf::writeRecord(file, 1, lf::ScheduleRecord{}), lf::FileError);
    EXPECT_EQ(dir.read("T.sch"), truncated);

    const auto good = dir.write("G.sch", std::string(22, '-'));
    EXPECT_THROW(lf::readRecord<lf::ScheduleRecord>(good, 0), lf::FileError);
    EXPECT_THROW(lf::writeRecord(good, 4, lf::ScheduleRecord{}), lf::FileError);
    EXPECT_EQ(dir.read("G.sch"), std::string(22, '-'));
}

TEST(RecordFile, FailedReplaceLeavesNoTrace) {
    TempDir dir;
    EXPECT_THROW(lf::writeAll(dir.path / "gone" / "K.sch", std::vector<lf::ScheduleRecord>(2)),
                 lf::FileError);
    // The target is a folder: the rename fails and the temporary file is removed again.
    std::filesystem::create_directories(dir.path / "D.sch" / "inside");
    EXPECT_THROW(lf::writeAll(dir.path / "D.sch", std::vector<lf::ScheduleRecord>(2)),
                 lf::FileError);
    std::vector<std::string> entries;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        entries.push_back(e.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"D.sch"});
}
