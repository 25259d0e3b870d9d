#include "gameday/season/postseason.h"

#include "gameday/season/postseason_shape.h"
#include "gameday/season/round_setup.h"
#include "leaguefiles/error.h"
#include "leaguefiles/record_file.h"

namespace season {

namespace {

void enterPostseason(SeasonLeague& lg) {
    lf::League league = lf::readLeague(lg.file("lge"));
    league.state = 1;
    lf::writeLeagueCommaForm(lg.file("lge"), league);
    lg.league = league;
}

}  // namespace

bool postseasonStep(SeasonLeague& lg, WeekDisplay& display, const ShowMessage& show,
                    lf::Random& random) {
    const int w = display.week;
    const int offset = w - lg.league.weeks;
    if (offset > lf::PostseasonWeeks) {
        show(SeasonCompleteText, "KRO");
        return false;
    }
    if (lg.league.state == 0) enterPostseason(lg);
    display.gameType = PlayoffGame;
    const PostseasonShape shape = postseasonShape(lg.league.teams);
    if (!isRound(shape, offset)) return true;
    if (offset == shape.championshipOffset) display.gameType = ChampionshipGame;

    const int teams = lg.league.teams;
    const std::filesystem::path schedule = lg.file("sch");
    if (readScheduleRecord(lg, lf::scheduleRecordNumber(w, 1, teams)).status() != '-')
        return true;  // set up on an earlier run

    const Standings st = standingsOf(lg, readTeams(lg));
    std::vector<lf::ScheduleRecord> previous;
    if (offset > 1) previous = readWeek(lg, w - 1);
    const RoundPlan plan = planRound(st, offset, previous, random);
    if (!plan.ready) {
        show(RoundNotReadyText, "KRO");
        return false;
    }
    if (plan.announce) show(SettingUpText, "KRO");
    // The whole round in one replacement of the file: a failure leaves it not set up.
    std::vector<lf::ScheduleRecord> all = lf::readAll<lf::ScheduleRecord>(schedule);
    if (static_cast<int>(all.size()) < lf::scheduleRecordNumber(w, teams / 2, teams))
        throw lf::FileError("The schedule ends before week " + std::to_string(w), schedule);
    for (const auto& [slot, record] : plan.slots)
        all.at(lf::scheduleRecordNumber(w, slot, teams) - 1) = record;
    lf::writeAll(schedule, all);
    return true;
}

}  // namespace season
