#pragma once
// Sums over many computer games, and the league averages per team and game that are set
// beside the bands of real pro football.
#include <array>
#include <string>
#include <vector>

#include "gameday/engine/game_state.h"

namespace calibrate {

struct LeagueTotals {
    long long games = 0;
    long long homeWins = 0;
    long long ties = 0;
    long long points = 0;
    std::array<long long, fb::kTeamStatCount + 1> stats{};  // both sides of every game
};

// Adds both sides of a finished game.
void addGame(LeagueTotals& totals, const fb::GameState& g);

struct Figure {
    std::string name;
    double value = 0;  // NaN when no game gave a value
    double low = 0;
    double high = 0;
    bool banded = true;  // false: shown for information, never fails
};

// The figures of the totals, each beside its band, in the order they are printed.
std::vector<Figure> figures(const LeagueTotals& totals);

bool inside(const Figure& f);
bool allInside(const std::vector<Figure>& figures);

// "yards per carry           4.31   3.90 ..   4.60  ok", "OUTSIDE" when it fails.
std::string line(const Figure& f);

}  // namespace calibrate
