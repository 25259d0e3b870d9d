// Telling from the windows on the desktop which programs run.
#include <gtest/gtest.h>

#include "steward/running_programs.h"

namespace {

namespace au = ui::automation;

au::Window window(long long pid, const std::string& program, const std::string& title,
                  const std::string& windowClass = "form") {
    au::Window w;
    w.pid = pid;
    w.program = program;
    w.title = title;
    w.windowClass = windowClass;
    return w;
}

constexpr long long Own = 1;

TEST(RunningPrograms, OnlyTheGameSuitesBackgroundMeansTheGameRuns) {
    const std::vector<au::Window> sides{window(Own, "steward", "KRO"), window(2, "standings", "KRO"),
                                        window(3, "keypad", "KRO"), window(4, "batchplay", "KRO"),
                                        window(5, "gameday", "KRO", "dialog")};
    EXPECT_FALSE(steward::gameRunning(sides, Own));
    for (const char* program : {"opener", "lobby", "gameday", "tally"}) {
        std::vector<au::Window> windows = sides;
        windows.push_back(window(9, program, "KRO"));
        EXPECT_TRUE(steward::gameRunning(windows, Own)) << program;
    }
}

TEST(RunningPrograms, PatternsMatchOtherProcessesForms) {
    const std::vector<au::Window> windows{window(Own, "steward", "Keypad"), window(2, "standings", "KRO"),
                                          window(2, "standings", "KRO Live Standings - NFL"),
                                          window(3, "keypad", "Keypad", "dialog")};
    EXPECT_FALSE(steward::runningWindow(windows, "Keypad", Own));
    const auto live = steward::runningWindow(windows, "KRO Live Standings*", Own);
    ASSERT_TRUE(live);
    EXPECT_EQ(live->pid, 2);
}

TEST(RunningPrograms, TheScoreboardComesForwardElseTheGamesOwnWindow) {
    std::vector<au::Window> windows{window(2, "standings", "KRO Live Standings - NFL"), window(5, "lobby", "KRO"),
                                    window(5, "lobby", "Veltran Football League")};
    auto front = steward::gameFront(windows, Own);
    ASSERT_TRUE(front);
    EXPECT_EQ(front->title, "Veltran Football League");
    windows.push_back(window(6, "gameday", "Scoreboard"));
    front = steward::gameFront(windows, Own);
    ASSERT_TRUE(front);
    EXPECT_EQ(front->title, "Scoreboard");
    EXPECT_FALSE(steward::gameFront({window(5, "lobby", "KRO")}, Own));
}

}  // namespace
