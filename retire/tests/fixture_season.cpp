#include "retire/tests/fixture_season.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/record_file.h"

namespace retire::testing {
namespace {

// stem and number, appended (g++ 12 warns falsely on literal + std::string here).
std::string numbered(const char* stem, int n) { return std::string(stem).append(std::to_string(n)); }

}  // namespace

Season fixtureSeason(int teams, const std::string& ratings, int years) {
    Season s;
    s.name = "TEST";
    s.league.teams = teams;
    const auto size = lf::leagueSize(teams);
    s.league.weeks = size->weeks;
    s.league.divisions = size->divisions;
    s.league.teamsPerDivision = size->teamsPerDivision;
    s.league.state = 2;
    s.teams.resize(teams);
    for (int t = 1; t <= teams; ++t) {
        s.teams[t - 1].setCity(numbered("City", t));
        s.teams[t - 1].setNickname(numbered("Team", t));
        s.teams[t - 1].setSettings("322222");
    }
    s.players.resize(teams * lf::SlotsPerTeam);
    for (int r = 1; r <= teams * lf::SlotsPerTeam; ++r) {
        lf::PlayerRecord& p = s.players[r - 1];
        p.setPosition(lf::groupOfSlot(lf::teamSlotOfRecord(r).slot).code);
        p.setFirstName(numbered("F", r));
        p.setLastName(numbered("L", r));
        p.setNumber(lf::teamSlotOfRecord(r).slot);
        p.setYears(years);
        p.setRatingsText(ratings);
        p.setInjuryText("2   ");
    }
    return s;
}

void writeSeason(const std::filesystem::path& dir, const Season& season) {
    lf::writeLeagueName(dir, season.name);
    lf::writeLeagueLineForm(lf::leagueFilePath(dir, season.name, "lge"), season.league);
    lf::writeAll(lf::leagueFilePath(dir, season.name, "tms"), season.teams);
    lf::writeAll(lf::leagueFilePath(dir, season.name, "pla"), season.players);
    lf::replaceFile(dir / "name1.rdm", "Ann       Bea       Cid       ");
    lf::replaceFile(dir / "name2.rdm", "Doe       Eck       ");
}

Folder::Folder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path = std::filesystem::temp_directory_path() /
           ("retire_" + std::to_string(::getpid()) + "_" + info->name());
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
}

Folder::~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

}  // namespace retire::testing
