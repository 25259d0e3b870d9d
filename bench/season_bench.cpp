// A whole 32-team season, postseason included, played and saved game by game the way
// simseason plays it; a fresh league is made from the shipped data for every iteration.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "commissioner/league_creation.h"
#include "gameday/engine/tables.h"
#include "tools/simseason/install_data.h"
#include "tools/simseason/league_play.h"

namespace {

namespace fs = std::filesystem;

void WholeSeason(benchmark::State& state) {
  const fs::path dir =
      fs::temp_directory_path() / ("season-bench-" + std::to_string(getpid()));
  lf::Random random(2026);
  long long games = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(dir);
    fs::create_directories(dir);
    simseason::installData(fs::path(VELTRAN_SOURCE_DIR) / "data", dir);
    commish::NewLeague request;
    request.league.teams = 32;
    request.name = "BENCH";
    commish::createLeague(dir, request, random);
    state.ResumeTiming();

    const fb::Tables tables = fb::loadTables(dir);
    std::string stopReason;
    while (simseason::playNextGame(dir, tables, random, stopReason)) ++games;
  }
  fs::remove_all(dir);
  state.counters["games"] = benchmark::Counter(static_cast<double>(games),
                                               benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
