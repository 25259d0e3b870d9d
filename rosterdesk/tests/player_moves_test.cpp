#include <gtest/gtest.h>

#include <unistd.h>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/fixed_field.h"
#include "rosterdesk/depth_moves.h"
#include "rosterdesk/league_store.h"
#include "rosterdesk/ratings_form.h"
#include "rosterdesk/trade.h"
#include "rosterdesk/tests/small_league.h"

namespace fs = std::filesystem;
using namespace newedit;
using testsupport::samplePlayer;

namespace {

std::vector<lf::PlayerRecord> team(int t) {
    std::vector<lf::PlayerRecord> players;
    for (int s = 1; s <= lf::SlotsPerTeam; ++s) players.push_back(samplePlayer(t, s));
    return players;
}

TEST(DepthChartDrops, DropExchangesOnlyPlayersOfOnePosition) {
    std::vector<lf::PlayerRecord> players = team(2);
    EXPECT_TRUE(dropPlayer(players, 8, 6));  // HB3 onto HB1
    EXPECT_EQ(players[5].bytes, samplePlayer(2, 8).bytes);
    EXPECT_EQ(players[7].bytes, samplePlayer(2, 6).bytes);

    const std::vector<lf::PlayerRecord> before = players;
    EXPECT_FALSE(dropPlayer(players, 1, 4));  // a quarterback onto a fullback
    EXPECT_FALSE(dropPlayer(players, 3, 3));
    EXPECT_FALSE(dropPlayer(players, 0, 2));
    for (size_t i = 0; i < players.size(); ++i) EXPECT_EQ(players[i].bytes, before[i].bytes);
}

TEST(DepthChartDrops, FirstStringSlots) {
    std::string marks;
    for (int s = 1; s <= lf::SlotsPerTeam; ++s) marks += isFirstString(s) ? 'X' : '.';
    // QB FB HB WR TE CE OG OT DE DT LB CB SA KI PU
    EXPECT_EQ(marks, "X.." "X." "XX.." "XXXX.." "XX." "X." "XX." "XX." "XX.." "XX." "XXXX..." "XXX."
                     "XXX." "X" "X");
}

TEST(RatingsForm, StoresEditsAndKeepsWhatTheFormDoesNotShow) {
    lf::PlayerRecord player = samplePlayer(1, 2);
    player.setInjuryText("    ");
    player.setRatingsText("1234501234501234");
    player.bytes[45] = 'Q';  // spare text
    RatingsForm form = ratingsFormOf(player);
    EXPECT_EQ(form.injury, 0);
    EXPECT_EQ(form.position, "QB");
    form.firstName = "Bartholomew";
    form.lastName = "Li";
    form.years = 30;
    form.ratings = {5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3};
    lf::PlayerRecord edited = player;
    applyRatingsForm(edited, form);
    EXPECT_EQ(lf::rawText(edited.bytes.data(), 2, 20), "BartholomeLi        ");
    EXPECT_EQ(edited.years(), 30);
    EXPECT_EQ(edited.ratingsText(), "543210123450123 ");
    EXPECT_EQ(edited.injuryText(), "    ");  // slider not moved
    for (size_t b : {0, 1, 22, 23, 42, 45, 53, 58, 61, 219}) EXPECT_EQ(edited.bytes[b], player.bytes[b]) << b;

    form.injury = 12;
    form.injuryMoved = true;
    applyRatingsForm(edited, form);
    EXPECT_EQ(edited.injuryText(), " 12 ");
    EXPECT_EQ(edited.injury(), 12);
}

TEST(RatingsForm, OpeningValuesStayWithinTheSliders) {
    lf::PlayerRecord player = samplePlayer(1, 5);
    player.setYears(44);
    player.setRatingsText("9x3");
    player.setInjuryText("250");
    const RatingsForm form = ratingsFormOf(player);
    EXPECT_EQ(form.years, 30);
    EXPECT_EQ(form.injury, 100);
    EXPECT_EQ(form.ratings[0], 5);
    EXPECT_EQ(form.ratings[1], 0);
    EXPECT_EQ(form.ratings[2], 3);
}

TEST(TradeBoxes, FillInTurnAndRefuseOneTeam) {
    TradeBoxes boxes;
    EXPECT_TRUE(tradeRefusal(boxes));
    pickLine(boxes, "T1   F1s1 L1s1                1   1 1 2 3");
    EXPECT_EQ(boxes.first, "T1   F1s1 L1s1           ");
    EXPECT_EQ(*tradeRefusal(boxes), "You must select 2 different players from 2 different teams!");
    pickLine(boxes, "T1   F1s2 L1s2                2   2 1 2 3");
    EXPECT_TRUE(tradeRefusal(boxes));  // same team code
    boxes.second.clear();
    pickLine(boxes, "T2   F2s1 L2s1                1   1 1 2 3");
    pickLine(boxes, "T3   F3s1 L3s1                1   1 1 2 3");  // both filled: ignored
    EXPECT_EQ(boxes.second, "T2   F2s1 L2s1           ");
    EXPECT_FALSE(tradeRefusal(boxes));
    EXPECT_EQ(tradeQuestion("A", "B"),
              "     The following trade has been suggested:\r\rA\rB\r\r     Do you wish to make this trade?");
}

using EditorFiles = testsupport::SmallLeague;

TEST_F(EditorFiles, TradeListAndExchangeOfTwoQuarterbacks) {
    const LeagueStore store = LeagueStore::open(dir);
    const TradeList list = tradeList(store.readTeams(), store.readPosition("QB"));
    ASSERT_EQ(list.lines.size(), 24u);
    EXPECT_EQ(list.records[3], 51);
    EXPECT_EQ(list.lines[3].substr(0, 25), "T2   F2s1 L2s1           ");
    EXPECT_EQ(findLine(list, "T2   F2s1 L2s1           "), 3);
    EXPECT_EQ(findLine(list, "T9   nobody               "), -1);

    const auto before = playerFile();
    store.exchangePlayers(list.records[0], list.records[5]);  // team 1 QB1 and team 2 QB3
    const auto after = playerFile();
    ASSERT_EQ(after.size(), before.size());
    for (size_t r = 0; r < after.size(); ++r) {
        const size_t source = r == 0 ? 52 : r == 52 ? 0 : r;
        ASSERT_EQ(after[r].bytes, before[source].bytes) << "record " << r + 1;
    }
}

TEST_F(EditorFiles, TeamPlayersWrittenBackInPlace) {
    const LeagueStore store = LeagueStore::open(dir);
    std::vector<lf::PlayerRecord> players = store.readTeamPlayers(3);
    ASSERT_EQ(players.size(), 50u);
    EXPECT_EQ(players[0].bytes, samplePlayer(3, 1).bytes);
    dropPlayer(players, 8, 6);
    const auto before = playerFile();
    store.writeTeamPlayers(3, players);
    const auto after = playerFile();
    for (size_t r = 0; r < after.size(); ++r) {
        const size_t source = r == 105 ? 107 : r == 107 ? 105 : r;
        ASSERT_EQ(after[r].bytes, before[source].bytes) << "record " << r + 1;
    }
}

}  // namespace
