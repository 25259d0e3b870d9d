#include "gameday/season/tests/league_fixture.h"

#include <atomic>
#include <cstdio>

#include <unistd.h>

#include "leaguefiles/league_file.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/stat_index.h"
#include "leaguefiles/team_record.h"

namespace season::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("season-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

namespace {

std::string twoDigits(int n) {
    std::string out = std::to_string(n);
    return out.size() < 2 ? out.insert(0, 1, '0') : out;
}

lf::League fixtureLeagueValues(int teams, int season) {
    const lf::LeagueSize size = *lf::leagueSize(teams);
    lf::League league;
    league.state = 0;
    league.season = season;
    league.title = "Test League";
    league.teams = size.teams;
    league.weeks = size.weeks;
    league.divisions = size.divisions;
    league.teamsPerDivision = size.teamsPerDivision;
    return league;
}

// Week w of a round robin by the circle method: team N stays, the others turn.
std::vector<std::pair<int, int>> roundRobinWeek(int teams, int w) {
    const int turning = teams - 1;
    const int r = (w - 1) % turning;
    std::vector<std::pair<int, int>> games;
    auto at = [&](int i) { return i == 0 ? teams : (r + i - 1) % turning + 1; };
    for (int i = 0; i < teams / 2; ++i) {
        int a = at(i), b = at(teams - 1 - i);
        if ((w + i) % 2 == 0) std::swap(a, b);
        games.emplace_back(a, b);
    }
    return games;
}

}  // namespace

std::string fixtureNickname(int team) { return "Team" + twoDigits(team); }
std::string fixtureCity(int team) { return "City" + twoDigits(team); }

std::filesystem::path fixtureFile(const std::filesystem::path& dir, const std::string& ext) {
    return lf::leagueFilePath(dir, "TEST", ext);
}

void writeFixtureLeague(const std::filesystem::path& dir, int teams, int season) {
    const lf::League league = fixtureLeagueValues(teams, season);
    lf::writeLeagueName(dir, "TEST");
    lf::writeLeagueLineForm(fixtureFile(dir, "lge"), league);

    std::vector<lf::TeamRecord> records(teams);
    for (int t = 1; t <= teams; ++t) {
        lf::TeamRecord& r = records[t - 1];
        r.setCity(fixtureCity(t));
        r.setNickname(fixtureNickname(t));
        r.setCode(std::string("T").append(twoDigits(t)));
        r.setSettings("332222");
        r.resetForNewLeague();
    }
    lf::writeAll(fixtureFile(dir, "tms"), records);

    std::vector<lf::ScheduleRecord> schedule;
    for (int w = 1; w <= league.weeks; ++w)
        for (const auto& [v, h] : roundRobinWeek(teams, w))
            schedule.push_back(lf::ScheduleRecord::make('-', v, h, 0, 0));
    schedule.resize(lf::scheduleRecordCount(league.weeks, teams),
                    lf::ScheduleRecord::make('-', 0, 0, 0, 0));
    lf::writeAll(fixtureFile(dir, "sch"), schedule);
    lf::writeAll(fixtureFile(dir, "chm"), lf::initialChampions());
}

std::vector<lf::ScheduleRecord> readSchedule(const std::filesystem::path& dir) {
    return lf::readAll<lf::ScheduleRecord>(fixtureFile(dir, "sch"));
}

void writeSchedule(const std::filesystem::path& dir, const std::vector<lf::ScheduleRecord>& s) {
    lf::writeAll(fixtureFile(dir, "sch"), s);
}

void enterResult(const std::filesystem::path& dir, int record, int visitorScore,
                 int homeScore, int periods) {
    const lf::League league = lf::readLeague(fixtureFile(dir, "lge"));
    const std::filesystem::path sch = fixtureFile(dir, "sch");
    lf::ScheduleRecord game = lf::readRecord<lf::ScheduleRecord>(sch, record);
    game.setStatus(lf::periodsStatus(periods));
    game.setVisitorScore(visitorScore);
    game.setHomeScore(homeScore);
    lf::writeRecord(sch, record, game);
    if (record > league.weeks * league.teams / 2) return;

    const std::filesystem::path tms = fixtureFile(dir, "tms");
    const int sides[2] = {game.visitor(), game.home()};
    const int scores[2] = {visitorScore, homeScore};
    for (int s = 0; s < 2; ++s) {
        const int own = scores[s], other = scores[1 - s];
        lf::TeamRecord team = lf::readRecord<lf::TeamRecord>(tms, sides[s]);
        const auto add = [&](bool ownSide, int index, int value) {
            if (ownSide) team.setOwn(index, team.own(index) + value);
            else team.setOpp(index, team.opp(index) + value);
        };
        add(true, lf::stat::Wins, own > other);
        add(false, lf::stat::Wins, own < other);
        add(true, lf::stat::Ties, own == other);
        add(false, lf::stat::Ties, own == other);
        add(true, lf::stat::Points, own);
        add(false, lf::stat::Points, other);
        add(true, lf::stat::Touchdowns, own / 7);
        add(false, lf::stat::Touchdowns, other / 7);
        const int t = sides[1 - s];
        team.setH2hRecord(t, team.h2hRecord(t) + (own > other ? 200 : own < other ? 2 : 101));
        team.setH2hPoints(t, team.h2hPoints(t) + own - other);
        lf::writeRecord(tms, sides[s], team);
    }
}

void playRegularSeason(const std::filesystem::path& dir, lf::Random& random) {
    const lf::League league = lf::readLeague(fixtureFile(dir, "lge"));
    const int games = league.weeks * league.teams / 2;
    for (int k = 1; k <= games; ++k) {
        const int visitor = 7 * (random.uniform(5) - 1) + 3 * (random.uniform(3) - 1);
        const int home = random.uniform(8) == 1 ? visitor : 7 * (random.uniform(5) - 1);
        enterResult(dir, k, visitor, home);
    }
}

Standings standingsWithWins(int teams, const std::vector<int>& wins) {
    Standings st{postseasonShape(teams), std::vector<TeamStanding>(teams + 1)};
    for (int t = 1; t <= teams; ++t) st.teams[t].wins = wins.at(t - 1);
    return st;
}

}  // namespace season::testing
