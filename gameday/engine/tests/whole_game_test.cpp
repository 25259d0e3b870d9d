// Whole games with the computer coaching both sides: the game's own
// bookkeeping must agree with itself, game after game.
#include <gtest/gtest.h>

#include "gameday/engine/game.h"
#include "gameday/engine/tests/test_tables.h"

namespace {

TEST(WholeGame, PlaysToTheEnd) {
  fb::AutoSeam seam;
  fb::GameState g;
  lf::Random rnd(7);
  const auto end = fb::playGame(g, fbtest::setup(), fbtest::tables(), rnd, seam);
  EXPECT_EQ(end, fb::GameEnd::Finished);
  EXPECT_TRUE(g.gameOver);
  EXPECT_GT(g.events.size(), 50u);
}

}  // namespace
