#include "gameday/season/week_view.h"

#include "gameday/season/postseason_shape.h"

namespace season {

std::string pickteamCaption(const std::string& title, int season) {
    return title + " Season #" + withSignPlace(season);
}

std::string weekHeading(int week, int weeks, int teams) {
    if (week <= weeks) return "WEEK " + withSignPlace(week);
    return roundName(teams, week - weeks);
}

namespace {

std::string resultText(const lf::ScheduleRecord& r, const TeamNames& names) {
    const bool homeWon = r.homeScore() >= r.visitorScore();  // a tie lists the home team first
    const int winner = homeWon ? r.home() : r.visitor();
    const int loser = homeWon ? r.visitor() : r.home();
    const int winnerScore = homeWon ? r.homeScore() : r.visitorScore();
    const int loserScore = homeWon ? r.visitorScore() : r.homeScore();
    return names.at(winner) + " " + withSignPlace(winnerScore) + " " + names.at(loser) + " " +
           withSignPlace(loserScore);
}

// " (OT)" after one overtime period, " (OT2)" after two, and so on.
std::string overtimeMark(const lf::ScheduleRecord& r) {
    const int p = lf::periods(r);
    if (p <= 4) return "";
    return " (OT" + (p > 5 ? std::to_string(p - 4) : std::string()) + ")";
}

}  // namespace

GameLine gameLine(const lf::ScheduleRecord& r, const TeamNames& names) {
    if (r.status() == '-') {
        if (r.visitor() != 0 && r.home() != 0)
            return {names.at(r.visitor()) + " at " + names.at(r.home()), true};
        return {};
    }
    std::string text;
    if (r.visitor() == 0 && r.home() == 0)
        text = "";
    else if (r.visitor() == 0)
        text = names.at(r.home()) + "  BYE";
    else if (r.home() == 0)
        text = "----";
    else
        text = resultText(r, names);
    return {text + overtimeMark(r), false};
}

WeekView weekView(const std::string& title, int season, int week, int weeks, int teams,
                  std::span<const lf::ScheduleRecord> records, const TeamNames& names) {
    WeekView view{pickteamCaption(title, season), weekHeading(week, weeks, teams), {}};
    for (const lf::ScheduleRecord& r : records) view.lines.push_back(gameLine(r, names));
    return view;
}

int nextGameSlot(const WeekView& view) {
    for (size_t i = 0; i < view.lines.size(); ++i)
        if (view.lines[i].selectable) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace season
