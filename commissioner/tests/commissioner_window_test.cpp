// The commissioner as a user drives it, through window automation.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "commissioner/league_creation.h"
#include "commissioner/tests/template_fixture.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace fs = std::filesystem;
namespace au = ui::automation;

namespace {

constexpr int Wait = 20000;

class CommissionerWindows : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::usePrivateRuntimeDir();
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"commissioner"});
        uitest::writeStandIn(programs.path, "lobby");
        fixture::writeTemplates(league.path);
    }
    void TearDown() override { uitest::killStartedPrograms(); }

    // A league made by the creation code, made active.
    void makeLeague(const std::string& name, int teams) {
        commish::NewLeague r;
        r.league.teams = teams;
        r.name = name;
        lf::Random rng(1);
        commish::createLeague(league.path, r, rng);
    }

    au::Window menu() {
        auto w = au::waitForWindow("Commissioner", Wait, "form");
        EXPECT_TRUE(w);
        return w.value_or(au::Window{});
    }
    void start() {
        commissioner = std::make_unique<uitest::Child>(programs.path / "commissioner", league.path);
        menu();
    }
    // A form with this title, waiting until pred holds for it.
    au::Window form(const std::string& title, const std::function<bool(const au::Window&)>& pred = {}) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(Wait);
        while (std::chrono::steady_clock::now() < deadline) {
            auto w = au::findWindow(title, "form");
            if (w && !w->blocked && (!pred || pred(*w))) return *w;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ADD_FAILURE() << "no window " << title;
        return {};
    }
    // The message box now open: its text must hold `text`; answered with `button`.
    void answer(const std::string& text, const std::string& button) {
        const auto box = au::waitForWindow("KRO", Wait, "dialog");
        ASSERT_TRUE(box) << "no message box for " << text;
        const au::Control* label = au::findControl(*box, "qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_NE(label->text.find(text), std::string::npos) << label->text;
        ASSERT_TRUE(au::click(*box, button).ok);
        ASSERT_TRUE(waitGone(box->id));
    }
    bool waitGone(const std::string& id) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(Wait);
        while (std::chrono::steady_clock::now() < deadline) {
            bool found = false;
            for (const au::Window& w : au::listWindows()) found = found || w.id == id;
            if (!found) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    static const au::Control& control(const au::Window& w, const std::string& name) {
        static const au::Control none;
        const au::Control* c = au::findControl(w, name);
        EXPECT_NE(c, nullptr) << name;
        return c ? *c : none;
    }

    uitest::TempDir programs, league;
    std::unique_ptr<uitest::Child> commissioner;
};

TEST_F(CommissionerWindows, SettingsFormFollowsTheTeamCount) {
    start();
    ASSERT_TRUE(au::click(menu(), "Create a New League").ok);
    auto settings = form("Create A New League");
    EXPECT_EQ(settings.name, "Changlge");
    EXPECT_EQ(control(settings, "txtTitle").text, "New League");
    EXPECT_TRUE(control(settings, "optTeams_0").checked);
    ASSERT_TRUE(au::setText(settings, "txtDivision_1", "Comet").ok);
    ASSERT_TRUE(au::select(settings, "optTeams", 1).ok);  // 16 teams
    settings = form("Create A New League", [](const au::Window& w) {
        return au::findControl(w, "txtDivision_3")->enabled;
    });
    for (int i = 0; i < 8; ++i) {
        const au::Control& box = control(settings, "txtDivision_" + std::to_string(i));
        EXPECT_EQ(box.enabled, i < 4) << i;
        if (i >= 4) {
            EXPECT_EQ(box.text, "no name") << i;
        }
    }
    EXPECT_EQ(control(settings, "txtDivision_0").text, "Nebula");
    EXPECT_EQ(control(settings, "txtDivision_1").text, "Comet");  // typed names stay
    ASSERT_TRUE(au::click(settings, "Cancel").ok);
    answer("League Creation Cancelled!", "OK");
    ASSERT_TRUE(au::click(menu(), "Exit").ok);
    EXPECT_TRUE(commissioner->waitForExit(Wait));
    EXPECT_FALSE(uitest::standInRan(league.path, "lobby", Wait).empty());
    EXPECT_FALSE(fs::exists(league.path / "league.id1"));
}

TEST_F(CommissionerWindows, EditingWritesNoNameBeyondTheDivisions) {
    makeLeague("SIXTEEN", 16);
    lf::League stored = lf::readLeague(league.path / "SIXTEEN.lge");
    stored.state = 2;
    stored.season = 3;
    stored.divisionNames = {"A", "B", "C", "D", "old5", "old6", "old7", "old8"};
    lf::writeLeagueCommaForm(league.path / "SIXTEEN.lge", stored);
    start();
    ASSERT_TRUE(au::click(menu(), "Edit the Default League").ok);
    const auto settings = form("Edit the Default League");
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(control(settings, "optTeams_" + std::to_string(i)).enabled);
    EXPECT_TRUE(control(settings, "optTeams_1").checked);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(control(settings, "txtDivision_" + std::to_string(i)).text,
                  i < 4 ? stored.divisionNames[i] : "no name");
    ASSERT_TRUE(au::setText(settings, "txtTitle", "Edited League").ok);
    ASSERT_TRUE(au::setText(settings, "txtDivision_2", "Comet").ok);
    ASSERT_TRUE(au::click(settings, "Save").ok);
    menu();
    const lf::League edited = lf::readLeague(league.path / "SIXTEEN.lge");
    EXPECT_EQ(edited.title, "Edited League");
    EXPECT_EQ(edited.state, 2);
    EXPECT_EQ(edited.season, 3);
    EXPECT_EQ(edited.teams, 16);
    EXPECT_EQ(edited.divisionNames, (std::array<std::string, 8>{"A", "B", "Comet", "D", "no name",
                                                                 "no name", "no name", "no name"}));
    // Cancelling leaves the file as it is.
    const std::string before = fixture::readText(league.path / "SIXTEEN.lge");
    ASSERT_TRUE(au::click(menu(), "Edit the Default League").ok);
    ASSERT_TRUE(au::click(form("Edit the Default League"), "Cancel").ok);
    menu();
    EXPECT_EQ(fixture::readText(league.path / "SIXTEEN.lge"), before);
}

TEST_F(CommissionerWindows, SelectionWritesThePointerOnlyForAnotherLeague) {
    makeLeague("A", 8);
    makeLeague("B", 8);
    fixture::writeText(league.path / "league.id1", "a\r\n");
    start();
    for (const auto& [file, pointer] : {std::pair{"A.lge", "a\r\n"}, std::pair{"B.lge", "B\r\n"}}) {
        ASSERT_TRUE(au::click(menu(), "Select New Default League").ok);
        auto select = form("Select A League");
        EXPECT_EQ(control(select, "lblCurrent").text, "A");
        const auto& items = control(select, "lstLeagues").items;
        const auto at = std::find(items.begin(), items.end(), file);
        ASSERT_NE(at, items.end()) << file;
        ASSERT_TRUE(au::select(select, "lstLeagues", static_cast<int>(at - items.begin())).ok);
        select = form("Select A League", [&](const au::Window& w) {
            return au::findControl(w, "lblCurrent")->text == file;
        });
        ASSERT_TRUE(au::click(select, "OK").ok);
        menu();
        EXPECT_EQ(fixture::readText(league.path / "league.id1"), pointer) << file;
    }
}

TEST_F(CommissionerWindows, CreatingALeagueThroughTheWindows) {
    start();
    ASSERT_TRUE(au::click(menu(), "Create a New League").ok);
    ASSERT_TRUE(au::click(form("Create A New League"), "Save").ok);
    auto name = form("Save New League");
    ASSERT_TRUE(au::setText(name, "txtSaveAs", "a/b").ok);
    ASSERT_TRUE(au::click(name, "OK").ok);
    answer("ILLEGAL NAME:", "OK");
    name = form("Save New League");
    EXPECT_EQ(control(name, "txtSaveAs").text, "");
    ASSERT_TRUE(au::setText(name, "txtSaveAs", "tiny.league").ok);
    ASSERT_TRUE(au::click(name, "OK").ok);
    answer("rename all the players", "No");
    answer("reset all the players years", "Yes");
    const auto teams = form("Select Teams (Drag And Drop)");
    EXPECT_EQ(teams.name, "Newlge");
    EXPECT_EQ(control(teams, "lblTeam_0").text.substr(0, 16), "City1           ");
    EXPECT_EQ(control(teams, "lblDivision_1").text, "Astral");
    EXPECT_TRUE(control(teams, "lblUnassigned").visible);
    ASSERT_TRUE(au::click(teams, "Exit").ok);
    answer("League called TINY created successfully!", "OK");
    menu();
    EXPECT_EQ(lf::readLeagueName(league.path), "TINY");
    EXPECT_EQ(lf::readLeague(league.path / "TINY.lge").teams, 8);
    for (const auto& p : lf::readAll<lf::PlayerRecord>(league.path / "TINY.pla")) ASSERT_EQ(p.years(), 0);

    // The same name again: refusing to overwrite keeps the dialog, then cancel.
    const std::string before = fixture::readText(league.path / "TINY.pla");
    ASSERT_TRUE(au::click(menu(), "Create a New League").ok);
    ASSERT_TRUE(au::click(form("Create A New League"), "Save").ok);
    name = form("Save New League");
    EXPECT_EQ(control(name, "lstLeagues").items, std::vector<std::string>{"TINY.lge"});
    ASSERT_TRUE(au::setText(name, "txtSaveAs", "Tiny").ok);
    ASSERT_TRUE(au::click(name, "OK").ok);
    answer("File Exists.  Overwrite (Y/N)?", "No");
    ASSERT_TRUE(au::click(form("Save New League"), "Cancel").ok);
    answer("League Creation Cancelled!", "OK");
    menu();
    EXPECT_EQ(fixture::readText(league.path / "TINY.pla"), before);
}

TEST_F(CommissionerWindows, AFailedCreationIsReportedAndChangesNothing) {
    makeLeague("OLD", 8);
    fs::remove(league.path / "s1t16.sea");
    start();
    ASSERT_TRUE(au::click(menu(), "Create a New League").ok);
    auto settings = form("Create A New League");
    ASSERT_TRUE(au::select(settings, "optTeams", 1).ok);
    form("Create A New League", [](const au::Window& w) { return au::findControl(w, "optTeams_1")->checked; });
    ASSERT_TRUE(au::click(settings, "Save").ok);
    auto name = form("Save New League");
    ASSERT_TRUE(au::setText(name, "txtSaveAs", "broken").ok);
    ASSERT_TRUE(au::click(name, "OK").ok);
    answer("rename", "No");
    answer("reset", "No");
    ASSERT_TRUE(au::click(form("Select Teams (Drag And Drop)"), "Exit").ok);
    answer("League BROKEN was not created", "OK");
    menu();
    EXPECT_EQ(lf::readLeagueName(league.path), "OLD");
    EXPECT_FALSE(fs::exists(league.path / "BROKEN.lge"));
}

TEST_F(CommissionerWindows, WithoutALeagueEditAndSelectReportTheMissingFile) {
    start();
    for (const char* command : {"Edit the Default League", "Select New Default League"}) {
        ASSERT_TRUE(au::click(menu(), command).ok);
        answer("league.id1", "OK");
    }
    EXPECT_FALSE(fs::exists(league.path / "league.id1"));
    ASSERT_TRUE(au::click(menu(), "Exit").ok);
    EXPECT_TRUE(commissioner->waitForExit(Wait));
}

}  // namespace
