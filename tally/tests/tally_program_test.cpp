// The viewer driven as a user drives it: through its windows, offscreen.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "tally/tests/fixture_league.h"
#include "ui/automation_client.h"
#include "ui/title_pattern.h"
#include "ui/tests/process_support.h"

namespace fs = std::filesystem;
namespace au = ui::automation;

namespace {

constexpr int Deadline = 20000;

// A fixture league with the viewer and stand-ins for lobby and retire in a program folder.
struct ViewerDesktop : tally::testing::FixtureLeague {
    fs::path programs;
    ViewerDesktop() {
        uitest::usePrivateRuntimeDir();
        programs = dir / "programs";
        fs::create_directories(programs);
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs, {"tally"});
        uitest::writeStandIn(programs, "lobby");
        uitest::writeStandIn(programs, "retire");
    }
    fs::path tally() const { return programs / "tally"; }
};

// Polls until a window titled `title` (of the class, when given) satisfies `ready`.
au::Window waitUntil(const std::string& title, const std::function<bool(const au::Window&)>& ready,
                     const std::string& windowClass = {}) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
    for (;;) {
        for (const au::Window& w : au::listWindows())
            if (ui::titleMatches(title, w.title) &&
                (windowClass.empty() || w.windowClass == windowClass) && ready(w))
                return w;
        if (std::chrono::steady_clock::now() > end) throw std::runtime_error("no window " + title);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

au::Window waitWindow(const std::string& title, const std::string& windowClass = {}) {
    auto window = au::waitForWindow(title, Deadline, windowClass);
    if (!window) throw std::runtime_error("no window " + title);
    return *window;
}

std::string controlText(const au::Window& window, const std::string& name) {
    const au::Control* control = au::findControl(window, name);
    return control ? control->text : "<no " + name + ">";
}

// Answers the message box that comes up with this text.
void answerMessage(const std::string& text) {
    au::Window box = waitUntil(
        "KRO",
        [&](const au::Window& w) {
            for (const auto& c : w.controls)
                if (c.type == "label" && c.text.find(text) != std::string::npos) return true;
            return false;
        },
        "dialog");
    EXPECT_TRUE(au::click(box, "OK").ok);
}

au::Window openMenu() {
    au::Window choice = waitWindow("KRO Statistics Viewer");
    EXPECT_EQ(choice.name, "frmArchiveOrCurrent");
    EXPECT_TRUE(au::click(choice, "Show This League").ok);
    return waitWindow("Look At Statistics");
}

// The file's text once it has at least `size` bytes (the print routine writes it after
// its dialog has gone).
std::string readText(const fs::path& file, std::size_t size) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
    for (;;) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        if (all.str().size() >= size || std::chrono::steady_clock::now() > end) return all.str();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

TEST(TallyProgram, ReportsOfTheCurrentLeagueAndExit) {
    ViewerDesktop fx;
    fx.record(1, 3, 2, 1, 120, 80);
    fx.write();
    uitest::Child tally(fx.tally(), fx.dir);

    au::Window choice = waitWindow("KRO Statistics Viewer");
    EXPECT_EQ(controlText(choice, "Text1"), "Current MYLG");
    EXPECT_FALSE(au::findControl(choice, "File1")->visible);
    ASSERT_TRUE(au::click(choice, "Show This League").ok);

    au::Window menu = waitWindow("Look At Statistics");
    std::vector<std::string> captions;
    for (const auto& c : menu.controls)
        if (c.type == "button") captions.push_back(c.text);
    EXPECT_EQ(captions, (std::vector<std::string>{
                            "Show Standings", "Show Team Stats", "Show League *Off* Totals",
                            "Show League *Def* Totals", "Show League Leaders",
                            "Show Entire League", "Exit", "New Season"}));
    EXPECT_FALSE(au::findControl(menu, "Command1_7")->enabled);  // season under way

    // Standings, printed to a file: no title line.
    ASSERT_TRUE(au::click(menu, "Show Standings").ok);
    au::Window standings = waitWindow("Standings - MYLG");
    EXPECT_EQ(controlText(standings, "Label2_1"), "Division 1       W  L  T  PF  PA");
    EXPECT_EQ(controlText(standings, "Label1_1"), "Comets           3  2  1 120  80");
    ASSERT_TRUE(au::click(standings, "Print").ok);
    au::Window print = waitWindow("Print");
    EXPECT_EQ(controlText(print, "txtPrintFile"), (fx.dir / "MYLGArchive" / "WLT-004.log").string());
    ASSERT_TRUE(au::select(print, "optPrintTarget", 1).ok);
    const fs::path out = fx.dir / "standings.txt";
    ASSERT_TRUE(au::setText(print, "txtPrintFile", out.string()).ok);
    ASSERT_TRUE(au::click(print, "OK").ok);
    ASSERT_TRUE(au::waitForNoWindow("Print", Deadline));
    std::string text = readText(out, 2 + 10 * 34 + 2 * 3);
    EXPECT_EQ(text.substr(0, 36), "\r\nDivision 1       W  L  T  PF  PA\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
    ASSERT_TRUE(au::click(waitWindow("Standings - MYLG"), "Exit").ok);

    // League totals in the report window.
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Show League *Def* Totals").ok);
    au::Window totals = waitWindow("League Defensive Totals");
    EXPECT_EQ(totals.name, "Choosetm");
    const au::Control* list = au::findControl(totals, "lstStats");
    ASSERT_TRUE(list);
    ASSERT_GT(list->items.size(), 3u);
    EXPECT_EQ(list->items[2], "YARDS        Games  Plays  Yards     Att  Yards   Plays  Yards");
    // Printed to a file with its title line; the dialog offers the report's own file.
    ASSERT_TRUE(au::click(totals, "Print").ok);
    print = waitWindow("Print");
    EXPECT_EQ(controlText(print, "txtPrintFile"), (fx.dir / "MYLGArchive" / "MYLGDe004.log").string());
    ASSERT_TRUE(au::select(print, "optPrintTarget", 1).ok);
    const fs::path report = fx.dir / "MYLGArchive" / "MYLGDe004.log";
    ASSERT_TRUE(au::click(print, "OK").ok);
    ASSERT_TRUE(au::waitForNoWindow("Print", Deadline));
    EXPECT_EQ(readText(report, 41).substr(0, 41), "\r\nLeague Defensive Totals  Season  4\r\n \r\n");
    ASSERT_TRUE(au::click(totals, "OK").ok);

    // "CANCEL" in the chooser shows no report.
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Show Team Stats").ok);
    ASSERT_TRUE(au::click(waitWindow("Select Team"), "OK").ok);
    waitWindow("Look At Statistics");

    // The team chooser lists full names; the first is team 1.
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Show Team Stats").ok);
    au::Window chooser = waitWindow("Select Team");
    const au::Control* teams = au::findControl(chooser, "cboPickTeam");
    ASSERT_TRUE(teams);
    ASSERT_EQ(teams->items.size(), 9u);
    EXPECT_EQ(teams->items[0], "CANCEL");
    EXPECT_EQ(teams->items[1], "City1 Comets");
    ASSERT_TRUE(au::select(chooser, "cboPickTeam", 1).ok);
    ASSERT_TRUE(au::click(chooser, "OK").ok);
    au::Window team = waitWindow("Comets*");
    EXPECT_EQ(au::findControl(team, "lstStats")->items[1], "                               SCHEDULE");
    ASSERT_TRUE(au::click(team, "OK").ok);

    // Leaders: nobody has made a sack.
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Show League Leaders").ok);
    ASSERT_TRUE(au::click(waitWindow("Show League Leaders"), "Sacks").ok);
    answerMessage("No teams have any stats!");
    au::Window sacks = waitWindow("Sacks");
    EXPECT_TRUE(au::findControl(sacks, "lstStats")->items.empty());
    ASSERT_TRUE(au::click(sacks, "OK").ok);
    ASSERT_TRUE(au::click(waitWindow("Show League Leaders"), "Exit").ok);

    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Exit").ok);
    EXPECT_EQ(uitest::standInRan(fx.dir, "lobby", Deadline), fx.dir.string());
    EXPECT_TRUE(tally.waitForExit(Deadline));
}

TEST(TallyProgram, StandingsPrintedIntoAMissingFolderShowsThePrintingError) {
    ViewerDesktop fx;
    fx.write();
    uitest::Child tally(fx.tally(), fx.dir);
    ASSERT_TRUE(au::click(openMenu(), "Show Standings").ok);
    au::Window standings = waitWindow("Standings - MYLG");
    ASSERT_TRUE(au::click(standings, "Print").ok);
    au::Window print = waitWindow("Print");
    ASSERT_TRUE(au::select(print, "optPrintTarget", 1).ok);
    ASSERT_TRUE(au::setText(print, "txtPrintFile", (fx.dir / "nowhere" / "wlt.log").string()).ok);
    ASSERT_TRUE(au::click(print, "OK").ok);
    answerMessage("An Error Has Occurred During Printing.");
    // The viewer carries on.
    ASSERT_TRUE(au::click(waitWindow("Standings - MYLG"), "Exit").ok);
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Exit").ok);
    EXPECT_TRUE(tally.waitForExit(Deadline));
    EXPECT_FALSE(fs::exists(fx.dir / "nowhere"));
}

TEST(TallyProgram, NewSeasonSavesRecordsArchivesAndStartsRetire) {
    ViewerDesktop fx;
    fx.league.state = 2;
    fx.player(3, 6).setStat(2, 1234);
    fx.write();
    uitest::Child tally(fx.tally(), fx.dir);

    au::Window menu = openMenu();
    EXPECT_TRUE(au::findControl(menu, "Command1_7")->enabled);
    ASSERT_TRUE(au::click(menu, "New Season").ok);
    answerMessage("Saving Season Records");
    answerMessage("All files for MYLG have been archived!");
    EXPECT_EQ(uitest::standInRan(fx.dir, "retire", Deadline), fx.dir.string());
    EXPECT_TRUE(tally.waitForExit(Deadline));

    for (const char* ext : {"lge", "pla", "sch", "tms"})
        EXPECT_EQ(lf::readFile(fx.dir / "MYLGArchive" / (std::string("MYLG004.") + ext)),
                  lf::readFile(fx.file(ext)));
    auto best = lf::readRecord<lf::IndividualRecord>(fx.file("irs"), 2);
    EXPECT_EQ(best.value(), 1234);
    EXPECT_EQ(best.team(), "Meteors");
}

TEST(TallyProgram, ArchivedSeasonIsReadFromItsCopies) {
    ViewerDesktop fx;
    fx.league.state = 2;
    fx.league.season = 3;
    fx.record(2, 9, 5, 0, 300, 200);
    fx.write();
    const fs::path archive = fx.dir / "MYLGArchive";
    for (const char* ext : {"pla", "sch", "tms"})
        fs::copy_file(fx.file(ext), archive / (std::string("MYLG003.") + ext));
    fs::copy_file(fx.file("lge"), archive / "MYLG003.LGE");
    // The current league has moved on: its files no longer hold the old standings.
    fx.record(2, 0, 0, 0, 0, 0);
    fx.league.state = 0;
    fx.league.season = 4;
    fx.write();
    uitest::Child tally(fx.tally(), fx.dir);

    au::Window choice = waitWindow("KRO Statistics Viewer");
    ASSERT_TRUE(au::select(choice, "Option1", 1).ok);
    au::Window archived = waitUntil("KRO Statistics Viewer", [](const au::Window& w) {
        const au::Control* files = au::findControl(w, "File1");
        return files && files->visible && !files->items.empty();
    });
    EXPECT_EQ(au::findControl(archived, "File1")->items, (std::vector<std::string>{"MYLG003.LGE"}));
    ASSERT_TRUE(au::select(archived, "File1", 0).ok);
    archived = waitUntil("KRO Statistics Viewer", [](const au::Window& w) {
        return controlText(w, "Text1") == "MYLG003";
    });
    ASSERT_TRUE(au::click(archived, "Show This League").ok);

    au::Window menu = waitWindow("Look At Statistics");
    EXPECT_FALSE(au::findControl(menu, "Command1_7")->enabled);  // archived, though finished
    ASSERT_TRUE(au::click(menu, "Show Standings").ok);
    au::Window standings = waitWindow("Standings - MYLG003");
    EXPECT_EQ(controlText(standings, "Label1_1"), "Rockets          9  5  0 300 200");
    ASSERT_TRUE(au::click(standings, "Exit").ok);
    ASSERT_TRUE(au::click(waitWindow("Look At Statistics"), "Exit").ok);
    EXPECT_TRUE(tally.waitForExit(Deadline));
}

TEST(TallyProgram, AFailureStartsOverOnceThenEnds) {
    ViewerDesktop fx;
    fx.write();
    fs::remove(fx.file("tms"));
    uitest::Child tally(fx.tally(), fx.dir);
    for (int pass = 0; pass < 2; ++pass) {
        au::Window choice = waitWindow("KRO Statistics Viewer");
        ASSERT_TRUE(au::click(choice, "Show This League").ok);
        answerMessage("MYLG.tms");
    }
    EXPECT_TRUE(tally.waitForExit(Deadline));
}

}  // namespace
