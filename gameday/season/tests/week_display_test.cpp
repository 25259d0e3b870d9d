#include "gameday/season/week_display.h"

#include <gtest/gtest.h>

#include "gameday/season/game_choice.h"
#include "gameday/season/postseason.h"
#include "gameday/season/tests/league_fixture.h"
#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"

namespace season {
namespace {

using namespace season::testing;
using Message = std::pair<std::string, std::string>;

class WeekDisplayTest : public ::testing::Test {
protected:
    ShowMessage recorder() {
        return [this](const std::string& text, const std::string& title) {
            messages.emplace_back(text, title);
        };
    }
    std::optional<WeekDisplay> open() {
        league = openSeasonLeague(dir.path());
        return openWeekDisplay(league, recorder(), random);
    }
    int record(int week, int slot) const { return lf::scheduleRecordNumber(week, slot, teams); }
    void playWeek(int week) {
        for (int g = 1; g <= teams / 2; ++g) enterResult(dir.path(), record(week, g), 10, 13);
    }

    int teams = 8;
    TempDir dir;
    SeasonLeague league;
    lf::Random random{7};
    std::vector<Message> messages;
};

TEST_F(WeekDisplayTest, ShowsFirstWeekWithAGameAndStepsBackAndForth) {
    writeFixtureLeague(dir.path(), teams, 3);
    for (int w = 1; w <= 3; ++w) playWeek(w);
    enterResult(dir.path(), record(4, 1), 21, 14);
    enterResult(dir.path(), record(4, 3), 3, 3);

    std::optional<WeekDisplay> d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->week, 4);
    EXPECT_EQ(d->view.caption, "Test League Season # 3");
    EXPECT_EQ(d->view.heading, "WEEK  4");
    EXPECT_FALSE(d->view.lines[0].selectable);
    EXPECT_TRUE(d->view.lines[1].selectable);
    EXPECT_FALSE(d->view.lines[2].selectable);
    EXPECT_TRUE(weekButtonsShown(league, *d));

    std::optional<GameChoice> next = chooseNextGame(league, *d);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->record, record(4, 2));
    const lf::ScheduleRecord picked = readSchedule(dir.path())[record(4, 2) - 1];
    EXPECT_EQ(next->visitorTeam, picked.visitor());
    EXPECT_EQ(next->homeTeam, picked.home());
    EXPECT_EQ(next->visitorName, fixtureNickname(picked.visitor()));
    EXPECT_EQ(next->week, 4);
    EXPECT_EQ(next->gameType, RegularSeasonGame);
    EXPECT_FALSE(next->exhibition);

    showPriorWeek(league, *d, recorder(), random);
    EXPECT_EQ(d->week, 3);
    for (const GameLine& line : d->view.lines) EXPECT_FALSE(line.selectable) << line.text;
    EXPECT_FALSE(chooseNextGame(league, *d));
    EXPECT_FALSE(chooseGame(league, *d, 1));
    for (int i = 0; i < 5; ++i) showPriorWeek(league, *d, recorder(), random);
    EXPECT_EQ(d->week, 1);

    d->week = 13;
    showFutureWeek(league, *d, recorder(), random);
    showFutureWeek(league, *d, recorder(), random);  // at week W nothing happens
    EXPECT_EQ(d->week, 14);
    EXPECT_EQ(d->view.heading, "WEEK  14");
    std::optional<GameChoice> late = chooseGame(league, *d, 4);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->record, record(14, 4));
    EXPECT_TRUE(messages.empty());
}

TEST_F(WeekDisplayTest, PastTheRegularSeasonSetsUpTheFirstRoundOnce) {
    writeFixtureLeague(dir.path(), teams);
    lf::Random results{11};
    playRegularSeason(dir.path(), results);

    std::optional<WeekDisplay> d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(messages, (std::vector<Message>{{"Setting Up Postseason", "KRO"}}));
    EXPECT_EQ(d->week, 15);
    EXPECT_EQ(d->view.heading, "STELLAR BOWL");
    EXPECT_EQ(d->gameType, ChampionshipGame);
    EXPECT_FALSE(weekButtonsShown(league, *d));
    EXPECT_EQ(nextGameSlot(d->view), 2);
    EXPECT_EQ(lf::readLines(fixtureFile(dir.path(), "lge")).at(0),
              "1,1,\"Test League\",8,14,2,4");
    EXPECT_EQ(league.league.state, 1);

    // A later run finds the round set up and the season under way from week W.
    const std::string schedule = lf::readFile(fixtureFile(dir.path(), "sch"));
    messages.clear();
    std::optional<WeekDisplay> again = open();
    ASSERT_TRUE(again);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(again->week, 15);
    EXPECT_EQ(again->view.lines[1].text, d->view.lines[1].text);
    EXPECT_EQ(lf::readFile(fixtureFile(dir.path(), "sch")), schedule);
}

TEST_F(WeekDisplayTest, RoundBuiltOnAnUnplayedGameIsNotSetUp) {
    teams = 16;
    writeFixtureLeague(dir.path(), teams);
    lf::Random results{5};
    playRegularSeason(dir.path(), results);
    ASSERT_TRUE(open());
    // Conference 1's game is played; conference 2's slot has lost its game.
    enterResult(dir.path(), record(17, 2), 20, 27);
    std::vector<lf::ScheduleRecord> s = readSchedule(dir.path());
    s[record(17, 6) - 1] = lf::ScheduleRecord::make('-', 0, 0, 0, 0);
    writeSchedule(dir.path(), s);

    messages.clear();
    std::optional<WeekDisplay> d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(messages, (std::vector<Message>{{RoundNotReadyText, "KRO"}}));
    EXPECT_EQ(nextGameSlot(d->view), 0);
    EXPECT_EQ(readSchedule(dir.path())[record(18, 1) - 1].status(), '-');
}

TEST_F(WeekDisplayTest, EightTeamsPastTheChampionshipWriteNothingMoreAndEnd) {
    writeFixtureLeague(dir.path(), teams);
    lf::Random results{3};
    playRegularSeason(dir.path(), results);
    ASSERT_TRUE(open());
    enterResult(dir.path(), record(15, 2), 17, 20);
    const std::string schedule = lf::readFile(fixtureFile(dir.path(), "sch"));

    messages.clear();
    std::optional<WeekDisplay> d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(messages, (std::vector<Message>{{"The season is complete!", "KRO"}}));
    EXPECT_EQ(d->week, 19);
    EXPECT_EQ(d->gameType, PlayoffGame);
    EXPECT_EQ(nextGameSlot(d->view), 0);
    EXPECT_EQ(lf::readFile(fixtureFile(dir.path(), "sch")), schedule);
}

TEST_F(WeekDisplayTest, CompleteSeasonOffersNoGame) {
    writeFixtureLeague(dir.path(), teams);
    lf::League l = lf::readLeague(fixtureFile(dir.path(), "lge"));
    l.state = 2;
    lf::writeLeagueCommaForm(fixtureFile(dir.path(), "lge"), l);
    EXPECT_FALSE(open());
    EXPECT_EQ(messages, (std::vector<Message>{{"The season is complete!", "Test League"}}));
}

TEST_F(WeekDisplayTest, ScheduleNamingAnUnknownTeamIsReported) {
    writeFixtureLeague(dir.path(), teams);
    std::vector<lf::ScheduleRecord> s = readSchedule(dir.path());
    s[2] = lf::ScheduleRecord::make('-', 3, 40, 0, 0);
    writeSchedule(dir.path(), s);
    EXPECT_THROW(open(), lf::FileError);
}

}  // namespace
}  // namespace season
