#include <gtest/gtest.h>

#include <unistd.h>

#include "leaguefiles/error.h"
#include "leaguefiles/fixed_field.h"
#include "rosterdesk/league_store.h"
#include "rosterdesk/team_form.h"
#include "rosterdesk/team_order.h"
#include "rosterdesk/team_settings.h"
#include "rosterdesk/tests/small_league.h"

namespace fs = std::filesystem;
using namespace newedit;

namespace {

TEST(TeamSettings, NamesAreCutFromTheFixedWidthLists) {
    struct Case {
        int position, value;
        const char* name;
    };
    const Case cases[] = {
        {1, 1, "Outdoor Grass"}, {1, 2, "Outdoor Artificial"}, {1, 3, "Indoor Artificial"},
        {2, 1, "Hot"},           {2, 3, "Normal"},             {2, 5, "Cold"},
        {3, 3, "Calm"},          {4, 1, "Rainy"},              {4, 3, "Dry"},
        {5, 1, "Pass More"},     {5, 2, "Balanced"},           {5, 3, "Run More"},
        {6, 1, "Aggressive Blitz"}, {6, 2, "Normal Blitz"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(settingName(c.position, c.value), c.name) << c.position << "/" << c.value;
}

TEST(TeamForm, OutOfRangeDigitsAreClampedAndSavedClamped) {
    lf::TeamRecord team;
    team.setSettings("1790  xyz");  // temperature 7, wind 9, precipitation 0, blank styles
    const TeamForm form = teamFormOf(team);
    EXPECT_EQ(form.settings, (std::array<int, 6>{1, 5, 3, 1, 1, 1}));
    EXPECT_EQ(settingName(2, form.settings[1]), "Cold");

    applyTeamForm(team, form);
    EXPECT_EQ(team.settings(), "153111            ");
    EXPECT_EQ(team.setting(2), 5);
}

TEST(TeamForm, SavingStoresTheTypedTextsAndKeepsEveryOtherByte) {
    lf::TeamRecord team;
    team.resetForNewLeague();
    team.setCity("Old City");
    team.setH2hRecord(3, 402);
    team.setOwn(99, 7);
    team.bytes[92] = 0x5A;  // element 0 of own totals: no field names it
    const lf::TeamRecord before = team;

    TeamForm form = teamFormOf(team);
    EXPECT_EQ(form.city, "Old City       ");  // shown with its padding
    form.city = "A very long city name";
    form.nickname = std::string("Bolts\0junk", 10);
    form.code = "ab";
    form.stadium = "";
    form.coach = "Coach Z";
    form.settings = {2, 1, 3, 2, 3, 2};
    applyTeamForm(team, form);

    EXPECT_EQ(lf::rawText(team.bytes.data(), 0, 15), "A very long cit");
    EXPECT_EQ(team.nickname(), "Bolts");
    EXPECT_EQ(lf::rawText(team.bytes.data(), 30, 4), "AB  ");
    EXPECT_EQ(lf::rawText(team.bytes.data(), 34, 20), std::string(20, ' '));
    EXPECT_EQ(team.coach(), "Coach Z");
    EXPECT_EQ(team.settings(), "213232            ");
    for (size_t b = 92; b < lf::TeamRecord::Size; ++b)
        ASSERT_EQ(team.bytes[b], before.bytes[b]) << "byte " << b;
}

TEST(ChooserOrder, SortsByCharacterCodeAndMapsChooserEntries) {
    const std::vector<std::string> names = {"Zeta Owls", "alpha Bees", "Beta Cats", "Alpha Ants",
                                            "Beta Cats"};
    const std::vector<int> order = teamOrder(names);
    EXPECT_EQ(order, (std::vector<int>{4, 3, 5, 1, 2}));  // capitals before lower case
    EXPECT_EQ(chooserEntries(names, order),
              (std::vector<std::string>{"CANCEL", "Alpha Ants", "Beta Cats", "Beta Cats",
                                        "Zeta Owls", "alpha Bees"}));
    EXPECT_EQ(chosenTeam(order, 0), 0);
    EXPECT_EQ(chosenTeam(order, -1), 0);
    EXPECT_EQ(chosenTeam(order, 1), 4);
    EXPECT_EQ(chosenTeam(order, 5), 2);
}

using EditorFiles = testsupport::SmallLeague;

TEST_F(EditorFiles, DefaultRosterFileUsesTheStoredCodeAndSeason) {
    const LeagueStore store = LeagueStore::open(dir);
    lf::TeamRecord team;
    team.setCode("xyz");
    EXPECT_EQ(store.defaultRosterFile(team), dir / "TESTArchive" / "XYZ ROST007.txt");
    EXPECT_EQ(teamDisplayName(store.readTeams()[2]), "City3 Nick3");
}

TEST_F(EditorFiles, ShortTeamFileIsRefused) {
    std::vector<lf::TeamRecord> teams = lf::readAll<lf::TeamRecord>(dir / "TEST.tms");
    teams.resize(5);
    lf::writeAll(dir / "TEST.tms", teams);
    const LeagueStore store = LeagueStore::open(dir);
    EXPECT_THROW(store.readTeams(), lf::FileError);
}

TEST_F(EditorFiles, MissingLeagueFileIsReported) {
    fs::remove(dir / "TEST.lge");
    EXPECT_THROW(LeagueStore::open(dir), lf::FileError);
}

}  // namespace
