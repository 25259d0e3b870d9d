#include "batchplay/simulation.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace batchplay {
namespace {

constexpr const char* SeasonMark = " Season # ";
constexpr const char* NextGame = "Play Next Game";
constexpr const char* NotDetected = "KRO Season Game Window Not Detected";
constexpr const char* Searching = "Status: Searching For KRO Season Game Window...";

// The first week display with its "Play Next Game" button.
const Window* weekDisplay(const std::vector<Window>& windows) {
    const std::vector<const Window*> found = findLike(windows, "*Season*", FormClass);
    if (found.empty() || findButton(*found.front(), NextGame) == nullptr) return nullptr;
    return found.front();
}

bool passedOver(const Run& run, const Window& w) { return w.pid == run.pressedPid && w.id == run.pressedId; }

// The first window titled title, of classPattern, that can take a press of caption now.
std::optional<Press> pressable(const Run& run, const std::vector<Window>& windows, const std::string& title,
                               const std::string& classPattern, const std::string& caption) {
    for (const Window& w : windows) {
        if (passedOver(run, w) || w.blocked) continue;
        if (findExact({w}, title, classPattern) == nullptr) continue;
        if (const Control* button = findButton(w, caption)) return Press{w, button->text};
    }
    return std::nullopt;
}

std::optional<Press> kroBoxOk(const Run& run, const std::vector<Window>& windows) {
    return pressable(run, windows, "KRO", DialogClass, "OK");
}

std::optional<Press> seasonComplete(const Run& run, const std::vector<Window>& windows) {
    for (const Window& w : windows) {
        if (passedOver(run, w) || w.windowClass != DialogClass || labelsLike(w, "*season is complete*") != 1)
            continue;
        std::optional<Press> ok = pressable(run, {w}, run.leagueTitle, DialogClass, "OK");
        if (ok) {
            ok->halts = true;
            return ok;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string leagueTitleOf(const std::string& weekTitle) {
    const size_t at = weekTitle.find(SeasonMark);
    return at == std::string::npos ? weekTitle : weekTitle.substr(0, at);
}

Detection detect(const std::vector<Window>& windows) {
    const Window* week = weekDisplay(windows);
    if (week == nullptr) return {NotDetected, Searching, false};
    const size_t at = week->title.find(SeasonMark);
    const std::string season =
        at == std::string::npos ? std::string() : week->title.substr(at + std::string(SeasonMark).size());
    return {leagueTitleOf(week->title) + " Season #" + season, "Status: Ready", true};
}

int gamesToSimulate(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    long long n = 0;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos)
        n = std::min<long long>(n * 10 + (text[pos] - '0'), INT_MAX);
    return static_cast<int>(n);
}

Start startRun(const std::vector<Window>& windows, const std::string& gamesText) {
    if (gamesText.empty()) return {std::nullopt, NoGamesMessage};
    const Window* week = weekDisplay(windows);
    if (week == nullptr) return {std::nullopt, NotOpenMessage};
    Run run;
    run.games = gamesToSimulate(gamesText);
    run.gamesText = gamesText;
    run.weekTitle = week->title;
    run.leagueTitle = leagueTitleOf(week->title);
    return {run, {}};
}

std::string runStatus(const Run& run) {
    return "Status: Simulating Game " + std::to_string(run.game) + " of " + run.gamesText + "...";
}

std::optional<Press> nextPress(const Run& run, const std::vector<Window>& windows) {
    switch (run.stage) {
        case Stage::WeekDisplay:
            if (auto halt = seasonComplete(run, windows)) return halt;
            if (auto next = pressable(run, windows, run.weekTitle, "*", NextGame)) return next;
            // A notice of the game program before its week display (the postseason being set up).
            return kroBoxOk(run, windows);
        case Stage::Welcome:
            if (auto ok = kroBoxOk(run, windows)) return ok;
            return pressable(run, windows, "Welcome To The Veltran Football League", "*", "Play Game");
        case Stage::Coaches:
            return pressable(run, windows, "Select Coaches", "*", "Play The Game");
        case Stage::Statistics:
            if (auto exit = pressable(run, windows, "Game Statistics", "*", "Exit")) return exit;
            return kroBoxOk(run, windows);
        case Stage::Menu:
            return pressable(run, windows, "Veltran Football League", "*", "Play A Game");
        case Stage::LeagueQuestion:
            return pressable(run, windows, run.leagueTitle, DialogClass, "&Yes");
    }
    return std::nullopt;
}

Outcome pressed(Run& run, const Press& press) {
    run.pressedPid = press.window.pid;
    run.pressedId = press.window.id;
    if (press.halts) return Outcome::Halted;
    const bool kroBox = press.window.title == "KRO" && press.window.windowClass == DialogClass;
    switch (run.stage) {
        case Stage::WeekDisplay:
            if (!kroBox) run.stage = Stage::Welcome;
            break;
        case Stage::Welcome:
            run.stage = kroBox ? Stage::WeekDisplay : Stage::Coaches;
            break;
        case Stage::Coaches:
            run.gameStarted = true;
            run.stage = Stage::Statistics;
            break;
        case Stage::Statistics:
            if (kroBox) break;
            if (run.game >= run.games || run.stopRequested) return Outcome::Finished;
            run.stage = Stage::Menu;
            break;
        case Stage::Menu:
            run.stage = Stage::LeagueQuestion;
            break;
        case Stage::LeagueQuestion:
            ++run.game;
            run.stage = Stage::WeekDisplay;
            break;
    }
    return Outcome::Going;
}

}  // namespace batchplay
