#include "tally/tests/fixture_league.h"

#include <atomic>
#include <unistd.h>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"

namespace tally::testing {

namespace {

const char* const Nicknames[] = {"Comets",   "Rockets",  "Meteors",  "Quasars",  "Pulsars",
                                 "Novas",    "Orbiters", "Zeniths",  "Voyagers", "Falcons",
                                 "Ravens",   "Hawks",    "Owls",     "Condors",  "Eagles",
                                 "Kestrels", "Bears",    "Wolves",   "Lynxes",   "Foxes",
                                 "Badgers",  "Otters",   "Bisons",   "Elks",     "Tigers",
                                 "Pumas",    "Jaguars",  "Cougars",  "Panthers", "Leopards",
                                 "Lions",    "Cheetahs"};

}  // namespace

FixtureLeague::FixtureLeague(int teamCount) {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("tally-fixture-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    auto size = *lf::leagueSize(teamCount);
    league.state = 0;
    league.season = 4;
    league.title = "Fixture League";
    league.teams = size.teams;
    league.weeks = size.weeks;
    league.divisions = size.divisions;
    league.teamsPerDivision = size.teamsPerDivision;
    for (int d = 0; d < 8; ++d)
        league.divisionNames[d] = d < size.divisions ? std::string("Division ") + std::to_string(d + 1) : "no name";

    teams.resize(static_cast<std::size_t>(teamCount));
    for (int t = 1; t <= teamCount; ++t) {
        auto& team = this->team(t);
        team.setCity(std::string("City") + std::to_string(t));
        team.setNickname(Nicknames[t - 1]);
        team.setCode(std::string("T") + std::to_string(t));
        team.setSettings("322222");
        team.resetForNewSeason();
    }
    players.resize(static_cast<std::size_t>(teamCount) * 50);
    for (int t = 1; t <= teamCount; ++t)
        for (int slot = 1; slot <= 50; ++slot) {
            auto& p = player(t, slot);
            p.setPosition(lf::groupOfSlot(slot).code);
            p.setFirstName(std::string("F") + std::to_string(t));
            p.setLastName(std::string("Slot") + std::to_string(slot));
            p.setRatingsText("333333333333333 ");
            p.resetForNewSeason();
        }
    int count = lf::scheduleRecordCount(league.weeks, teamCount);
    schedule.assign(static_cast<std::size_t>(count), lf::ScheduleRecord::make('-', 0, 0, 0, 0));
}

FixtureLeague::~FixtureLeague() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void FixtureLeague::game(int week, int slot, int visitor, int home, int visitorScore,
                         int homeScore, int periods) {
    char status = periods == 0 ? '-' : lf::periodsStatus(periods);
    schedule[static_cast<std::size_t>(lf::scheduleRecordNumber(week, slot, league.teams)) - 1] =
        lf::ScheduleRecord::make(status, visitor, home, visitorScore, homeScore);
}

void FixtureLeague::record(int t, int won, int lost, int tied, int pointsFor,
                           int pointsAgainst) {
    auto& team = this->team(t);
    team.setOwn(99, won);
    team.setOpp(99, lost);
    team.setOwn(100, tied);
    team.setOpp(100, tied);
    team.setOwn(84, pointsFor);
    team.setOpp(84, pointsAgainst);
}

std::filesystem::path FixtureLeague::file(const std::string& ext) const {
    return lf::leagueFilePath(dir, name, ext);
}

void FixtureLeague::write() const {
    lf::writeLeagueName(dir, name);
    lf::writeLeagueLineForm(file("lge"), league);
    lf::writeAll(file("tms"), teams);
    lf::writeAll(file("pla"), players);
    lf::writeAll(file("sch"), schedule);
    if (!std::filesystem::exists(file("irs"))) lf::writeAll(file("irs"), lf::initialIndividualRecords());
    if (!std::filesystem::exists(file("trs"))) lf::writeAll(file("trs"), lf::initialTeamBestRecords());
    std::filesystem::create_directories(dir / (name + "Archive"));
}

}  // namespace tally::testing
