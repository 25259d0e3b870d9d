#include "gameday/tests/fixture_league.h"

#include <vector>

#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/records_file.h"
#include "leaguefiles/schedule_record.h"
#include "leaguefiles/team_record.h"
#include "leaguefiles/templates.h"

namespace gameday::testing {

namespace fs = std::filesystem;

constexpr int Teams = 8;
constexpr int Weeks = 14;

void writeFixtureLeague(const fs::path& dir) {
    const fs::path data = fs::path(VELTRAN_SOURCE_DIR) / "data";
    for (const auto& e : fs::directory_iterator(data))
        if (e.is_regular_file()) fs::copy_file(e.path(), dir / e.path().filename(),
                                               fs::copy_options::overwrite_existing);
    auto file = [&](std::string_view ext) { return lf::leagueFilePath(dir, "TEST", ext); };
    lf::writeLeagueName(dir, "TEST");
    lf::League league;
    league.title = "Test League";
    lf::writeLeagueLineForm(file("lge"), league);
    fs::create_directories(dir / "TESTArchive");

    std::vector<lf::TeamRecord> teams;
    std::vector<lf::PlayerRecord> players;
    for (int t = 1; t <= Teams; ++t) {
        teams.push_back(lf::readTemplateTeam(dir / "teams.tmx", t));
        teams.back().resetForNewLeague();
        for (int slot = 1; slot <= 50; ++slot) {
            players.push_back(lf::readTemplatePlayer(dir / "players.plx", t, slot));
            players.back().resetForNewLeague();
        }
    }
    lf::writeAll(file("tms"), teams);
    lf::writeAll(file("pla"), players);

    // A double round robin by the circle method: team 8 stays, the others turn.
    std::vector<lf::ScheduleRecord> schedule;
    for (int w = 1; w <= Weeks; ++w) {
        const int r = (w - 1) % 7;
        for (int g = 0; g < Teams / 2; ++g) {
            int a = g == 0 ? 8 : (r + g) % 7 + 1;
            int b = (r + 7 - g) % 7 + 1;
            if (w > 7) std::swap(a, b);
            schedule.push_back(lf::ScheduleRecord::make('-', a, b, 0, 0));
        }
    }
    schedule.resize(lf::scheduleRecordCount(Weeks, Teams), lf::ScheduleRecord::make('-', 0, 0, 0, 0));
    lf::writeAll(file("sch"), schedule);
    for (auto table : {lf::RegularSeasonGame, lf::PlayoffGame, lf::ChampionshipGame, lf::WholeSeason}) {
        lf::writeAll(file(lf::individualRecordsExt(table)), lf::initialIndividualRecords());
        lf::writeAll(file(lf::teamRecordsExt(table)), lf::initialTeamBestRecords());
    }
    lf::writeAll(file(lf::ChampionsExt), lf::initialChampions());
}

}  // namespace gameday::testing
