// The won-lost-tied tables of every division, laid out on a character grid; shared by
// the viewer and the live standings window.
#pragma once

#include <string>
#include <vector>

#include "leaguefiles/team_record.h"
#include "tally/league_view.h"

namespace tally {

// A line of text at a character column and line, counted from 1 at the top left.
struct PlacedLine {
    int column;
    int line;
    std::string text;
};

struct StandingsTable {
    std::vector<PlacedLine> headers;    // one per division
    std::vector<PlacedLine> teamLines;  // one per position 1..N, in display order
    std::vector<int> order;             // team shown at each position
};

// (won + tied / 2) / games in whole percent, halves to even; 0 without a game.
int winningPct(int won, int lost, int tied);

// Reloads the names from the team records, then ranks each division on its percentage.
StandingsTable buildStandings(LeagueView& view, const std::vector<lf::TeamRecord>& teams);
// The same from the team file as it is now.
StandingsTable readStandings(LeagueView& view);

// Printed form: per division its header, its team lines, then a single-blank line.
std::vector<std::string> standingsPrintLines(const StandingsTable& table, int teamsPerDivision);
std::string standingsPrintFile(const LeagueView& view);

// The standings as a text file: an empty line, then the lines, with no title line;
// appended to the file or replacing it. FileError (nothing written) when it cannot be.
void writeStandingsFile(const std::filesystem::path& file, bool append,
                        const std::vector<std::string>& lines);

}  // namespace tally
