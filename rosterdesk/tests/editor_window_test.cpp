#include <gtest/gtest.h>

#include <fstream>

#include "leaguefiles/fixed_field.h"
#include "leaguefiles/record_file.h"
#include "rosterdesk/tests/editor_user.h"
#include "rosterdesk/tests/small_league.h"

namespace fs = std::filesystem;
using namespace testsupport;

namespace {

// The editor run on the small league.
struct EditorWindows : SmallLeague, EditorSession {
    void SetUp() override {
        SmallLeague::SetUp();
        enter(dir);
    }
    void TearDown() override {
        leave();
        SmallLeague::TearDown();
    }
    std::vector<lf::TeamRecord> teamFile() const { return lf::readAll<lf::TeamRecord>(dir / "TEST.tms"); }
};

// Picks team t of the small league in the chooser (its names sort in team order).
void chooseTeam(int t) {
    select("Select Team", "cboTeam", t);
    click("Select Team", "OK");
}

TEST_F(EditorWindows, TeamDataCancelKeepsTheFormThenYesSavesExactlyTheEdits) {
    std::vector<lf::TeamRecord> teams = teamFile();
    teams[2].setSettings("173412");  // a temperature digit out of range
    lf::writeAll(dir / "TEST.tms", teams);

    run([&] {
        click(Menu, "Edit Team Data");
        const auto chooser = waitUnblocked("Select Team");
        const auto& entries = control(chooser, "cboTeam").items;
        EXPECT_EQ(entries.size(), 9u);
        EXPECT_EQ(entries.front(), "CANCEL");
        EXPECT_EQ(entries[3], "City3 Nick3");
        chooseTeam(3);

        auto form = waitUnblocked("Edit Team Data");
        EXPECT_EQ(control(form, "txtLocation").text, "City3          ");
        EXPECT_EQ(control(form, "lblSetting_1").text, "Cold");
        EXPECT_EQ(control(form, "lblSetting_4").text, "Pass More");
        setText("Edit Team Data", "txtLocation", "Springfield");
        setText("Edit Team Data", "txtAbbreviation", "ab");
        setSlider("Editteam", "sldDefense", 1);

        click("Edit Team Data", "Exit");
        answer("Save data before closing?", "Cancel");
        answer("Command has been cancelled!", "OK");
        form = waitUnblocked("Edit Team Data");
        EXPECT_EQ(control(form, "txtAbbreviation").text, "ab");
        EXPECT_EQ(control(form, "txtLocation").text, "Springfield");
        EXPECT_EQ(control(form, "lblSetting_5").text, "Aggressive Blitz");

        click("Edit Team Data", "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");
        click(Menu, "Exit");
    });

    teams[2].setCity("Springfield");
    teams[2].setCode("AB");
    teams[2].setSettings("153311");  // precipitation 4 lowered to 3
    const auto after = teamFile();
    ASSERT_EQ(after.size(), teams.size());
    for (size_t t = 0; t < teams.size(); ++t)
        for (size_t b = 0; b < lf::TeamRecord::Size; ++b)
            ASSERT_EQ(after[t].bytes[b], teams[t].bytes[b]) << "team " << t + 1 << " byte " << b;
    EXPECT_EQ(lf::rawText(after[2].bytes.data(), 30, 4), "AB  ");
}

TEST_F(EditorWindows, DepthChartDropWithinAPositionIsSaved) {
    const auto before = playerFile();
    run([&] {
        click(Menu, "Edit Depth Chart");
        chooseTeam(0);  // CANCEL: back to the menu
        click(Menu, "Edit Depth Chart");
        chooseTeam(2);
        const std::string title = "Depth Chart (Drag And Drop To Change Position)";
        auto chart = waitUnblocked(title);
        EXPECT_EQ(control(chart, "lblPlayer_0").text, "QB F2s1 L2s1 (3)");
        EXPECT_EQ(control(chart, "lblPlayer_49").text, "PU F2s50 L2s50");
        dropLabel("Depthchart", "lblPlayer_7", "lblPlayer_5");  // HB3 onto HB1
        dropLabel("Depthchart", "lblPlayer_0", "lblPlayer_3");  // a quarterback onto a fullback
        chart = waitUnblocked(title);
        EXPECT_EQ(control(chart, "lblPlayer_5").text, "HB F2s8 L2s8");
        EXPECT_EQ(control(chart, "lblPlayer_7").text, "HB F2s6 L2s6");
        EXPECT_EQ(control(chart, "lblPlayer_0").text, "QB F2s1 L2s1 (3)");
        EXPECT_EQ(control(chart, "lblPlayer_3").text, "FB F2s4 L2s4");
        click(title, "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");
        click(Menu, "Exit");
    });
    const auto after = playerFile();
    ASSERT_EQ(after.size(), before.size());
    for (size_t r = 0; r < after.size(); ++r) {
        const size_t source = r == 55 ? 57 : r == 57 ? 55 : r;  // records 56 and 58
        ASSERT_EQ(after[r].bytes, before[source].bytes) << "record " << r + 1;
    }
}

TEST_F(EditorWindows, PlayerDataNoDiscardsYesSavesTheRatings) {
    const auto before = playerFile();
    const std::string list = "Click Player To Edit Ratings";
    const std::string form = "Change Player Data";
    auto editSecondHalfback = [&](bool checkLines) {
        click("Edit Players", "Halfbacks");
        const auto players = waitUnblocked(list);
        if (checkLines) {
            const auto& lines = control(players, "lstPlayers").items;
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(lines[1], "HB2 F1s7 L1s7                   7  1 2 3  4 5 0  1 2  3 4 5  0 1  2 3");
        }
        select(list, "lstPlayers", 1);
        const auto ratings = waitUnblocked(form);
        EXPECT_EQ(control(ratings, "lblPosition").text, "HB");
        EXPECT_EQ(control(ratings, "txtFirstName").text, "F1s7");
        EXPECT_EQ(control(ratings, "sldInjury").text, "0");
        setText(form, "txtFirstName", "Zed");
        setSlider("Changrat", "sldYears", 25);
        setSlider("Changrat", "sldInjury", 4);
        setSlider("Changrat", "sldRating_0", 0);
        setSlider("Changrat", "sldRating_14", 5);
        click(form, "Exit");
        EXPECT_TRUE(au::waitForNoWindow(form, Deadline));
        const auto redrawn = waitUnblocked(list, "HB2 Zed");
        EXPECT_EQ(control(redrawn, "lstPlayers").items.at(1),
                  "HB2 Zed L1s7 (4)               25  0 2 3  4 5 0  1 2  3 4 5  0 1  2 5");
        click(list, "Exit");
    };
    run([&] {
        click(Menu, "Edit Player Data");
        chooseTeam(1);
        editSecondHalfback(true);
        click("Edit Players", "Exit");
        answer("Save data before closing?", "Cancel");
        answer("Command has been cancelled!", "OK");
        click("Edit Players", "Exit");
        answer("Save data before closing?", "No");
        answer("Data not saved!", "OK");

        click(Menu, "Edit Player Data");
        chooseTeam(1);
        editSecondHalfback(false);
        click("Edit Players", "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");
        click(Menu, "Exit");
    });
    auto expected = before;
    lf::PlayerRecord& edited = expected[6];
    edited.setFirstName("Zed");
    edited.setYears(25);
    edited.setInjuryText(" 4");
    edited.setRatingsText("023450123450125 ");
    const auto after = playerFile();
    ASSERT_EQ(after.size(), expected.size());
    for (size_t r = 0; r < after.size(); ++r) ASSERT_EQ(after[r].bytes, expected[r].bytes) << "record " << r + 1;
}

TEST_F(EditorWindows, RosterPrintsToTheDefaultFileInTheArchive) {
    run([&] {
        click(Menu, "Print Roster");
        chooseTeam(4);
        const auto roster = waitUnblocked("Nick4 Roster");
        const auto& lines = control(roster, "lstRoster").items;
        ASSERT_EQ(lines.size(), 50u);
        EXPECT_EQ(lines[0], " QB F4s1 L4s1              1  1 2 3  4 5 .  1 2  3 4 5  . 1  2 3 4");
        click("Nick4 Roster", "Print");
        select("Print", "optPrintTarget", 1);
        const auto dialog = waitUnblocked("Print");
        EXPECT_EQ(control(dialog, "txtPrintFile").text, (dir / "TESTArchive" / "T4  ROST007.txt").string());
        click("Print", "OK");
        click("Nick4 Roster", "OK");
        click(Menu, "Exit");
    });
    std::ifstream in(dir / "TESTArchive" / "T4  ROST007.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.substr(0, 29), "\r\nNick4 Roster  Season  7\r\n Q");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 52);
    EXPECT_NE(text.find(" PU F4s50 L4s50            0  1 2 3  4 5 .  1 2  3 4 5  . 1  2 3 4\r\n"),
              std::string::npos);
}

TEST_F(EditorWindows, TradeRefusesOneTeamThenExchangesTwoQuarterbacks) {
    const auto before = playerFile();
    const std::string title = "Trade Player";
    auto doubleClick = [](int row) { doubleClickRow("Trade", "lstTrade", row); };
    run([&] {
        click(Menu, "Trade Player");
        auto trade = waitUnblocked(title);
        const auto& lines = control(trade, "lstTrade").items;
        ASSERT_EQ(lines.size(), 24u);
        EXPECT_EQ(lines[5], "T2   F2s3 L2s3               3   3 1 2 3  4 5 .  1 2  3 4 5  . 1  2 3");
        doubleClick(0);
        doubleClick(1);
        click(title, "Make Trade");
        answer("You must select 2 different players from 2 different teams!", "OK");

        select(title, "optPosition", 1);  // fullbacks: the boxes empty
        trade = waitUnblocked(title, "T1   F1s4 L1s4");
        EXPECT_EQ(control(trade, "txtTrade_0").text, "");
        select(title, "optPosition", 0);
        trade = waitUnblocked(title, "T1   F1s1 L1s1");
        doubleClick(0);
        doubleClick(5);
        trade = waitUnblocked(title);
        EXPECT_EQ(control(trade, "txtTrade_0").text, "T1   F1s1 L1s1           ");
        EXPECT_EQ(control(trade, "txtTrade_1").text, "T2   F2s3 L2s3           ");
        click(title, "Make Trade");
        answer("Do you wish to make this trade?", "No");
        answer("Trade cancelled!", "OK");
        waitUntil(title, [](const au::Window& w) { return findNamed(w, "txtTrade_0")->text.empty(); });
        doubleClick(0);
        doubleClick(5);
        click(title, "Make Trade");
        answer("Do you wish to make this trade?", "Yes");
        answer("Trade accepted!", "OK");
        trade = waitUnblocked(title, "T1   F2s3 L2s3");
        EXPECT_EQ(control(trade, "lstTrade").items.at(0).substr(0, 25), "T1   F2s3 L2s3           ");
        EXPECT_EQ(control(trade, "txtTrade_0").text, "");
        click(title, "Exit");
        click(Menu, "Exit");
    });
    const auto after = playerFile();
    ASSERT_EQ(after.size(), before.size());
    for (size_t r = 0; r < after.size(); ++r) {
        const size_t source = r == 0 ? 52 : r == 52 ? 0 : r;  // team 1 QB1 and team 2 QB3
        ASSERT_EQ(after[r].bytes, before[source].bytes) << "record " << r + 1;
    }
}

}  // namespace
