// The outcome tables and vocabulary files of the game, read from the league
// directory once before a game and never changed afterwards.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "leaguefiles/random.h"

namespace fb {

// A cumulative table over indices first..last: value(i) is the running total
// of the weights up to i, the last value the total weight.
struct Cumulative {
  int first = 0;
  std::vector<int> values;   // values[i - first]
  int last() const { return first + static_cast<int>(values.size()) - 1; }
  int at(int i) const { return values[i - first]; }
};

// r = uniform 1..value(z); the first index i of a..z-1 with value(i) >= r,
// else z.
int drawCumulative(lf::Random& rnd, const Cumulative& t, int a, int z);

// Run, quick-pass and fullback-style tables come in pairs: a short table
// (1..35 or 1..30) and a long one (-2..47 or -2..46).
struct TablePair {
  Cumulative shortTable;
  Cumulative longTable;
};

struct Tables {
  // strategy[time 1..5][score 1..7][field 1..5][down 1..4][distance 1..4]
  std::array<std::array<std::array<std::array<std::array<int, 5>, 5>, 6>, 8>, 6> strategy{};
  // matchup[offensive play row 1..27][defensive play 1..25]
  std::array<std::array<int, 26>, 28> matchup{};
  std::array<std::string, 11> formations;        // 1..10, 6 characters
  std::array<std::string, 28> offensivePlays;    // rows 1..27, 16 characters
  std::array<std::string, 8> defensiveFormations;  // 1..7, 6 characters
  std::array<std::string, 26> defensivePlays;    // 1..25, 14 characters
  std::array<std::string, 28> offensivePlayTitles;   // the same names trimmed
  std::array<std::string, 26> defensivePlayTitles;
  // rushing[index 1..35][edge -4..4 at 0..8]
  std::array<std::array<int, 9>, 36> rushing{};
  // quick and screen pass results [index 1..30][edge -3..3 at 0..6]
  std::array<std::array<int, 7>, 31> quickChart{};
  std::array<std::array<int, 7>, 31> screenChart{};
  Cumulative scramble;                          // -1..41
  TablePair fbPlunge, hbPlunge, qbPlunge;       // S 1..35, L -2..47
  TablePair fbOffTackle, hbOffTackle, qbOffTackle;
  TablePair fbEndRun, hbEndRun, qbEndRun;
  TablePair wrQuick, teQuick, hbQuick, fbQuick; // S 1..30, L -2..46
  Cumulative qbShort, qbLong;                   // 1..23
  Cumulative hbOption;                          // 1..23
  Cumulative wrShort, teShort, fbShort, hbShort;  // 1..33
  Cumulative wrLong, teLong, hbLong;            // 1..29
  Cumulative sackNormal, sackBlitz;             // -2..20
  Cumulative intShort, intLong;                 // 0..47
  Cumulative kickoffReturn;                     // 0..47
  Cumulative puntReturn;                        // -1..47
  Cumulative punting;                           // 12..66
  Cumulative puntIn40;                          // 1..40
  // reverse[dice sum 3..18][gain class 1..6]
  std::array<std::array<int, 7>, 19> reverse{};
};

// Reads every table file from dir (names found without regard to case).
// lf::FileError names the file and the value that failed.
Tables loadTables(const std::filesystem::path& dir);

}  // namespace fb
