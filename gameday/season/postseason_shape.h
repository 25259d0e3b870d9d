#pragma once
// The shape of a league's postseason, fixed by its team count: how many division winners,
// wild cards and seeds each conference sends, which weeks after the regular season hold a
// round, and what the week display calls them.
#include <string>

namespace season {

struct PostseasonShape {
    int teams = 0;              // N
    int divisions = 0;          // D
    int perDivision = 0;        // T
    int divisionsPerConference = 0;
    int wildCards = 0;          // per conference
    int seeds = 0;              // per conference
    int rounds = 0;             // week offsets 1..rounds hold a round
    int championshipOffset = 0; // the week offset of the STELLAR BOWL
};

// The shape of an N-team league; lf::FileError for a team count no league has, since only
// a damaged league file can carry one.
PostseasonShape postseasonShape(int teams);

// True when week offset d (week - W) holds a round for this league size.
bool isRound(const PostseasonShape& shape, int offset);

// Heading of a postseason week; "PLAYOFFS" where the size has no name for the offset.
std::string roundName(int teams, int offset);

// Division (1-based) and conference (1 or 2) of team t.
int divisionOf(const PostseasonShape& shape, int team);
int conferenceOf(const PostseasonShape& shape, int team);

}  // namespace season
