// The rosterdesk program itself, started as the menu starts it.
#include <gtest/gtest.h>

#include "ui/tests/started_program.h"
#include "rosterdesk/tests/small_league.h"
#include "ui/automation_client.h"

namespace au = ui::automation;
using testsupport::StartedProgram;
using testsupport::TestDesktop;

namespace {

constexpr int Deadline = 20000;

TEST(RosterdeskProgram, MenuOffersEveryCommandAndExitStartsLobby) {
    TestDesktop desktop;
    testsupport::writeSmallLeague(desktop.league);
    StartedProgram rosterdesk(desktop.installProgram("rosterdesk"), desktop.league);

    const auto menu = au::waitForWindow("Edit Teams Or Players", Deadline);
    ASSERT_TRUE(menu);
    std::vector<std::string> captions;
    for (const auto& c : menu->controls)
        if (c.type == "button") captions.push_back(c.text);
    EXPECT_EQ(captions, (std::vector<std::string>{"Edit Team Data", "Edit Depth Chart", "Edit Player Data",
                                                  "Print Roster", "Trade Player", "Exit"}));
    ASSERT_TRUE(au::click(*menu, "Exit").ok);
    EXPECT_TRUE(desktop.lobbyStarted(Deadline));
    EXPECT_TRUE(rosterdesk.ended(Deadline));
}

TEST(RosterdeskProgram, MissingPlayerFileIsReportedAndNothingIsWritten) {
    TestDesktop desktop;
    testsupport::writeSmallLeague(desktop.league);
    std::filesystem::remove(desktop.league / "TEST.pla");
    const auto teamsBefore = lf::readAll<lf::TeamRecord>(desktop.league / "TEST.tms");
    StartedProgram rosterdesk(desktop.installProgram("rosterdesk"), desktop.league);

    auto menu = au::waitForWindow("Edit Teams Or Players", Deadline);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(au::click(*menu, "Edit Depth Chart").ok);
    const auto chooser = au::waitForWindow("Select Team", Deadline);
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(au::select(*chooser, "cboTeam", 1).ok);
    ASSERT_TRUE(au::click(*chooser, "OK").ok);
    const auto box = au::waitForWindow("KRO", Deadline, "dialog");
    ASSERT_TRUE(box);
    bool namesFile = false;
    for (const auto& c : box->controls) namesFile |= c.text.find("TEST.pla") != std::string::npos;
    EXPECT_TRUE(namesFile);
    ASSERT_TRUE(au::click(*box, "OK").ok);
    ASSERT_TRUE(TestDesktop::waitFor(Deadline, [&] {
        menu = au::findWindow("Edit Teams Or Players");
        return menu && !menu->blocked;
    }));
    ASSERT_TRUE(au::click(*menu, "Exit").ok);
    EXPECT_TRUE(rosterdesk.ended(Deadline));
    EXPECT_FALSE(std::filesystem::exists(desktop.league / "TEST.pla"));
    const auto teamsAfter = lf::readAll<lf::TeamRecord>(desktop.league / "TEST.tms");
    ASSERT_EQ(teamsAfter.size(), teamsBefore.size());
    for (size_t t = 0; t < teamsAfter.size(); ++t) EXPECT_EQ(teamsAfter[t].bytes, teamsBefore[t].bytes);
}

}  // namespace
