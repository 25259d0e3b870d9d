#include "gameday/season/game_choice.h"

#include <gtest/gtest.h>

namespace season {
namespace {

TEST(ExhibitionChoice, ListsTeamsByPaddedNameInExchangeOrder) {
    // "Comet" pads with blanks and sorts before "Comets"; the exchange leaves the two
    // "Stars" as team 5 before team 1.
    const TeamNames names{"", "Stars", "Comets", "Rockets", "Comet", "Stars", "Astros"};
    EXPECT_EQ(exhibitionOrder(names), (std::vector<int>{6, 4, 2, 3, 5, 1}));
}

TEST(ExhibitionChoice, NeedsBothTeamsAndDrawsARegularSeasonWeek) {
    const TeamNames names{"", "Stars", "Comets", "Rockets"};
    lf::Random random = lf::Random::scripted({{14, 9}});
    EXPECT_FALSE(exhibitionGame(2, 0, names, 14, random));
    EXPECT_FALSE(exhibitionGame(0, 0, names, 14, random));

    const std::optional<GameChoice> game = exhibitionGame(3, 3, names, 14, random);
    ASSERT_TRUE(game);  // a team may play itself
    EXPECT_EQ(game->visitorTeam, 3);
    EXPECT_EQ(game->homeTeam, 3);
    EXPECT_EQ(game->visitorName, "Rockets");
    EXPECT_EQ(game->week, 9);
    EXPECT_EQ(game->gameType, RegularSeasonGame);
    EXPECT_TRUE(game->exhibition);
    EXPECT_EQ(random.remaining(), 0u);
}

}  // namespace
}  // namespace season
