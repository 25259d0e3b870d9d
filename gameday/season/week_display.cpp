#include "gameday/season/week_display.h"

#include <algorithm>

#include "gameday/season/postseason.h"

namespace season {

namespace {

void showWeek(const SeasonLeague& lg, WeekDisplay& display) {
    const lf::League& l = lg.league;
    display.view = weekView(l.title, l.season, display.week, l.weeks, l.teams,
                            readWeek(lg, display.week), display.names);
}

}  // namespace

std::optional<WeekDisplay> openWeekDisplay(SeasonLeague& lg, const ShowMessage& show,
                                           lf::Random& random) {
    if (lg.league.state == 2) {
        show("The season is complete!", lg.league.title);
        return std::nullopt;
    }
    WeekDisplay display;
    display.week = lg.league.state != 0 ? lg.league.weeks : 1;
    display.names = readTeamNames(lg);
    displayWeek(lg, display, show, random);
    return display;
}

void displayWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                 lf::Random& random) {
    for (;;) {
        showWeek(lg, display);
        if (nextGameSlot(display.view) != 0 || !display.autoAdvance) return;
        ++display.week;
        if (display.week > lg.league.weeks && !postseasonStep(lg, display, show, random))
            return;
    }
}

void showPriorWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                   lf::Random& random) {
    if (display.week < 1) return;
    display.week = std::max(display.week - 1, 1);
    display.autoAdvance = false;
    displayWeek(lg, display, show, random);
}

void showFutureWeek(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                    lf::Random& random) {
    if (display.week >= lg.league.weeks) return;
    ++display.week;
    display.autoAdvance = false;
    displayWeek(lg, display, show, random);
}

bool weekButtonsShown(const SeasonLeague& lg, const WeekDisplay& display) {
    return display.week <= lg.league.weeks;
}

}  // namespace season
