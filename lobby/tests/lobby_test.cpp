// lobby as a user meets it: six buttons; each working program started by name, then lobby ends.
#include <gtest/gtest.h>

#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;

const std::vector<std::string> kCaptions{"Play A Game",  "Look At Statistics", "Edit Teams Or Players",
                                         "Commissioner", "Look At Records",    "Exit"};

class Lobby : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::usePrivateRuntimeDir();
        uitest::copyPrograms(VELTRAN_BIN_DIR, programs.path, {"lobby"});
    }
    void TearDown() override { uitest::killStartedPrograms(); }

    // Starts lobby and waits for its menu, checking the six buttons top to bottom.
    std::optional<au::Window> startMenu(std::unique_ptr<uitest::Child>& lobby) {
        lobby = std::make_unique<uitest::Child>(programs.path / "lobby", league.path);
        auto menu = au::waitForWindow("Veltran Football League", 20000, "form");
        if (!menu) return menu;
        std::vector<std::string> captions;
        for (const au::Control& c : menu->controls)
            if (c.type == "button") captions.push_back(c.text);
        EXPECT_EQ(captions, kCaptions);
        EXPECT_EQ(menu->name, "frmMainMenu");
        return menu;
    }

    uitest::TempDir programs;  // lobby and the stand-ins beside it
    uitest::TempDir league;    // the working directory
};

TEST_F(Lobby, EachButtonStartsItsProgramAndLobbyEnds) {
    const std::vector<std::string> files{"gameday", "tally", "rosterdesk", "Commissioner", "annals"};
    for (const std::string& file : files) uitest::writeStandIn(programs.path, file);
    for (size_t i = 0; i < files.size(); ++i) {
        std::unique_ptr<uitest::Child> lobby;
        const auto menu = startMenu(lobby);
        ASSERT_TRUE(menu) << kCaptions[i];
        ASSERT_TRUE(au::click(*menu, kCaptions[i]).ok);
        EXPECT_TRUE(lobby->waitForExit(20000)) << kCaptions[i];
        const std::string cwd = uitest::standInRan(league.path, files[i], 20000);
        ASSERT_FALSE(cwd.empty()) << files[i] << " was not started";
        EXPECT_EQ(std::filesystem::canonical(cwd), std::filesystem::canonical(league.path));
        std::filesystem::remove(league.path / ("started-" + files[i]));
    }
}

TEST_F(Lobby, ExitEndsWithoutStartingAnything) {
    std::unique_ptr<uitest::Child> lobby;
    const auto menu = startMenu(lobby);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(au::click(*menu, "Exit").ok);
    EXPECT_TRUE(lobby->waitForExit(20000));
    EXPECT_TRUE(std::filesystem::is_empty(league.path));
}

TEST_F(Lobby, MissingProgramIsReportedAndTheMenuStays) {
    std::unique_ptr<uitest::Child> lobby;
    auto menu = startMenu(lobby);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(au::click(*menu, "Look At Records").ok);
    const auto box = au::waitForWindow("KRO", 20000, "dialog");
    ASSERT_TRUE(box);
    const au::Control* text = au::findControl(*box, "qt_msgbox_label");
    ASSERT_NE(text, nullptr);
    EXPECT_NE(text->text.find("annals.exe"), std::string::npos) << text->text;
    menu = au::findWindow("Veltran Football League");
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->blocked);
    EXPECT_FALSE(au::click(*menu, "Exit").ok);
    ASSERT_TRUE(au::click(*box, "OK").ok);
    ASSERT_TRUE(uitest::waitUntil(
        [&] {
            menu = au::findWindow("Veltran Football League");
            return menu && !menu->blocked;
        },
        20000));
    ASSERT_TRUE(au::click(*menu, "Exit").ok);
    EXPECT_TRUE(lobby->waitForExit(20000));
}

}  // namespace
