#include "gameday/season/game_choice.h"

#include <utility>

namespace season {

std::optional<GameChoice> chooseGame(const SeasonLeague& lg, const WeekDisplay& display,
                                     int slot) {
    const std::vector<GameLine>& lines = display.view.lines;
    if (slot < 1 || slot > static_cast<int>(lines.size()) || !lines[slot - 1].selectable)
        return std::nullopt;
    GameChoice choice;
    choice.record = lf::scheduleRecordNumber(display.week, slot, lg.league.teams);
    const lf::ScheduleRecord r = readScheduleRecord(lg, choice.record);
    if (r.visitor() == 0 || r.home() == 0) return std::nullopt;
    choice.visitorTeam = r.visitor();
    choice.homeTeam = r.home();
    // The names of the record's teams, not the line split at " at ": a nickname may hold it.
    choice.visitorName = display.names.at(r.visitor());
    choice.homeName = display.names.at(r.home());
    choice.week = display.week;
    choice.gameType = display.gameType;
    return choice;
}

std::optional<GameChoice> chooseNextGame(const SeasonLeague& lg, const WeekDisplay& display) {
    const int slot = nextGameSlot(display.view);
    if (slot == 0) return std::nullopt;
    return chooseGame(lg, display, slot);
}

std::vector<int> exhibitionOrder(const TeamNames& names) {
    std::vector<int> order;
    std::vector<std::string> padded;
    for (size_t t = 1; t < names.size(); ++t) {
        order.push_back(static_cast<int>(t));
        std::string name = names[t].substr(0, 15);
        name.resize(15, ' ');
        padded.push_back(name);
    }
    // A pairwise exchange sort; it also fixes where teams with equal names end up.
    for (size_t i = 0; i + 1 < order.size(); ++i)
        for (size_t j = i + 1; j < order.size(); ++j)
            if (padded[i] > padded[j]) {
                std::swap(padded[i], padded[j]);
                std::swap(order[i], order[j]);
            }
    return order;
}

std::optional<GameChoice> exhibitionGame(int visitorTeam, int homeTeam, const TeamNames& names,
                                         int weeks, lf::Random& random) {
    const int last = static_cast<int>(names.size()) - 1;
    if (visitorTeam < 1 || visitorTeam > last || homeTeam < 1 || homeTeam > last)
        return std::nullopt;
    GameChoice choice;
    choice.visitorTeam = visitorTeam;
    choice.homeTeam = homeTeam;
    choice.visitorName = names[visitorTeam];
    choice.homeName = names[homeTeam];
    choice.week = random.uniform(weeks);
    choice.exhibition = true;
    return choice;
}

}  // namespace season
