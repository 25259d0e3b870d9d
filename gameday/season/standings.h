#pragma once
// The standings values the postseason tie-breakers compare, taken from the season totals
// and head-to-head tallies of every team record.
#include <array>
#include <vector>

#include "gameday/season/postseason_shape.h"

namespace season {

// What the tie-breakers read of one team record.
struct TeamStanding {
    int wins = 0;               // own totals[99]
    int ties = 0;               // own totals[100]
    int points = 0;             // own totals[97]
    int pointsAgainst = 0;      // opponents' totals[97]
    int touchdowns = 0;         // own totals[98]
    int touchdownsAgainst = 0;  // opponents' totals[98]
    std::array<int, 33> headToHead{};        // element s: 200 per win, 2 per loss, 101 per tie
    std::array<int, 33> headToHeadPoints{};  // element s: net points against team s
};

struct Standings {
    PostseasonShape shape;
    std::vector<TeamStanding> teams;  // element t is team t; element 0 unused
};

int standingPoints(const Standings& st, int t);                  // P
int netPoints(const Standings& st, int t);                       // NP
int netTouchdowns(const Standings& st, int t);                   // NT
int headToHead(const Standings& st, int t, int s);               // H
int headToHeadPoints(const Standings& st, int t, int s);         // HN
int divisionCode(const Standings& st, int t);                    // DC
int divisionNetPoints(const Standings& st, int t);               // DN
int conferenceCode(const Standings& st, int t);                  // CC
int strengthOfSchedule(const Standings& st, int t);              // SS

// A head-to-head code read as a winning percentage 0..1000: wins are the whole 200s, the
// rest counts against. With `zeroRule` a code of 0 reads as 0 (no games, no percentage).
int codePercentage(int code, bool zeroRule = true);

}  // namespace season
