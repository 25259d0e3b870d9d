// Every command of the editor on a league made by newleague, and the files afterwards.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "commissioner/tests/template_fixture.h"
#include "leaguefiles/depth_chart.h"
#include "leaguefiles/fixed_field.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/team_record.h"
#include "rosterdesk/tests/editor_user.h"

namespace fs = std::filesystem;
using namespace testsupport;

namespace {

struct EditorOnNewLeague : ::testing::Test, EditorSession {
    fs::path dir;
    void SetUp() override {
        dir = fixture::freshFolder("rdacc");
        fixture::writeTemplates(dir);
        const std::string command = std::string("'") + VELTRAN_BIN_DIR + "/newleague' --dir '" + dir.string() +
                                    "' --name ACC --teams 8 --seed 5 > '" + (dir / "out.txt").string() + "' 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << fixture::readText(dir / "out.txt");
        enter(dir);
    }
    void TearDown() override {
        leave();
        fs::remove_all(dir);
    }
    template <class R>
    std::vector<R> read(const char* ext) const {
        return lf::readAll<R>(lf::leagueFilePath(dir, "ACC", ext));
    }
};

// Chooses the team shown under this name in the chooser.
void chooseTeamNamed(const std::string& name) {
    const auto& entries = control(waitUnblocked("Select Team"), "cboTeam").items;
    const auto at = std::find(entries.begin(), entries.end(), name);
    if (at == entries.end()) throw UserStuck("no team " + name + " in the chooser");
    select("Select Team", "cboTeam", int(at - entries.begin()));
    click("Select Team", "OK");
}

TEST_F(EditorOnNewLeague, EveryMenuCommandLeavesExactlyItsEdits) {
    auto teams = read<lf::TeamRecord>("tms");
    auto players = read<lf::PlayerRecord>("pla");
    ASSERT_EQ(teams.size(), 8u);
    const int t = 3;
    lf::TeamRecord& team = teams[t - 1];
    const std::string oldName = team.city() + " " + team.nickname();
    const std::string newName = team.city() + " Raptors";
    const int kicker = lf::playerRecordNumber(t, 49);
    ASSERT_LE(players[kicker - 1].years(), 30);

    run([&] {
        click(Menu, "Edit Team Data");
        chooseTeamNamed(oldName);
        setText("Edit Team Data", "txtNickname", "Raptors");
        setText("Edit Team Data", "txtAbbreviation", "rap");
        setSlider("Editteam", "sldTemperature", 5);
        click("Edit Team Data", "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");

        click(Menu, "Edit Depth Chart");
        chooseTeamNamed(newName);
        dropLabel("Depthchart", "lblPlayer_11", "lblPlayer_9");  // WR3 onto WR1
        click("Depth Chart (Drag And Drop To Change Position)", "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");

        click(Menu, "Edit Player Data");
        chooseTeamNamed(newName);
        click("Edit Players", "Kicker");
        select("Click Player To Edit Ratings", "lstPlayers", 0);
        setText("Change Player Data", "txtLastName", "Boot");
        setSlider("Changrat", "sldRating_12", 5);
        click("Change Player Data", "Exit");
        click("Click Player To Edit Ratings", "Exit");
        click("Edit Players", "Exit");
        answer("Save data before closing?", "Yes");
        answer("Data saved!", "OK");

        click(Menu, "Print Roster");
        chooseTeamNamed(newName);
        click("Raptors Roster", "Print");
        select("Print", "optPrintTarget", 1);
        click("Print", "OK");
        click("Raptors Roster", "OK");

        click(Menu, "Trade Player");
        // The templates make every player a quarterback: the list holds the whole league,
        // one line per record, and the kickers of teams 3 and 5 trade places.
        waitUntil("Trade Player", [](const au::Window& w) { return findNamed(w, "lstTrade")->items.size() == 400; });
        doubleClickRow("Trade", "lstTrade", lf::playerRecordNumber(3, 49) - 1);
        doubleClickRow("Trade", "lstTrade", lf::playerRecordNumber(5, 49) - 1);
        click("Trade Player", "Make Trade");
        answer("Do you wish to make this trade?", "Yes");
        answer("Trade accepted!", "OK");
        click("Trade Player", "Exit");
        click(Menu, "Exit");
    });

    team.setNickname("Raptors");
    team.setCode("RAP");
    // Texts the form saves untouched are cut before a NUL that follows their first character
    // (the template teams leave stadium and coach as NULs).
    const auto cut = [&](size_t offset, size_t width) {
        const std::string raw = lf::rawText(team.bytes.data(), offset, width);
        return raw.substr(0, raw.find('\0', 1));
    };
    team.setStadium(cut(34, 20));
    team.setCoach(cut(54, 20));
    std::string settings = team.settings().substr(0, 6);
    settings[1] = '5';
    team.setSettings(settings);
    const auto teamsAfter = read<lf::TeamRecord>("tms");
    ASSERT_EQ(teamsAfter.size(), teams.size());
    for (size_t i = 0; i < teams.size(); ++i)
        for (size_t b = 0; b < lf::TeamRecord::Size; ++b)
            ASSERT_EQ(teamsAfter[i].bytes[b], teams[i].bytes[b]) << "team " << i + 1 << " byte " << b;

    const int first = lf::playerRecordNumber(t, 1);
    std::swap(players[first - 1 + 9], players[first - 1 + 11]);
    lf::PlayerRecord& k = players[kicker - 1];
    k.setLastName("Boot");
    std::string ratings(k.ratingsText());
    ratings[12] = '5';
    ratings[15] = ' ';
    k.setRatingsText(ratings);
    std::swap(players[lf::playerRecordNumber(3, 49) - 1], players[lf::playerRecordNumber(5, 49) - 1]);
    const auto playersAfter = read<lf::PlayerRecord>("pla");
    ASSERT_EQ(playersAfter.size(), players.size());
    for (size_t r = 0; r < players.size(); ++r)
        ASSERT_EQ(playersAfter[r].bytes, players[r].bytes) << "record " << r + 1;

    const std::string roster = fixture::readText(lf::archiveFolder(dir, "ACC") / "RAP ROST001.txt");
    EXPECT_EQ(roster.substr(0, 29), "\r\nRaptors Roster  Season  1\r\n");
    EXPECT_EQ(std::count(roster.begin(), roster.end(), '\n'), 52);
}

}  // namespace
