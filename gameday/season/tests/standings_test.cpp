#include "gameday/season/standings.h"

#include <gtest/gtest.h>

#include "gameday/season/postseason_shape.h"
#include "leaguefiles/error.h"

namespace season {
namespace {

TEST(CodePercentage, DecodesWinsAsWhole200s) {
    struct Case {
        int code;
        bool zeroRule;
        int expected;
    };
    const Case cases[] = {
        {0, true, 0},        // no games: the zero rule reads 0 of 1
        {200, true, 1000},   // one win
        {202, true, 333},    // a win and a loss: 1 of 1 + 2
        {101, true, 0},      // a tie counts against
        {402, true, 500},
        {301, true, 10},     // 1 / 102 * 1000 = 9.8
        {215, true, 62},     // 62.5: halves go to the even neighbour
        {613, true, 188},    // 187.5
        {400, false, 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codePercentage(c.code, c.zeroRule), c.expected) << "code " << c.code;
}

TEST(StandingsValues, ComeFromTotalsAndHeadToHead) {
    // 16 teams: divisions of four, teams 1..8 the first conference.
    Standings st{postseasonShape(16), std::vector<TeamStanding>(17)};
    TeamStanding& one = st.teams[1];
    one.wins = 3;
    one.ties = 1;
    one.points = 100;
    one.pointsAgainst = 120;
    one.touchdowns = 12;
    one.touchdownsAgainst = 9;
    one.headToHead[2] = 200;   // division
    one.headToHead[4] = 101;   // division
    one.headToHead[6] = 202;   // conference, other division
    one.headToHead[12] = 200;  // other conference
    one.headToHead[13] = 0;
    one.headToHeadPoints[2] = 7;
    one.headToHeadPoints[4] = 0;
    one.headToHeadPoints[6] = -3;
    one.headToHeadPoints[12] = 10;
    st.teams[2].wins = 5;
    st.teams[4].ties = 2;
    st.teams[6].wins = 1;
    st.teams[12].wins = 4;
    st.teams[13].wins = 9;  // never met: not in the strength of schedule

    EXPECT_EQ(standingPoints(st, 1), 7);
    EXPECT_EQ(netPoints(st, 1), -20);
    EXPECT_EQ(netTouchdowns(st, 1), 3);
    EXPECT_EQ(headToHead(st, 1, 6), 202);
    EXPECT_EQ(headToHeadPoints(st, 1, 6), -3);
    EXPECT_EQ(divisionCode(st, 1), 301);
    EXPECT_EQ(divisionNetPoints(st, 1), 7);
    EXPECT_EQ(conferenceCode(st, 1), 503);
    EXPECT_EQ(strengthOfSchedule(st, 1), 10 + 2 + 2 + 8);
}

TEST(PostseasonShape, DivisionsConferencesAndRounds) {
    const PostseasonShape thirty = postseasonShape(30);
    EXPECT_EQ(divisionOf(thirty, 5), 1);
    EXPECT_EQ(divisionOf(thirty, 6), 2);
    EXPECT_EQ(divisionOf(thirty, 30), 6);
    EXPECT_EQ(conferenceOf(thirty, 15), 1);
    EXPECT_EQ(conferenceOf(thirty, 16), 2);
    EXPECT_TRUE(isRound(postseasonShape(8), 1));
    EXPECT_FALSE(isRound(postseasonShape(8), 2));
    EXPECT_FALSE(isRound(postseasonShape(16), 3));
    EXPECT_TRUE(isRound(thirty, 4));
    EXPECT_THROW(postseasonShape(12), lf::FileError);
}

}  // namespace
}  // namespace season
