// The program driven as a user drives it: through its windows, offscreen.
#include <gtest/gtest.h>

#include <functional>

#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"
#include "retire/new_season.h"
#include "retire/tests/fixture_season.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"

namespace retire {
namespace {

namespace fs = std::filesystem;
namespace au = ui::automation;

constexpr int Deadline = 20000;

// A finished season with retire and stand-ins for fixtures and lobby in a program folder.
struct RetireDesktop : ::testing::Test {
    testing::Folder folder;
    Season season = testing::fixtureSeason(8);
    fs::path programs = folder.path / "programs";
    fs::path league = folder.path / "league";
    RetireDesktop() {
        uitest::usePrivateRuntimeDir();
        fs::create_directories(programs);
        fs::create_directories(league);
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs, {"retire"});
        uitest::writeStandIn(programs, "fixtures");
        uitest::writeStandIn(programs, "lobby");
    }
    fs::path file(const char* ext) const { return lf::leagueFilePath(league, "TEST", ext); }
    // The league's files and name lists as they stand, to tell whether a run changed any.
    std::string files() const {
        std::string all;
        for (const fs::path& f : {file("lge"), file("tms"), file("pla"), league / "name1.rdm",
                                  league / "name2.rdm"})
            all += (fs::exists(f) ? lf::readFile(f) : "<none>") + "|";
        return all;
    }
};

std::string labels(const au::Window& window) {
    std::string text;
    for (const auto& c : window.controls)
        if (c.type == "label") text += c.text + "\n";
    return text;
}

// Waits for the message box holding this text and presses OK.
void answer(const std::string& text) {
    std::optional<au::Window> box;
    ASSERT_TRUE(uitest::waitUntil(
        [&] {
            box = au::findWindow("KRO", "dialog");
            return box && labels(*box).find(text) != std::string::npos;
        },
        Deadline))
        << "no message " << text << (box ? " but " + labels(*box) : std::string());
    EXPECT_TRUE(au::click(*box, "OK").ok);
}

std::vector<std::string> items(const au::Window& window, const std::string& list) {
    const au::Control* c = au::findControl(window, list);
    return c ? c->items : std::vector<std::string>{};
}

TEST_F(RetireDesktop, ReportsTheChangesThenSavesAndStartsTheScheduleWriter) {
    testing::writeSeason(league, season);
    const std::string before = files();
    uitest::Child retire(programs / "retire", league);

    answer("Setting Up The New Season");
    const auto report = au::waitForWindow("Retirees, Free Agents, And Rookies", Deadline);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->name, "frmRetire");
    const auto left = items(*report, "List1");
    const auto right = items(*report, "List2");
    ASSERT_GE(left.size(), 51u);
    EXPECT_EQ(left[0], "FREE AGENT/TRADE SIGNINGS");
    EXPECT_EQ(left[50], "RETIRED VETERANS");
    ASSERT_FALSE(right.empty());
    EXPECT_EQ(right[0], "ROOKIES");
    EXPECT_EQ(right.size() - 1, left.size() - 51);
    // The finished season stays on disk until the report is closed.
    EXPECT_EQ(files(), before);

    ASSERT_TRUE(au::click(*report, "Exit").ok);
    EXPECT_EQ(uitest::standInRan(league, "fixtures", Deadline), league.string());
    EXPECT_TRUE(retire.waitForExit(Deadline));
    const lf::League next = lf::readLeague(file("lge"));
    EXPECT_EQ(next.state, 0);
    EXPECT_EQ(next.season, 2);
    EXPECT_FALSE(fs::exists(league / "started-lobby"));

    // A second start is refused and changes nothing.
    const std::string after = files();
    uitest::Child again(programs / "retire", league);
    answer("Setting Up The New Season");
    answer("This Program should only be run from the NEW SEASON button");
    EXPECT_TRUE(again.waitForExit(Deadline));
    EXPECT_EQ(files(), after);
}

TEST_F(RetireDesktop, AMissingOrDamagedFileEndsWithAMessageAndNoChange) {
    const struct {
        const char* what;
        std::function<void(const RetireDesktop&)> damage;
        const char* named;
    } cases[] = {
        {"no first names", [](const RetireDesktop& d) { fs::remove(d.league / "name1.rdm"); },
         "name1.rdm"},
        {"no last names",
         [](const RetireDesktop& d) { lf::replaceFile(d.league / "name2.rdm", ""); }, "name2.rdm"},
        {"no team file", [](const RetireDesktop& d) { fs::remove(d.file("tms")); }, "TEST.tms"},
        {"a player short",
         [](const RetireDesktop& d) {
             auto players = d.season.players;
             players.pop_back();
             lf::writeAll(d.file("pla"), players);
         },
         "TEST.pla"},
    };
    for (const auto& c : cases) {
        testing::writeSeason(league, season);
        c.damage(*this);
        const std::string before = files();
        uitest::Child retire(programs / "retire", league);
        answer("Setting Up The New Season");
        answer(c.named);
        EXPECT_TRUE(retire.waitForExit(Deadline)) << c.what;
        EXPECT_EQ(files(), before) << c.what;
    }
    EXPECT_FALSE(fs::exists(league / "started-fixtures"));
}

}  // namespace
}  // namespace retire
