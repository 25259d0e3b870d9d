// Player statistic lists: one builder per category, shared by the leaders and the
// team report, plus the passer rating.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tally {

// Statistics by index (player 1..80, team 1..100). Lists also read three derived
// columns: 72 rushing, 73 receiving and 74 return touchdowns.
using Stats = std::array<long long, 101>;

struct StatRow {
    std::string label;
    Stats s{};
};

enum class Category {
    Rushing,
    Receiving,
    Passing,
    Sacks,
    Interceptions,
    Punting,
    KickReturns,
    PuntReturns,
    Tackles,
    Touchdowns,
    FieldGoals,
};

// Fills the derived touchdown columns 72, 73 and 74 from the plain statistics.
void deriveTouchdowns(Stats& s);

double passerRating(const Stats& s);

std::vector<std::string> categoryHeader(Category category);
bool categoryShows(Category category, const Stats& s);
long long categoryKey(Category category, const Stats& s);
// The list line of one player or total row; `name` goes through the 14-character field.
std::string categoryLine(Category category, const std::string& name, const Stats& s);

// Sorts order (indices into rows) on the category's key and returns the list: an
// optional single-blank line, the header, then a line for every row that shows.
std::vector<std::string> listCategory(Category category, const std::vector<StatRow>& rows,
                                      std::vector<int>& order);

// Fumbles and extra points are listed in roster order without a sort.
std::vector<std::string> fumblesHeader();
bool fumblesShows(const Stats& s);
std::string fumblesLine(const std::string& name, const Stats& s);
std::vector<std::string> extraPointsHeader();
bool extraPointsShows(const Stats& s);
std::string extraPointsLine(const std::string& name, const Stats& s);

}  // namespace tally
