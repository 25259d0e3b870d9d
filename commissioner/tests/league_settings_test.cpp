#include "commissioner/league_settings.h"

#include <gtest/gtest.h>

namespace {

using commish::BoxColour;

TEST(LeagueSettings, SizeEnablesOneBoxPerDivision) {
    const std::pair<int, int> cases[] = {{8, 2}, {16, 4}, {24, 6}, {30, 6}, {32, 8}};
    for (const auto& [teams, divisions] : cases) {
        commish::LeagueSettings form;
        commish::chooseSize(form, teams);
        EXPECT_EQ(form.divisions, divisions);
        for (int box = 1; box <= 8; ++box) {
            EXPECT_EQ(form.enabled[box - 1], box <= divisions) << teams << " box " << box;
            const BoxColour colour = box > divisions        ? BoxColour::Grey
                                     : box <= divisions / 2 ? BoxColour::Blue
                                                            : BoxColour::Red;
            EXPECT_EQ(commish::boxColour(form, box), colour) << teams << " box " << box;
            if (box > divisions) {
                EXPECT_EQ(form.divisionNames[box - 1], "no name");
            }
        }
    }
}

TEST(LeagueSettings, TypedNamesStayWhileTheirBoxStaysEnabled) {
    commish::LeagueSettings form;
    commish::chooseSize(form, 32);
    form.divisionNames = {"A", "B", "C", "D", "E", "F", "G", "H"};
    commish::chooseSize(form, 16);
    EXPECT_EQ(form.divisionNames, (std::array<std::string, 8>{"A", "B", "C", "D", "no name",
                                                               "no name", "no name", "no name"}));
    commish::chooseSize(form, 12);  // not a size: nothing changes
    EXPECT_EQ(form.teams, 16);
}

TEST(LeagueSettings, SaveTakesSizesFromTheTable) {
    commish::LeagueSettings form;
    commish::chooseSize(form, 30);
    form.title = "Big League";
    const auto league = commish::saveSettings(form);
    ASSERT_TRUE(league);
    EXPECT_EQ(league->title, "Big League");
    EXPECT_EQ(league->teams, 30);
    EXPECT_EQ(league->weeks, 16);
    EXPECT_EQ(league->divisions, 6);
    EXPECT_EQ(league->teamsPerDivision, 5);

    form.teams = 12;
    EXPECT_EQ(commish::saveSettings(form), std::nullopt);
}

TEST(LeagueSettings, EditingWritesNoNameBeyondTheDivisions) {
    lf::League league;
    league.state = 1;
    league.season = 4;
    league.title = "Old";
    league.teams = 16;
    league.weeks = 16;
    league.divisions = 4;
    league.teamsPerDivision = 4;
    league.divisionNames = {"A", "B", "C", "D", "junk", "junk", "junk", "junk"};
    auto form = commish::settingsForEdit(league);
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->sizeLocked);
    EXPECT_EQ(std::count(form->enabled.begin(), form->enabled.end(), true), 4);
    form->title = "Renamed";
    const auto saved = commish::saveSettings(*form, league);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->state, 1);
    EXPECT_EQ(saved->season, 4);
    EXPECT_EQ(saved->title, "Renamed");
    EXPECT_EQ(saved->divisionNames, (std::array<std::string, 8>{"A", "B", "C", "D", "no name",
                                                                "no name", "no name", "no name"}));

    league.teams = 12;  // a damaged league file
    EXPECT_EQ(commish::settingsForEdit(league), std::nullopt);
}

}  // namespace
