#include "gameday/season/save_game.h"

#include <algorithm>
#include <array>
#include <vector>

#include "gameday/season/box_score.h"
#include "gameday/season/season_close.h"
#include "gameday/season/season_league.h"
#include "gameday/season/week_display.h"
#include "leaguefiles/error.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/stat_index.h"
#include "leaguefiles/team_record.h"

namespace season {
namespace {

namespace fs = std::filesystem;
namespace st = lf::stat;
using TeamStats = std::array<int, fb::kTeamStatCount + 1>;

int accumulated(int index, int stored, int value) {
    return st::isMaxType(index) ? std::max(stored, value) : stored + value;
}

template <class R>
std::vector<R> readAtLeast(const fs::path& file, size_t count, const char* what) {
    std::vector<R> records = lf::readAll<R>(file);
    if (records.size() < count) throw lf::FileError(std::string("The ") + what + " is too short", file);
    return records;
}

// Possession split into minutes and seconds, points and touchdowns: what the season
// totals add up.
void seasonValues(TeamStats& s) {
    const int seconds = s[st::PossessionSeconds];
    s[st::PossessionMinutes] = seconds / 60;
    s[st::PossessionSeconds] = seconds % 60;
    for (int k = st::PointsQuarter1; k <= st::PointsOvertime; ++k) s[st::Points] += s[k];
    s[st::Touchdowns] = s[st::RushTouchdowns] + s[st::ReceivingTouchdowns] +
                        s[st::InterceptionReturnTouchdowns] + s[st::PuntReturnTouchdowns] +
                        s[st::KickoffReturnTouchdowns] + s[st::FumbleReturnTouchdowns] +
                        s[st::OtherReturnTouchdowns];
}

void addTeamTotals(lf::TeamRecord& team, const TeamStats& own, const TeamStats& other,
                   int opponent) {
    for (int k = 1; k <= st::TeamLast; ++k) {
        team.setOwn(k, accumulated(k, team.own(k), own[k]));
        team.setOpp(k, accumulated(k, team.opp(k), other[k]));
    }
    team.setH2hRecord(opponent, team.h2hRecord(opponent) + 200 * own[st::Wins] +
                                    100 * own[st::Ties] + 2 * other[st::Wins] +
                                    other[st::Ties]);
    team.setH2hPoints(opponent, team.h2hPoints(opponent) + own[st::Points] - other[st::Points]);
}

void addPlayerTotals(lf::PlayerRecord& r, const fb::Player& p) {
    for (int k = 1; k <= st::PlayerLast; ++k) r.setStat(k, accumulated(k, r.stat(k), p.stats[k]));
}

void updateIndividualRecords(std::vector<lf::IndividualRecord>& records, const fb::GameState& g,
                             int season) {
    for (int k = 1; k <= st::PlayerLast; ++k) {
        lf::IndividualRecord& best = records[k - 1];
        for (int s = fb::kVisitor; s <= fb::kHome; ++s)
            for (int slot = 1; slot <= fb::kRosterSize; ++slot) {
                const fb::Player& p = g.side[s].roster[slot];
                if (auto v = lf::newRecordValue(k, p.stats[k], best.value()))
                    best.set(p.name, g.side[s].name, g.side[3 - s].name, *v, season, g.week);
            }
    }
}

void updateTeamRecords(std::vector<lf::TeamBestRecord>& records, const fb::GameState& g,
                       const std::array<TeamStats, 3>& stats, int season) {
    for (int k = 1; k <= st::TeamLast; ++k) {
        lf::TeamBestRecord& best = records[k - 1];
        for (int s = fb::kVisitor; s <= fb::kHome; ++s)
            if (auto v = lf::newRecordValue(k, stats[s][k], best.value()))
                best.set(g.side[s].name, g.side[3 - s].name, *v, season, g.week);
    }
}

char periodStatus(const fb::GameState& g) {
    const bool level = g.side[fb::kVisitor].score == g.side[fb::kHome].score;
    return lf::periodsStatus(level && g.quarter > 4 ? 5 : g.quarter);
}

void save(const fb::GameState& game, const fs::path& dir, int scheduleRecord,
          const SaveProbe& probe) {
    SeasonLeague lg = openSeasonLeague(dir);
    const int n = lg.league.teams;
    const int season = lg.league.season;
    fb::GameState g = game;
    setResultFlags(g);
    const std::array<int, 3> team{0, g.side[fb::kVisitor].team, g.side[fb::kHome].team};
    for (int s = fb::kVisitor; s <= fb::kHome; ++s)
        if (team[s] < 1 || team[s] > n)
            throw lf::FileError("Team " + std::to_string(team[s]) + " is not in the league",
                                lg.file("tms"));

    const fs::path scheduleFile = lg.file("sch");
    std::vector<lf::ScheduleRecord> schedule = lf::readAll<lf::ScheduleRecord>(scheduleFile);
    if (scheduleRecord < 1 || scheduleRecord > static_cast<int>(schedule.size()))
        throw lf::FileError("Schedule record " + std::to_string(scheduleRecord) + " does not exist",
                            scheduleFile);
    lf::ScheduleRecord& result = schedule[scheduleRecord - 1];
    if (result.visitor() != team[fb::kVisitor] || result.home() != team[fb::kHome] ||
        !lf::isUnplayedGame(result))
        throw lf::FileError("Schedule record " + std::to_string(scheduleRecord) +
                                " does not hold this game unplayed",
                            scheduleFile);

    const fs::path teamFile = lg.file("tms");
    const fs::path playerFile = lg.file("pla");
    std::vector<lf::TeamRecord> teams =
        readAtLeast<lf::TeamRecord>(teamFile, static_cast<size_t>(n), "team file");
    std::vector<lf::PlayerRecord> players = readAtLeast<lf::PlayerRecord>(
        playerFile, static_cast<size_t>(n) * fb::kRosterSize, "player file");
    auto player = [&](int s, int slot) -> lf::PlayerRecord& {
        return players[(team[s] - 1) * fb::kRosterSize + slot - 1];
    };

    std::array<TeamStats, 3> stats{};
    for (int s = fb::kVisitor; s <= fb::kHome; ++s) stats[s] = g.side[s].stats;
    const bool regularSeason = g.gameType == RegularSeasonGame;
    if (regularSeason) {
        for (int s = fb::kVisitor; s <= fb::kHome; ++s) seasonValues(stats[s]);
        for (int s = fb::kVisitor; s <= fb::kHome; ++s)
            addTeamTotals(teams[team[s] - 1], stats[s], stats[3 - s], team[3 - s]);
        for (int s = fb::kVisitor; s <= fb::kHome; ++s)
            for (int slot = 1; slot <= fb::kRosterSize; ++slot)
                addPlayerTotals(player(s, slot), g.side[s].roster[slot]);
    }

    result.setStatus(periodStatus(g));
    result.setVisitorScore(g.side[fb::kVisitor].score);
    result.setHomeScore(g.side[fb::kHome].score);

    for (int s = fb::kVisitor; s <= fb::kHome; ++s)
        for (int slot = 1; slot <= fb::kRosterSize; ++slot)
            player(s, slot).setInjuryText(g.side[s].roster[slot].injury);

    const auto table = static_cast<lf::RecordTable>(std::clamp(g.gameType, 0, 2));
    const fs::path individualFile = lg.file(lf::individualRecordsExt(table));
    const fs::path teamBestFile = lg.file(lf::teamRecordsExt(table));
    std::vector<lf::IndividualRecord> individual = readAtLeast<lf::IndividualRecord>(
        individualFile, st::PlayerLast, "individual records file");
    std::vector<lf::TeamBestRecord> teamBest =
        readAtLeast<lf::TeamBestRecord>(teamBestFile, st::TeamLast, "team records file");
    updateIndividualRecords(individual, g, season);
    updateTeamRecords(teamBest, g, stats, season);

    StagedFiles files(probe);
    if (regularSeason)
        files.stage(teamFile, [&](const fs::path& p) { lf::writeAll(p, teams); });
    files.stage(playerFile, [&](const fs::path& p) { lf::writeAll(p, players); });
    files.stage(individualFile, [&](const fs::path& p) { lf::writeAll(p, individual); });
    files.stage(teamBestFile, [&](const fs::path& p) { lf::writeAll(p, teamBest); });
    if (g.gameType == ChampionshipGame) {
        const ChampionshipResult final{team[fb::kVisitor], team[fb::kHome],
                                       g.side[fb::kVisitor].score, g.side[fb::kHome].score,
                                       g.overtime, g.quarter};
        const std::string text = championText(fullTeamName(teams[team[fb::kVisitor] - 1]),
                                               fullTeamName(teams[team[fb::kHome] - 1]), final);
        const fs::path championsFile = lg.file(lf::ChampionsExt);
        std::vector<lf::ChampionRecord> champions;
        if (fs::exists(championsFile)) champions = lf::readAll<lf::ChampionRecord>(championsFile);
        champions = championsWith(std::move(champions), season, text);
        files.stage(championsFile, [&](const fs::path& p) { lf::writeAll(p, champions); });
        lf::League league = lg.league;
        league.state = 2;
        files.stage(lg.file("lge"), [&](const fs::path& p) { lf::writeLeagueCommaForm(p, league); });
    }
    files.stage(scheduleFile, [&](const fs::path& p) { lf::writeAll(p, schedule); });
    files.install();
}

}  // namespace

void saveGameResults(const fb::GameState& g, const fs::path& dir, int scheduleRecord,
                     const SaveProbe& probe) {
    if (g.exhibition || g.abandoned) return;
    try {
        save(g, dir, scheduleRecord, probe);
    } catch (const lf::FileError&) {
        throw;
    } catch (const std::exception& e) {
        throw lf::FileError(std::string("The game results could not be saved: ") + e.what());
    }
}

}  // namespace season
