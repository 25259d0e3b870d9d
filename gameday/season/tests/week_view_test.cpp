#include "gameday/season/week_view.h"

#include <gtest/gtest.h>

namespace season {
namespace {

const TeamNames kNames{"", "Comets", "Stars", "Rockets", "Novas"};

TEST(WeekView, LineOfEachRecordState) {
    struct Case {
        lf::ScheduleRecord record;
        std::string text;
        bool selectable;
    };
    using R = lf::ScheduleRecord;
    const Case cases[] = {
        {R::make('-', 3, 2, 0, 0), "Rockets at Stars", true},
        {R::make('-', 0, 2, 0, 0), "", false},             // empty slot
        {R::make('-', 0, 0, 0, 0), "", false},             // postseason week not set up
        {R::make('P', 0, 0, 0, 1), "", false},             // round marker
        {R::make('P', 0, 4, 0, 1), "Novas  BYE", false},
        {R::make('4', 1, 0, 0, 0), "----", false},
        {R::make('4', 1, 2, 10, 24), "Stars  24 Comets  10", false},
        {R::make('4', 1, 2, 30, 3), "Comets  30 Stars  3", false},
        {R::make('4', 1, 2, 17, 17), "Stars  17 Comets  17", false},  // tie: home first
        {R::make('5', 3, 4, 20, 23), "Novas  23 Rockets  20 (OT)", false},
        {R::make('6', 3, 4, 27, 24), "Rockets  27 Novas  24 (OT2)", false},
        {R::make('9', 3, 4, 7, 6), "Rockets  7 Novas  6 (OT5)", false},
    };
    for (const Case& c : cases) {
        const GameLine line = gameLine(c.record, kNames);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.selectable, c.selectable) << c.text;
    }
}

TEST(WeekView, CaptionHeadingAndNextGame) {
    EXPECT_EQ(pickteamCaption("Test League", 3), "Test League Season # 3");
    EXPECT_EQ(pickteamCaption("Test League", -1), "Test League Season #-1");

    struct Heading {
        int week, weeks, teams;
        std::string text;
    };
    const Heading headings[] = {
        {5, 14, 8, "WEEK  5"},
        {14, 14, 8, "WEEK  14"},
        {15, 14, 8, "STELLAR BOWL"},
        {16, 14, 8, "PLAYOFFS"},
        {17, 16, 16, "CONFERENCE CHAMPIONSHIPS"},
        {18, 16, 16, "STELLAR BOWL"},
        {19, 16, 16, "PLAYOFFS"},
        {17, 16, 30, "WILD CARD ROUND"},
        {18, 16, 24, "SECOND ROUND"},
        {19, 16, 32, "CONFERENCE CHAMPIONSHIPS"},
        {20, 16, 24, "STELLAR BOWL"},
    };
    for (const Heading& h : headings)
        EXPECT_EQ(weekHeading(h.week, h.weeks, h.teams), h.text) << h.week << "/" << h.teams;

    using R = lf::ScheduleRecord;
    const std::vector<R> week{R::make('4', 1, 2, 3, 0), R::make('-', 0, 0, 0, 0),
                              R::make('-', 4, 3, 0, 0), R::make('-', 2, 1, 0, 0)};
    const WeekView view = weekView("Test League", 1, 6, 14, 8, week, kNames);
    EXPECT_EQ(view.heading, "WEEK  6");
    ASSERT_EQ(view.lines.size(), 4u);
    EXPECT_EQ(nextGameSlot(view), 3);
    EXPECT_EQ(nextGameSlot(weekView("T", 1, 6, 14, 8, {week.data(), 2}, kNames)), 0);
}

}  // namespace
}  // namespace season
