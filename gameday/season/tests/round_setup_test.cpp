#include "gameday/season/round_setup.h"

#include <gtest/gtest.h>

#include "gameday/season/tests/league_fixture.h"

namespace season {
namespace {

using testing::standingsWithWins;

struct Slot {
    int slot;
    char status;
    int visitor;
    int home;
};
Slot marker() { return {1, 'P', 0, 0}; }
Slot bye(int slot, int team) { return {slot, 'P', 0, team}; }
Slot game(int slot, int visitor, int home) { return {slot, '-', visitor, home}; }

enum class Won { Home, Visitor };
struct Result {
    int slot;
    Won won;
};

struct Round {
    std::vector<Slot> setUp;       // every record the round writes
    std::vector<Result> results;   // then the games of the round are played
};

struct SizeCase {
    int teams;
    std::vector<int> wins;  // team t has wins[t - 1]; no ties, so no draws are needed
    std::vector<Round> rounds;
};

// Seeds by hand from the wins below. 24: seeds 3 6 12 | 1 4 and 19 14 23 | 17 24 (division
// winners before wild cards with more wins). 30: 9 15 2 | 14 8 13 and 30 21 17 | 28 29 20.
// 32: 16 6 9 1 | 15 14 and 32 22 25 17 | 31 30.
const SizeCase kCases[] = {
    {8, {5, 9, 3, 7, 8, 2, 10, 1}, {{{marker(), game(2, 2, 7)}, {}}}},
    {16,
     {3, 11, 6, 8, 12, 4, 9, 1, 7, 2, 10, 5, 13, 0, 14, 6},
     {{{marker(), game(2, 2, 5), game(6, 11, 15)}, {{2, Won::Visitor}, {6, Won::Home}}},
      {{marker(), game(2, 2, 15)}, {}}}},
    {24,
     {10, 4, 12, 9, 6, 11, 3, 2, 5, 7, 1, 8, 2, 13, 7, 5, 9, 1, 14, 3, 6, 4, 10, 8},
     {{{bye(1, 3), bye(2, 6), bye(3, 12), game(4, 4, 1), bye(5, 19), bye(6, 14), bye(7, 23),
        game(8, 24, 17)},
       {{4, Won::Visitor}, {8, Won::Home}}},
      {{marker(), game(2, 4, 3), game(3, 12, 6), game(6, 17, 19), game(7, 23, 14)},
       {{2, Won::Home}, {3, Won::Visitor}, {6, Won::Visitor}, {7, Won::Home}}},
      {{marker(), game(2, 12, 3), game(6, 17, 14)}, {{2, Won::Visitor}, {6, Won::Home}}},
      {{marker(), game(2, 12, 14)}, {}}}},
    {30,
     {3, 9, 5, 1, 7, 6, 2, 10, 14, 4, 7, 0, 8, 11, 13,
      4, 11, 2, 6, 9, 13, 1, 8, 5, 3, 7, 0, 12, 10, 14},
     {{{bye(1, 9), bye(2, 15), game(3, 13, 2), game(4, 8, 14), bye(5, 30), bye(6, 21),
        game(7, 20, 17), game(8, 29, 28)},
       {{3, Won::Home}, {4, Won::Home}, {7, Won::Visitor}, {8, Won::Visitor}}},
      // Wild card 14 (11 wins) comes out ahead of division winner 2 (9 wins): 2 goes to
      // seed 1.
      {{marker(), game(2, 2, 9), game(3, 14, 15), game(6, 20, 30), game(7, 29, 21)},
       {{2, Won::Home}, {3, Won::Visitor}, {6, Won::Visitor}, {7, Won::Home}}},
      {{marker(), game(2, 14, 9), game(6, 20, 21)}, {{2, Won::Home}, {6, Won::Visitor}}},
      {{marker(), game(2, 20, 9)}, {}}}},
    {32,
     {8, 3, 1, 5, 2, 13, 9, 4, 11, 10, 0, 6, 7, 12, 14, 15,
      8, 3, 1, 5, 2, 13, 9, 4, 11, 10, 0, 6, 7, 12, 14, 15},
     {{{bye(1, 16), bye(2, 6), game(3, 14, 9), game(4, 15, 1), bye(5, 32), bye(6, 22),
        game(7, 30, 25), game(8, 31, 17)},
       {{3, Won::Home}, {4, Won::Visitor}, {7, Won::Visitor}, {8, Won::Home}}},
      {{marker(), game(2, 9, 16), game(3, 15, 6), game(6, 17, 32), game(7, 30, 22)},
       {{2, Won::Visitor}, {3, Won::Home}, {6, Won::Home}, {7, Won::Visitor}}},
      {{marker(), game(2, 9, 6), game(6, 30, 32)}, {{2, Won::Visitor}, {6, Won::Home}}},
      {{marker(), game(2, 9, 32)}, {}}}},
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.teams; }

class RoundSetUp : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RoundSetUp, EveryRoundPutsTheRightRecordInEachSlot) {
    const SizeCase& c = GetParam();
    const Standings st = standingsWithWins(c.teams, c.wins);
    lf::Random random = lf::Random::scripted({});
    std::vector<lf::ScheduleRecord> previous;
    for (size_t r = 0; r < c.rounds.size(); ++r) {
        SCOPED_TRACE("round " + std::to_string(r + 1));
        const RoundPlan plan = planRound(st, static_cast<int>(r) + 1, previous, random);
        ASSERT_TRUE(plan.ready);
        EXPECT_EQ(plan.announce, r == 0);
        std::vector<Slot> got;
        for (const auto& [slot, rec] : plan.slots) {
            got.push_back({slot, rec.status(), rec.visitor(), rec.home()});
            const bool isGame = rec.status() == '-';
            EXPECT_EQ(rec.visitorScore(), 0) << "slot " << slot;
            EXPECT_EQ(rec.homeScore(), isGame ? 0 : 1) << "slot " << slot;
        }
        ASSERT_EQ(got.size(), c.rounds[r].setUp.size());
        for (size_t i = 0; i < got.size(); ++i) {
            const Slot& want = c.rounds[r].setUp[i];
            EXPECT_EQ(got[i].slot, want.slot);
            EXPECT_EQ(got[i].status, want.status) << "slot " << want.slot;
            EXPECT_EQ(got[i].visitor, want.visitor) << "slot " << want.slot;
            EXPECT_EQ(got[i].home, want.home) << "slot " << want.slot;
        }

        // The week as written, then played.
        previous.assign(c.teams / 2, lf::ScheduleRecord::make('-', 0, 0, 0, 0));
        for (const auto& [slot, rec] : plan.slots) previous[slot - 1] = rec;
        for (const Result& res : c.rounds[r].results) {
            lf::ScheduleRecord& g = previous[res.slot - 1];
            g.setStatus('4');
            g.setVisitorScore(res.won == Won::Visitor ? 24 : 17);
            g.setHomeScore(res.won == Won::Home ? 24 : 17);
        }
    }
    EXPECT_EQ(random.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(LeagueSizes, RoundSetUp, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.param.teams); });

TEST(RoundSetUp, RoundBuiltFromAnUnplayedGameIsNotReady) {
    lf::Random random = lf::Random::scripted({});
    const Standings sixteen = standingsWithWins(16, std::vector<int>(16, 0));
    std::vector<lf::ScheduleRecord> week(8, lf::ScheduleRecord::make('-', 0, 0, 0, 0));
    week[0] = markerRecord();
    week[1] = lf::ScheduleRecord::make('4', 2, 5, 10, 20);
    week[5] = gameRecord(11, 15);  // not played yet
    const RoundPlan plan = planRound(sixteen, 2, week, random);
    EXPECT_FALSE(plan.ready);
    EXPECT_TRUE(plan.slots.empty());

    // A slot that should hold a game holds nothing at all.
    const Standings thirty = standingsWithWins(30, std::vector<int>(30, 0));
    std::vector<lf::ScheduleRecord> wildCard(15, lf::ScheduleRecord::make('-', 0, 0, 0, 0));
    wildCard[0] = byeRecord(9);
    wildCard[1] = byeRecord(15);
    wildCard[2] = lf::ScheduleRecord::make('4', 13, 2, 3, 10);
    EXPECT_FALSE(planRound(thirty, 2, wildCard, random).ready);
}

TEST(RoundSetUp, WinnerIsHomeUnlessItScoredLess) {
    EXPECT_EQ(winnerOf(lf::ScheduleRecord::make('4', 3, 8, 20, 21)), 8);
    EXPECT_EQ(winnerOf(lf::ScheduleRecord::make('5', 3, 8, 21, 20)), 3);
    EXPECT_EQ(winnerOf(lf::ScheduleRecord::make('5', 3, 8, 20, 20)), 8);
    EXPECT_EQ(winnerOf(byeRecord(6)), 6);
}

}  // namespace
}  // namespace season
