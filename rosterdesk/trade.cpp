#include "rosterdesk/trade.h"

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/fixed_field.h"
#include "rosterdesk/player_lines.h"

namespace newedit {

TradeList tradeList(const std::vector<lf::TeamRecord>& teams,
                    const std::vector<LeagueStore::PositionPlayer>& players) {
    TradeList list;
    for (const auto& p : players) {
        const int team = lf::teamSlotOfRecord(p.record).team;
        if (team < 1 || team > int(teams.size())) continue;
        list.lines.push_back(tradeLine(lf::rawText(teams[team - 1].bytes.data(), 30, 4), p.player));
        list.records.push_back(p.record);
    }
    return list;
}

void pickLine(TradeBoxes& boxes, const std::string& line) {
    const std::string start = line.substr(0, SelectionWidth);
    if (boxes.first.empty())
        boxes.first = start;
    else if (boxes.second.empty())
        boxes.second = start;
}

std::optional<std::string> tradeRefusal(const TradeBoxes& boxes) {
    if (boxes.first.empty() || boxes.second.empty() ||
        boxes.first.substr(0, 4) == boxes.second.substr(0, 4))
        return std::string(TradeRefused);
    return std::nullopt;
}

int findLine(const TradeList& list, const std::string& box) {
    for (size_t i = 0; i < list.lines.size(); ++i)
        if (list.lines[i].substr(0, SelectionWidth) == box) return int(i);
    return -1;
}

std::string tradeQuestion(const std::string& firstLine, const std::string& secondLine) {
    return "     The following trade has been suggested:\r\r" + firstLine + "\r" + secondLine +
           "\r\r     Do you wish to make this trade?";
}

}  // namespace newedit
