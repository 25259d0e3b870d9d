// The team and player templates and the name lists, read through the league-file readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/player_record.h"
#include "leaguefiles/record_file.h"
#include "leaguefiles/stat_index.h"
#include "leaguefiles/templates.h"
#include "shipped.h"

namespace {

namespace r = lf::rating;

TEST(TeamTemplates, ThirtyTwoInventedTeamsWithVariedSettings) {
    const auto file = shipped::file("teams.tmx");
    ASSERT_EQ(lf::recordCount(file, lf::TeamRecord::Size), lf::TemplateTeams);
    std::set<std::string> codes, names;
    std::map<int, std::set<int>> values;  // setting -> values seen
    for (int g = 1; g <= lf::TemplateTeams; ++g) {
        const lf::TeamRecord t = lf::readTemplateTeam(file, g);
        SCOPED_TRACE(t.city() + " " + t.nickname());
        EXPECT_FALSE(t.city().empty());
        EXPECT_FALSE(t.stadium().empty());
        EXPECT_FALSE(t.coach().empty());
        const std::string code = t.code();
        EXPECT_EQ(code.size(), 4u);
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isupper(c); }));
        EXPECT_TRUE(codes.insert(code).second);
        EXPECT_TRUE(names.insert(t.nickname()).second);
        const int max[] = {3, 5, 3, 3, 3, 2};
        for (int p = 1; p <= 6; ++p) {
            EXPECT_GE(t.setting(p), 1);
            EXPECT_LE(t.setting(p), max[p - 1]);
            values[p].insert(t.setting(p));
        }
        // A template starts as a new league does: no games, longest plays "none yet".
        EXPECT_EQ(t.own(lf::stat::Wins), 0);
        EXPECT_EQ(t.own(lf::stat::LongestRush), lf::stat::None);
    }
    const size_t expected[] = {3, 5, 3, 3, 3, 2};  // every surface, climate, wind, rain and style
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(values[p].size(), expected[p - 1]) << "setting " << p;
}

struct Roster {
    std::vector<lf::PlayerRecord> players;  // slot 1..50 at index 0..49
    const lf::PlayerRecord& slot(int s) const { return players.at(s - 1); }
};

std::vector<Roster> rosters() {
    const auto all = lf::readAll<lf::PlayerRecord>(shipped::file("players.plx"));
    std::vector<Roster> out(all.size() / lf::SlotsPerTeam);
    for (size_t i = 0; i < all.size(); ++i) out[i / lf::SlotsPerTeam].players.push_back(all[i]);
    return out;
}

TEST(PlayerTemplates, FiftyPlayersPerTeamInSlotOrderWithSoundRecords) {
    ASSERT_EQ(lf::recordCount(shipped::file("players.plx"), lf::PlayerRecord::Size), 32 * 50);
    for (const Roster& team : rosters()) {
        std::set<int> numbers;
        for (int s = 1; s <= lf::SlotsPerTeam; ++s) {
            const lf::PlayerRecord& p = team.slot(s);
            SCOPED_TRACE(lf::slotLabel(s) + " " + p.displayName());
            EXPECT_EQ(p.position(), lf::groupOfSlot(s).code);
            EXPECT_FALSE(p.firstName().empty());
            EXPECT_FALSE(p.lastName().empty());
            EXPECT_TRUE(numbers.insert(p.number()).second) << p.number();
            EXPECT_GE(p.number(), 1);
            EXPECT_LE(p.number(), 99);
            EXPECT_GE(p.years(), 0);
            EXPECT_LE(p.years(), 15);
            const std::string ratings(p.ratingsText());
            for (int k = 0; k < r::Count; ++k) EXPECT_TRUE(ratings[k] >= '0' && ratings[k] <= '5') << ratings;
            EXPECT_EQ(ratings[15], ' ');
            EXPECT_EQ(p.injury(), 0);
        }
    }
}

TEST(PlayerTemplates, RatingsFitThePositionsAndStartersLeadBackups) {
    const std::vector<Roster> teams = rosters();
    // League average of a rating at a slot.
    auto average = [&](int slot, int rating) {
        double sum = 0;
        for (const Roster& t : teams) sum += t.slot(slot).rating(rating);
        return sum / teams.size();
    };
    struct Skill {
        const char* what;
        int starter, backup, rating;
    };
    const Skill skills[] = {{"QB passing", 1, 2, r::PAS}, {"HB running", 6, 8, r::RUN}, {"WR catching", 10, 14, r::CAT},
                            {"TE blocking", 16, 18, r::RBK}, {"OT pass blocking", 24, 26, r::PBK},
                            {"DE blitzing", 27, 29, r::BLZ}, {"DT run defence", 31, 33, r::RDF},
                            {"LB run defence", 34, 38, r::RDF}, {"CB pass defence", 41, 44, r::PDF},
                            {"SA pass defence", 45, 48, r::PDF}};
    for (const Skill& s : skills) {
        SCOPED_TRACE(s.what);
        EXPECT_GE(average(s.starter, s.rating), 3.0);
        EXPECT_GT(average(s.starter, s.rating), average(s.backup, s.rating) + 0.3);
    }
    // Linemen do not catch and receivers do not tackle; every team has its specialists.
    for (const Roster& t : teams) {
        for (int s = 19; s <= 26; ++s) EXPECT_EQ(t.slot(s).rating(r::CAT), 0);
        for (int s = 10; s <= 15; ++s) EXPECT_EQ(t.slot(s).rating(r::RDF), 0);
        EXPECT_GE(t.slot(49).rating(r::KIK), 2);
        EXPECT_GE(t.slot(50).rating(r::PNT), 2);
        int kickReturners = 0;
        for (int s = 1; s <= 50; ++s) kickReturners += t.slot(s).rating(r::KRT) > 0;
        EXPECT_GE(kickReturners, 2);
        EXPECT_TRUE(std::any_of(t.players.begin(), t.players.end(), [](const lf::PlayerRecord& p) { return p.rating(r::PRT) > 0; }));
    }
    // Teams differ in strength: the starters' ratings of the best team clearly top the worst.
    std::vector<int> talent;
    for (const Roster& t : teams) {
        int sum = 0;
        for (int s : {1, 4, 6, 7, 10, 11, 12, 16, 19, 21, 22, 24, 25, 27, 28, 31, 32, 34, 35, 36, 37, 41, 42, 43, 45, 46, 47})
            for (int k = 1; k <= r::Count; ++k) sum += t.slot(s).rating(k);
        talent.push_back(sum);
    }
    EXPECT_GT(*std::max_element(talent.begin(), talent.end()), *std::min_element(talent.begin(), talent.end()) * 11 / 10);
}

TEST(NameLists, HoldManyPaddedNamesEachOnce) {
    struct List {
        const char* file;
        int atLeast;
    };
    for (const List l : {List{"name1.rdm", 400}, List{"name2.rdm", 800}}) {
        SCOPED_TRACE(l.file);
        const std::string bytes = lf::readFile(shipped::file(l.file));
        ASSERT_EQ(bytes.size() % 10, 0u);
        const int size = lf::nameListSize(shipped::file(l.file));
        EXPECT_GE(size, l.atLeast);
        std::set<std::string> seen;
        for (int k = 1; k <= size; ++k) {
            const std::string name = lf::drawName(shipped::file(l.file), [k](int) { return k; });
            ASSERT_EQ(name.size(), 10u);
            const size_t end = name.find_last_not_of(' ');
            ASSERT_NE(end, std::string::npos) << "an empty name at " << k;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
            EXPECT_TRUE(seen.insert(name).second) << name;
        }
    }
}

}  // namespace
