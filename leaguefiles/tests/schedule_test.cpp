#include <gtest/gtest.h>

#include "golden.h"
#include "leaguefiles/error.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/schedule_template.h"
#include "temp_dir.h"

TEST(Schedule, RecordBytesAndReservedBytesKept) {
    lf::ScheduleRecord r = lf::ScheduleRecord::make('-', 3, 7, 0, 0);
    EXPECT_EQ(r.bytes, (Golden<11>{}.text(0, 1, "-").i16(1, 3).i16(3, 7).bytes));
    r.bytes[9] = 'x';
    r.bytes[10] = 'y';
    r.setStatus(lf::periodsStatus(5));
    r.setVisitorScore(24);
    r.setHomeScore(24);
    EXPECT_EQ(r.bytes, (Golden<11>{}.text(0, 1, "5").i16(1, 3).i16(3, 7).i16(5, 24).i16(7, 24)
                            .text(9, 2, "xy").bytes));
}

TEST(Schedule, ReadingsOfARecord) {
    struct Case {
        char status;
        int visitor, home;
        bool unplayed, empty, marker, bye, played;
        int periods;
    };
    const Case cases[] = {
        {'-', 3, 7, true, false, false, false, false, 0},
        {'-', 0, 0, false, true, false, false, false, 0},
        {'-', 4, 0, false, true, false, false, false, 0},
        {'P', 0, 0, false, false, true, false, false, 0},
        {'P', 0, 5, false, false, false, true, false, 0},
        {'6', 2, 8, false, false, false, false, true, 6},
        {'x', 2, 8, false, false, false, false, true, 0},
    };
    for (const Case& c : cases) {
        const auto r = lf::ScheduleRecord::make(c.status, c.visitor, c.home, 0, 1);
        SCOPED_TRACE(testing::Message() << c.status << c.visitor << "/" << c.home);
        EXPECT_EQ(lf::isUnplayedGame(r), c.unplayed);
        EXPECT_EQ(lf::isEmptySlot(r), c.empty);
        EXPECT_EQ(lf::isMarker(r), c.marker);
        EXPECT_EQ(lf::isBye(r), c.bye);
        EXPECT_EQ(lf::isPlayedGame(r), c.played);
        EXPECT_EQ(lf::periods(r), c.periods);
    }
    EXPECT_EQ(lf::periodsStatus(12), '1');
    EXPECT_THROW(lf::periodsStatus(0), std::out_of_range);
}

TEST(Schedule, Layout) {
    EXPECT_EQ(lf::scheduleRecordCount(14, 8), 72);
    EXPECT_EQ(lf::scheduleRecordCount(16, 30), 300);
    EXPECT_EQ(lf::scheduleRecordNumber(2, 1, 30), 16);
    EXPECT_EQ(lf::scheduleRecordNumber(18, 4, 8), 72);
}

TEST(ScheduleTemplate, NamesAndFields) {
    EXPECT_EQ(lf::scheduleTemplateName(1, 8), "s1t8.sea");
    EXPECT_EQ(lf::scheduleTemplateName(12, 32), "s2t32.sea");

    TempDir dir;
    const auto file = dir.write("s1t8.sea", "1a2,3a4\r\n 5a6, 7a8\r\n2a1,4a3,6a5,8a7\r\n9a9 extra");
    const auto p = lf::readScheduleTemplate(file, 2, 8);
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[2].visitor, 5);
    EXPECT_EQ(p[2].home, 6);
    EXPECT_EQ(p[7].visitor, 8);
    EXPECT_EQ(p[7].home, 7);
}

TEST(ScheduleTemplate, ErrorsNameTheFile) {
    TempDir dir;
    const auto shortFile = dir.write("s2t8.sea", "1a2,3a4\r\n");
    const auto badField = dir.write("s1t16.sea", "1a2,3-4,5a6,7a8\r\n");
    const auto outside = dir.write("s1t24.sea", "1a9,3a4,5a6,7a8\r\n");
    for (const auto& [file, teams] : {std::pair{shortFile, 8}, std::pair{badField, 8},
                                      std::pair{outside, 8}, std::pair{dir.path / "none.sea", 8}}) {
        try {
            lf::readScheduleTemplate(file, 1, teams);
            ADD_FAILURE() << file;
        } catch (const lf::FileError& e) {
            EXPECT_NE(std::string(e.what()).find(file.filename().string()), std::string::npos)
                << e.what();
        }
    }
}
