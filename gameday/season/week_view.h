#pragma once
// The texts of the week display: caption, heading and one line per game slot.
#include <span>
#include <string>
#include <vector>

#include "leaguefiles/report_output.h"
#include "leaguefiles/schedule_record.h"

namespace season {

using lf::withSignPlace;

// Team nicknames, trimmed; element t is team t, element 0 empty.
using TeamNames = std::vector<std::string>;

struct GameLine {
    std::string text;
    bool selectable = false;  // an unplayed game the user may pick
};

struct WeekView {
    std::string caption;
    std::string heading;
    std::vector<GameLine> lines;  // slot g at index g - 1
};

// "<league title> Season # 3".
std::string pickteamCaption(const std::string& title, int season);

// "WEEK 5" in the regular season, the round name after it.
std::string weekHeading(int week, int weeks, int teams);

// The line of one schedule record: the pairing of an unplayed game, a result with its
// overtime mark, a bye, or nothing.
GameLine gameLine(const lf::ScheduleRecord& r, const TeamNames& names);

WeekView weekView(const std::string& title, int season, int week, int weeks, int teams,
                  std::span<const lf::ScheduleRecord> records, const TeamNames& names);

// The slot of the first selectable line: what "Play Next Game" picks; 0 when none.
int nextGameSlot(const WeekView& view);

}  // namespace season
