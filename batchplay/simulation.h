#pragma once
// A run of n league games through the game program's and the menu's windows: each look at
// the desktop decides the one button to press next. No Qt here; the window asks, presses
// and reports back.
#include <optional>
#include <string>
#include <vector>

#include "batchplay/find_window.h"

namespace batchplay {

// The game program's forms and its message boxes, as automation names their classes.
inline constexpr const char* FormClass = "form";
inline constexpr const char* DialogClass = "dialog";

// What the detection timer shows: Label4, Label7, and whether Command1 is enabled.
struct Detection {
    std::string detected, status;
    bool ready = false;
};
Detection detect(const std::vector<Window>& windows);

// The part of a week display's title before " Season # " (the whole title when it has none).
std::string leagueTitleOf(const std::string& weekTitle);

// The integer part of the number at the start of text; 0 when there is none.
int gamesToSimulate(const std::string& text);

enum class Stage { WeekDisplay, Welcome, Coaches, Statistics, Menu, LeagueQuestion };

struct Run {
    int games = 0;            // n
    int game = 1;             // i, counting from 1
    std::string gamesText;    // as typed, for the status line
    std::string weekTitle;    // the week display's full title at the start
    std::string leagueTitle;  // the title of the league's message boxes
    Stage stage = Stage::WeekDisplay;
    bool stopRequested = false;
    bool gameStarted = false;  // the first game is under way: Stop may be pressed
    // The window pressed last; it is on its way out, so later looks pass over it.
    long long pressedPid = 0;
    std::string pressedId;
};

// A run set up from the desktop and the text of Text2, or the message that refuses it.
struct Start {
    std::optional<Run> run;
    std::string message;
};
Start startRun(const std::vector<Window>& windows, const std::string& gamesText);

// "Status: Simulating Game i of n..."
std::string runStatus(const Run& run);

// The button to press now, if any. halts: pressing it ends the run because the season is over.
struct Press {
    Window window;
    std::string caption;
    bool halts = false;
};
std::optional<Press> nextPress(const Run& run, const std::vector<Window>& windows);

enum class Outcome { Going, Finished, Halted };
// Moves the run on after press went through.
Outcome pressed(Run& run, const Press& press);

inline constexpr const char* NoGamesMessage = "You must input the number of games to simulate!";
inline constexpr const char* NotOpenMessage = "You must have KRO open to the Season Game window!";
inline constexpr const char* SeasonOverMessage = "The simulation has halted because the season is over!";
inline constexpr const char* UnknownErrorMessage = "An unknown error has occured while simulating.";

}  // namespace batchplay
