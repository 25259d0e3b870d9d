#pragma once
// Narrowing a group of teams to one: chains of measures, each keeping the teams with the
// highest value, ending in a random draw.
#include <span>
#include <vector>

#include "gameday/season/standings.h"
#include "leaguefiles/random.h"

namespace season {

enum class Measure {
    Points,              // P
    HeadToHead,          // games among the group, skipped unless every pair has met
    HeadToHeadOfTwo,     // the same, only for a group of exactly two
    DivisionPercentage,  // code percentage of DC
    ConferencePercentage,  // code percentage of CC
    DivisionNetPoints,   // DN
    NetPoints,           // NP
    Strength,            // SS
    NetTouchdowns,       // NT
    Draw,                // 0..999 per team, redrawn until one is alone on top
};

using Group = std::vector<int>;  // team numbers, in the order the rules give

extern const std::vector<Measure> kDivisionChain;
extern const std::vector<Measure> kSeedingChain;
extern const std::vector<Measure> kFinalChain;

// Applies one measure to a group of more than one team; returns the teams with the highest
// value in their order, or the group unchanged when the measure does not apply to it.
Group narrow(const Group& group, Measure measure, const Standings& st, lf::Random& random);

// Applies the measures in order while more than one team is left; returns the one team
// (0 for an empty group).
int breakTie(const Group& group, std::span<const Measure> chain, const Standings& st,
             lf::Random& random);

// The best k of the candidates, best first: the seeding chain picks one at a time from
// those still left.
Group rankTeams(Group candidates, int k, const Standings& st, lf::Random& random);

}  // namespace season
