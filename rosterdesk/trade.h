#pragma once
// The trade screen's logic: the list of one position across the league, the two
// selection boxes, the checks and the question.
#include <optional>
#include <string>
#include <vector>

#include "leaguefiles/team_record.h"
#include "rosterdesk/league_store.h"

namespace newedit {

struct TradeList {
    std::vector<std::string> lines;
    std::vector<int> records;  // player record number of each line
};

// One line per player of the position, in player-file order.
TradeList tradeList(const std::vector<lf::TeamRecord>& teams,
                    const std::vector<LeagueStore::PositionPlayer>& players);

// What a selection box takes from a list line: team code and the start of the name.
inline constexpr size_t SelectionWidth = 25;

struct TradeBoxes {
    std::string first, second;
};

// A double-click on a line fills the first empty box; with both filled nothing changes.
void pickLine(TradeBoxes& boxes, const std::string& line);

inline constexpr const char* TradeRefused =
    "You must select 2 different players from 2 different teams!";
// The refusal when a box is empty or both show the same team code, else nothing.
std::optional<std::string> tradeRefusal(const TradeBoxes& boxes);

// Index of the first list line starting with the box's text, or -1.
int findLine(const TradeList& list, const std::string& box);

// The question put before a trade, lines separated by carriage returns.
std::string tradeQuestion(const std::string& firstLine, const std::string& secondLine);

}  // namespace newedit
