#pragma once
// The statistics index: one numbering of game statistics shared by the team record
// (elements 0..100), the player record (0..80), the game state, box scores and reports.
#include <array>

namespace lf::stat {

inline constexpr int RushAttempts = 1;
inline constexpr int RushYards = 2;
inline constexpr int RushTouchdowns = 3;
inline constexpr int LongestRush = 4;
inline constexpr int Receptions = 5;
inline constexpr int ReceivingYards = 6;
inline constexpr int ReceivingTouchdowns = 7;
inline constexpr int LongestReception = 8;
inline constexpr int PassAttempts = 9;
inline constexpr int Completions = 10;
inline constexpr int InterceptionsThrown = 11;
inline constexpr int PassingYards = 12;
inline constexpr int PassingTouchdowns = 13;
inline constexpr int LongestPass = 14;
inline constexpr int TimesSacked = 15;
inline constexpr int SackYardsLost = 16;  // stored negative
inline constexpr int SacksMade = 17;
inline constexpr int InterceptionsMade = 18;
inline constexpr int InterceptionReturnYards = 19;
inline constexpr int InterceptionReturnTouchdowns = 20;
inline constexpr int LongestInterceptionReturn = 21;
inline constexpr int Punts = 22;
inline constexpr int PuntingYards = 23;
inline constexpr int PuntsBlocked = 24;
inline constexpr int OppPuntReturns = 25;
inline constexpr int OppPuntReturnYards = 26;
inline constexpr int OppFairCatches = 27;
inline constexpr int PuntTouchbacks = 28;
inline constexpr int PuntsInside20 = 29;
inline constexpr int LongestPunt = 30;
inline constexpr int PuntReturns = 31;
inline constexpr int PuntReturnYards = 32;
inline constexpr int PuntReturnTouchdowns = 33;
inline constexpr int FairCatches = 34;
inline constexpr int LongestPuntReturn = 35;
inline constexpr int KickoffReturns = 36;
inline constexpr int KickoffReturnYards = 37;
inline constexpr int KickoffReturnTouchdowns = 38;
inline constexpr int LongestKickoffReturn = 39;
inline constexpr int FieldGoalsMade = 40;
inline constexpr int FieldGoalsAttempted = 41;
inline constexpr int FieldGoalsMade0to19 = 42;
inline constexpr int FieldGoalsAttempted0to19 = 43;
inline constexpr int FieldGoalsMade20to29 = 44;
inline constexpr int FieldGoalsAttempted20to29 = 45;
inline constexpr int FieldGoalsMade30to39 = 46;
inline constexpr int FieldGoalsAttempted30to39 = 47;
inline constexpr int FieldGoalsMade40to49 = 48;
inline constexpr int FieldGoalsAttempted40to49 = 49;
inline constexpr int FieldGoalsMade50Plus = 50;
inline constexpr int FieldGoalsAttempted50Plus = 51;
inline constexpr int FieldGoalsBlocked = 52;
inline constexpr int LongestFieldGoal = 53;
inline constexpr int ExtraPointsMade = 54;
inline constexpr int ExtraPointsAttempted = 55;
inline constexpr int ExtraPointsBlocked = 56;
inline constexpr int Fumbles = 57;
inline constexpr int OwnFumblesRecovered = 58;
inline constexpr int FumbleReturnYards = 59;
inline constexpr int OppFumblesRecovered = 60;
inline constexpr int FumbleReturnTouchdowns = 61;
inline constexpr int LongestFumbleReturn = 62;
inline constexpr int DefPuntsBlocked = 63;
inline constexpr int DefFieldGoalsBlocked = 64;
inline constexpr int DefExtraPointsBlocked = 65;
inline constexpr int Safeties = 66;
inline constexpr int TwoPointConversions = 67;
inline constexpr int OtherReturnTouchdowns = 68;
inline constexpr int Tackles = 69;
inline constexpr int BlockedKickReturns = 70;
inline constexpr int BlockedKickReturnYards = 71;
// Team only from here on.
inline constexpr int FirstDownsRushing = 81;
inline constexpr int FirstDownsPassing = 82;
inline constexpr int FirstDownsPenalty = 83;
inline constexpr int PointsQuarter1 = 84;
inline constexpr int PointsQuarter2 = 85;
inline constexpr int PointsQuarter3 = 86;
inline constexpr int PointsQuarter4 = 87;
inline constexpr int PointsOvertime = 88;
inline constexpr int Penalties = 89;
inline constexpr int PenaltyYards = 90;
inline constexpr int PossessionSeconds = 91;
inline constexpr int PossessionMinutes = 92;
inline constexpr int ThirdDownConversions = 93;
inline constexpr int ThirdDownAttempts = 94;
inline constexpr int FourthDownConversions = 95;
inline constexpr int FourthDownAttempts = 96;
inline constexpr int Points = 97;
inline constexpr int Touchdowns = 98;
inline constexpr int Wins = 99;    // opponents' totals hold the losses here
inline constexpr int Ties = 100;

inline constexpr int PlayerLast = 80;  // player statistics are elements 0..80
inline constexpr int TeamLast = 100;   // team totals are elements 0..100

// A maximum-type index holds this until its first value.
inline constexpr int None = -999;

// Indices that hold the largest single value instead of a sum.
inline constexpr std::array<int, 9> MaxTypes{LongestRush,  LongestReception, LongestPass,
                                             LongestInterceptionReturn,     LongestPunt,
                                             LongestPuntReturn,             LongestKickoffReturn,
                                             LongestFieldGoal,              LongestFumbleReturn};

constexpr bool isMaxType(int index) {
    for (int m : MaxTypes)
        if (m == index) return true;
    return false;
}

// The value a report shows: "none yet" shows as 0.
constexpr int display(int value) { return value == None ? 0 : value; }

}  // namespace lf::stat
