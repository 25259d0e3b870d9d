// Whole computer-against-computer games with the shipped outcome tables.
#include <benchmark/benchmark.h>

#include <string>

#include "gameday/engine/game.h"

namespace {

fb::GameSetup benchSetup() {
  static const char* const kPositions[50] = {
      "QB", "QB", "QB", "FB", "FB", "HB", "HB", "HB", "HB", "WR", "WR", "WR", "WR",
      "WR", "WR", "TE", "TE", "TE", "CE", "CE", "OG", "OG", "OG", "OT", "OT", "OT",
      "DE", "DE", "DE", "DE", "DT", "DT", "DT", "LB", "LB", "LB", "LB", "LB", "LB",
      "LB", "CB", "CB", "CB", "CB", "SA", "SA", "SA", "SA", "KI", "PU"};
  fb::GameSetup s;
  for (int side = 1; side <= 2; ++side) {
    s.teamNumber[side] = side;
    s.team[side].setCity(side == 1 ? "Easton" : "Weston");
    s.team[side].setNickname(side == 1 ? "Comets" : "Rangers");
    s.team[side].setCode(side == 1 ? "EAS" : "WES");
    s.team[side].setCoach("Coach");
    s.team[side].setStadium("Stadium");
    s.team[side].setSettings("222222");
    for (int i = 0; i < 50; ++i) {
      lf::PlayerRecord& p = s.players[side][i];
      p.setPosition(kPositions[i]);
      p.setFirstName("Player");
      p.setLastName("Number" + std::to_string(i + 1));
      std::array<int, 15> r{};
      for (int k = 0; k < 15; ++k) r[k] = (i * 7 + k * 3 + side) % 5 + 1;
      p.setRatings(r);
      p.setInjury(0);
    }
  }
  return s;
}

void WholeGames(benchmark::State& state) {
  const fb::Tables tables = fb::loadTables(std::string(VELTRAN_SOURCE_DIR) + "/data");
  const fb::GameSetup setup = benchSetup();
  fb::AutoSeam seam;
  lf::Random rnd(12345);
  fb::GameState g;
  for (auto _ : state) {
    fb::playGame(g, setup, tables, rnd, seam);
    benchmark::DoNotOptimize(g.side[1].score);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WholeGames)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
