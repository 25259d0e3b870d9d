#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "annals/seerecrd.h"
#include "ui/tests/started_program.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "ui/automation_client.h"

namespace fs = std::filesystem;
namespace au = ui::automation;
using testsupport::StartedProgram;
using testsupport::TestDesktop;

namespace {

constexpr int Deadline = 20000;

// A league "TEST" as a new league leaves it, plus one season record.
void writeLeague(const fs::path& dir) {
    lf::writeLeagueName(dir, "TEST");
    std::ofstream labels(dir / "nrecords.dat", std::ios::binary);
    for (int k = 1; k <= 100; ++k)
        labels << (k == 1 ? "--hidden" : "Stat " + std::to_string(k)) << "\r\n";
    labels.close();
    for (int t = 0; t <= 3; ++t) {
        const auto table = lf::RecordTable(t);
        lf::writeAll(lf::leagueFilePath(dir, "TEST", lf::individualRecordsExt(table)),
                     lf::initialIndividualRecords());
        lf::writeAll(lf::leagueFilePath(dir, "TEST", lf::teamRecordsExt(table)),
                     lf::initialTeamBestRecords());
    }
    lf::writeAll(lf::leagueFilePath(dir, "TEST", lf::ChampionsExt), lf::initialChampions());
    lf::IndividualRecord best;
    best.set("Joe Smith", "Comets", lf::SeasonOpponent, 1873, 2, 0);
    lf::writeRecord(lf::leagueFilePath(dir, "TEST", "irs"), 2, best);
}

std::vector<std::string> listItems(const au::Window& window) {
    const au::Control* list = au::findControl(window, "List1");
    return list ? list->items : std::vector<std::string>{};
}

// The records menu once it is shown and no records window is in front of it.
std::optional<au::Window> readyMenu() {
    std::optional<au::Window> menu;
    TestDesktop::waitFor(Deadline, [&] {
        menu = au::findWindow("TEST Records");
        return menu && !menu->blocked;
    });
    return menu && !menu->blocked ? menu : std::nullopt;
}

// Opens one view from the menu, returns its lines and closes it with "Exit".
std::vector<std::string> showView(const std::string& caption) {
    const auto menu = readyMenu();
    if (!menu || !au::click(*menu, caption).ok) {
        ADD_FAILURE() << "menu button " << caption;
        return {};
    }
    const auto view = au::waitForWindow("League Records", Deadline);
    if (!view) {
        ADD_FAILURE() << "no records window for " << caption;
        return {};
    }
    const auto lines = listItems(*view);
    EXPECT_TRUE(au::click(*view, "Exit").ok);
    EXPECT_TRUE(au::waitForNoWindow("League Records", Deadline));
    return lines;
}

TEST(AnnalsProgram, ShowsEveryViewAndExitStartsLobby) {
    TestDesktop desktop;
    writeLeague(desktop.league);
    StartedProgram annals(desktop.installProgram("annals"), desktop.league);

    const auto menu = au::waitForWindow("TEST Records", Deadline);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->name, "Basemenu");
    std::vector<std::string> captions;
    for (const auto& c : menu->controls)
        if (c.type == "button") captions.push_back(c.text);
    EXPECT_EQ(captions, (std::vector<std::string>{
                            "Game: Individual", "Playoff: Individual", "Stellar Bowl: Individual",
                            "Season: Individual", "Game: Team", "Playoff: Team",
                            "Stellar Bowl: Team", "Season: Team", "Past Champions", "Exit"}));

    auto game = showView("Game: Individual");
    ASSERT_EQ(game.size(), 3u * 79);  // statistic 1 is hidden
    EXPECT_EQ(game[0], "STAT 2:       0   NOBODY              ");
    EXPECT_EQ(game[1], "    Season:  0  Week:  0  No Team vs No Team");

    auto season = showView("Season: Individual");
    ASSERT_GE(season.size(), 2u);
    EXPECT_EQ(season[0], "STAT 2:    1873   JOE SMITH           ");
    EXPECT_EQ(season[1], "    Season:  2  Week:  0  Comets vs ----");

    auto team = showView("Stellar Bowl: Team");
    ASSERT_EQ(team.size(), 3u * 99);
    EXPECT_EQ(team[1], "    Season:  0  Week:  0   vs No Team");

    EXPECT_EQ(showView("Past Champions"),
              (std::vector<std::string>{"     STELLAR BOWL CHAMPIONS", "  1  NO CHAMPION"}));

    const auto last = readyMenu();
    ASSERT_TRUE(last);
    ASSERT_TRUE(au::click(*last, "Exit").ok);
    EXPECT_TRUE(desktop.lobbyStarted(Deadline));
    EXPECT_TRUE(annals.ended(Deadline));
}

TEST(AnnalsProgram, DamagedFileIsReportedAndTheMenuStays) {
    TestDesktop desktop;
    writeLeague(desktop.league);
    auto shortTable = lf::initialTeamBestRecords();
    shortTable.resize(10);
    const fs::path trp = lf::leagueFilePath(desktop.league, "TEST", "trp");
    lf::writeAll(trp, shortTable);
    StartedProgram annals(desktop.installProgram("annals"), desktop.league);

    const auto menu = au::waitForWindow("TEST Records", Deadline);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(au::click(*menu, "Playoff: Team").ok);
    const auto box = au::waitForWindow("KRO", Deadline, "dialog");
    ASSERT_TRUE(box);
    bool namesFile = false;
    for (const auto& c : box->controls) namesFile |= c.text.find("TEST.trp") != std::string::npos;
    EXPECT_TRUE(namesFile);
    ASSERT_TRUE(au::click(*box, "OK").ok);
    EXPECT_TRUE(readyMenu());
    EXPECT_EQ(fs::file_size(trp), 10u * lf::TeamBestRecord::Size);
}

TEST(AnnalsProgram, MissingLabelsEndWithAMessage) {
    TestDesktop desktop;
    writeLeague(desktop.league);
    fs::remove(desktop.league / "nrecords.dat");
    StartedProgram annals(desktop.installProgram("annals"), desktop.league);
    const auto box = au::waitForWindow("KRO", Deadline, "dialog");
    ASSERT_TRUE(box);
    ASSERT_TRUE(au::click(*box, "OK").ok);
    EXPECT_TRUE(annals.ended(Deadline));
}

QApplication& application() {
    static int argc = 1;
    static char name[] = "annals_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

TEST(Seerecrd, CopyPutsTheSelectedLineWithoutLeadingBlanks) {
    application();
    SeeRecs::Seerecrd window({"     STELLAR BOWL CHAMPIONS", "  1  NO CHAMPION"});
    auto* list = window.findChild<QListWidget*>("List1");
    auto* copy = window.findChild<QPushButton*>("cmdCopy");
    ASSERT_TRUE(list && copy);
    QApplication::clipboard()->setText("old");
    copy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "");  // nothing selected: cleared
    list->setCurrentRow(1);
    copy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "1  NO CHAMPION");
}

}  // namespace
