#pragma once
// A small league written with the league-file writers: "TEST", 8 teams, season 7.
// Team t is "City<t> Nick<t>" with code "T<t>"; player (t, s) is "F<t>s<s> L<t>s<s>",
// position of his slot's group, jersey s, years s % 10, ratings "1234501234501234" (slot 1
// of each team is injured for 3 quarters).
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/team_record.h"

#include <gtest/gtest.h>

namespace testsupport {

// base followed by the number (appended: g++ 12 warns falsely on "text" + string).
inline std::string tagged(std::string base, int n) {
    base += std::to_string(n);
    return base;
}

inline lf::PlayerRecord samplePlayer(int team, int slot) {
    lf::PlayerRecord p;
    p.resetForNewLeague();
    p.setPosition(lf::groupOfSlot(slot).code);
    const std::string tag = tagged(tagged("", team) + "s", slot);
    p.setFirstName(std::string("F").append(tag));
    p.setLastName(std::string("L").append(tag));
    p.setNumber(slot);
    p.setYears(slot % 10);
    p.setRatingsText("1234501234501234");
    p.setStat(2, 100 * team + slot);
    if (slot == 1) p.setInjuryText("3   ");
    return p;
}

inline void writeSmallLeague(const std::filesystem::path& dir) {
    lf::League league;
    league.season = 7;
    lf::writeLeagueName(dir, "TEST");
    lf::writeLeagueLineForm(dir / "TEST.lge", league);
    std::vector<lf::TeamRecord> teams(8);
    for (int t = 1; t <= 8; ++t) {
        lf::TeamRecord& team = teams[t - 1];
        team.resetForNewLeague();
        team.setCity(tagged("City", t));
        team.setNickname(tagged("Nick", t));
        team.setCode(tagged("T", t));
        team.setStadium(tagged("Stadium", t));
        team.setCoach(tagged("Coach", t));
        team.setSettings("123412");
        team.setOwn(2, 1000 + t);
    }
    lf::writeAll(dir / "TEST.tms", teams);
    std::vector<lf::PlayerRecord> players;
    for (int t = 1; t <= 8; ++t)
        for (int s = 1; s <= lf::SlotsPerTeam; ++s) players.push_back(samplePlayer(t, s));
    lf::writeAll(dir / "TEST.pla", players);
    std::filesystem::create_directories(dir / "TESTArchive");
}

// A test with the small league in a fresh folder of its own.
struct SmallLeague : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("rosterdesk_" + std::to_string(::getpid()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        std::filesystem::create_directories(dir);
        writeSmallLeague(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::vector<lf::PlayerRecord> playerFile() const {
        return lf::readAll<lf::PlayerRecord>(dir / "TEST.pla");
    }
};

}  // namespace testsupport
