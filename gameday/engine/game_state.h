// The one in-memory record of a game: both sides, the field situation, the
// weather, the values of the play being resolved and the two text logs.
// Sides are indexed 1 (visitor) and 2 (home); players, depth slots and
// line-up places are 1-based as well, element 0 is never used.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace fb {

constexpr int kVisitor = 1;
constexpr int kHome = 2;
constexpr int kRosterSize = 50;
constexpr int kPlayerStatCount = 80;   // player statistics 1..80
constexpr int kTeamStatCount = 100;    // team statistics 1..100
constexpr int kNotYet = -999;          // longest-type value before a first play

// Statistics index numbers the engine writes (the shared statistics index).
namespace stat {
constexpr int RushAttempts = 1, RushYards = 2, RushTd = 3, LongRush = 4;
constexpr int Receptions = 5, ReceivingYards = 6, ReceivingTd = 7, LongReception = 8;
constexpr int PassAttempts = 9, Completions = 10, InterceptionsThrown = 11;
constexpr int PassingYards = 12, PassingTd = 13, LongPass = 14;
constexpr int TimesSacked = 15, SackYards = 16, SacksMade = 17;
constexpr int Interceptions = 18, InterceptionYards = 19, InterceptionTd = 20, LongInterception = 21;
constexpr int Punts = 22, PuntYards = 23, PuntsBlocked = 24, PuntsReturned = 25;
constexpr int PuntReturnYardsAllowed = 26, PuntsFairCaught = 27, PuntTouchbacks = 28;
constexpr int PuntsInside20 = 29, LongPunt = 30;
constexpr int PuntReturns = 31, PuntReturnYards = 32, PuntReturnTd = 33, FairCatches = 34;
constexpr int LongPuntReturn = 35;
constexpr int KickoffReturns = 36, KickoffReturnYards = 37, KickoffReturnTd = 38;
constexpr int LongKickoffReturn = 39;
constexpr int FieldGoals = 40, FieldGoalAttempts = 41;   // 42..51 made/attempted by band
constexpr int FieldGoalsBlocked = 52, LongFieldGoal = 53;
constexpr int ExtraPoints = 54, ExtraPointAttempts = 55, ExtraPointsBlocked = 56;
constexpr int Fumbles = 57, OwnFumblesRecovered = 58, FumbleReturnYards = 59;
constexpr int OpponentFumblesRecovered = 60, FumbleReturnTd = 61, LongFumbleReturn = 62;
constexpr int PuntsBlockedByDefence = 63, FieldGoalsBlockedByDefence = 64;
constexpr int ExtraPointsBlockedByDefence = 65, Safeties = 66, TwoPointConversions = 67;
constexpr int OtherReturnTd = 68, Tackles = 69;
constexpr int BlockedKickReturns = 70, BlockedKickReturnYards = 71;
constexpr int FirstDownsBase = 80;     // 81 rush, 82 pass, 83 penalty (team only)
constexpr int PointsBase = 83;         // 84..87 quarters 1..4, 88 overtime (team only)
constexpr int Penalties = 89, PenaltyYards = 90, PossessionSeconds = 91;
constexpr int ThirdDownConversions = 93, ThirdDownAttempts = 94;
constexpr int FourthDownConversions = 95, FourthDownAttempts = 96;
}  // namespace stat

struct Player {
  std::string position;   // "QB", "FB", ... as in the player record
  std::string name;       // trimmed first name, a blank, trimmed last name
  int years = 0;
  std::string ratings;    // 16 characters, ratings 1..15 as digits
  std::string injury;     // quarters still to sit out as decimal text, blank = 0
  std::array<int, kPlayerStatCount + 1> stats{};
};

struct Side {
  int team = 0;                      // league team number
  std::string name;                  // display name (nickname, trimmed)
  std::string city;
  std::string coach;
  std::string code;                  // 4 characters, first column of event lines
  int offensiveStyle = 0;
  int defensiveStyle = 0;
  int score = 0;
  int timeoutsUsed = 0;
  int windFor = 0;
  int reversesUsed = 0;
  int optionPassesUsed = 0;
  std::array<int, 7> runPlayWeights{};     // plays 11..16 at 1..6
  std::string missedFieldGoals;            // distances of missed field goals
  std::array<Player, kRosterSize + 1> roster{};
  std::array<int, kRosterSize + 1> depth{};   // slot -> player number
  std::array<int, 12> lineup{};               // place -> player number
  std::array<int, kTeamStatCount + 1> stats{};
};

struct Weather {
  int surface = 0;              // home settings digit 1 (3 = indoor)
  int temperatureClass = 0;     // home settings digits 2..4
  int windClass = 0;
  int precipitationClass = 0;
  int temperature = 70;         // degrees Fahrenheit
  int windLevel = 0;            // 0 none, 1 light, 2 strong
  int precipitation = 0;        // 0 clear, 1 light rain, 2 heavy rain, 3 snow
  std::string windText = "No Wind";
  std::string precipitationText = "Clear";
  std::string stadium;          // 20 characters, untrimmed
};

// Values of the snap being resolved; most are reset at every snap.
struct Play {
  int group = 0;             // 1 run, 2 short pass, 3 long pass, 4 punt, 5 field goal
  int number = 0;            // 1..9
  int runnerCode = 0;        // 1..10
  int formationCode = 0;     // 1..10
  int defensiveFormation = 0;  // 1..7
  int defensivePlay = 0;       // 1..25
  std::string offensiveEntry;
  std::string defensiveEntry;
  int ballCarrier = 0;
  int passer = 0;
  int tackler = 0;
  int sacker = 0;
  int yards = 0;
  int seconds = 0;
  int huddleSeconds = 35;
  int penaltyYards = 0;
  bool counts = true;
  bool penaltyAccepted = false;
  bool fumble = false;
  bool touchdown = false;
  bool safety = false;
  int fumbleChance = 0;
  int firstDownKind = 0;     // 1 rush, 2 pass, 3 penalty; 0 or -1 none
  int downAtSnap = 0;
  int conversionMode = 0;    // statistic credited for a touchdown on this play
  bool kick = false;         // kicking play: no first downs counted
  bool kickPlay = false;     // kickoff, punt or field goal: general fouls off
  bool newSeries = false;
  bool firstDownClock = false;
  std::string text;
  int depth = 0;             // pass depth 1..5
  int runType = 0;
};

struct GameState {
  std::array<Side, 3> side{};
  int offense = kVisitor;
  int defense = kHome;

  int quarter = 1;
  int secondsLeft = 900;
  int down = 1;
  int yardsToGo = 10;
  int ballOn = 35;
  int yardsToGoal = 0;
  bool kickoffPending = true;
  bool gameOver = false;
  bool overtime = false;
  bool overtimeClosed = false;     // a score was recorded in overtime
  int gameType = 0;                // 0 regular season, 1 playoff, 2 championship
  bool exhibition = false;
  int week = 1;
  int coachControl = 3;            // 0 humans, 1 computer visitor, 2 computer home, 3 both
  int possessionAtSnap = kVisitor;
  std::string leagueTitle;

  Weather weather;
  int fumbleRange = 1300;
  int lastWeatherFactor = 0;

  Play play;

  // Free kicks, punts and field goals.
  char kickType = 'D';
  int kickSpot = 30;
  int kickDistance = 0;
  int openingReceiver = 0;
  int kicker = 0;
  int puntDefense = 1;
  int punter = 0;
  int puntDistance = 0;
  int blockSide = 1;
  int fieldGoalDistance = 0;
  bool partialBlock = false;

  std::vector<std::string> events;     // game event lines
  std::vector<std::string> scoring;    // scoring summary lines
  bool eventLineOpen = false;
  // Event lines of the previous game, emptied and kept for their buffers: a game writes
  // some 170 lines, and allocating each anew cost a tenth of a computer game's time.
  std::vector<std::string> spareLines;

  bool abandoned = false;              // END was typed: nothing is to be saved
};

// Small access routines every part of the engine shares.

// Rating k (1..15) of a player; a non-digit reads 0. Speed and kicking play one
// better on artificial turf.
inline int rating(const GameState& g, int side, int player, int k) {
  const std::string& r = g.side[side].roster[player].ratings;
  int v = 0;
  if (k >= 1 && k <= static_cast<int>(r.size())) {
    const char c = r[k - 1];
    if (c >= '0' && c <= '9') v = c - '0';
  }
  if ((k == 3 || k == 13) && (g.weather.surface == 2 || g.weather.surface == 3)) ++v;
  return v;
}
// The player's position is `code` ("QB", "LB", ...), compared without regard to case.
inline bool positionIs(const GameState& g, int side, int player, const char (&code)[3]) {
  const std::string& p = g.side[side].roster[player].position;
  const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return p.size() == 2 && up(p[0]) == code[0] && up(p[1]) == code[1];
}
// Quarters still to sit out: leading blanks, an optional sign, digits; anything else ends
// the number. Inline: the depth order reads every player's at each quarter.
inline int injuryQuarters(const Player& p) {
  const std::string& t = p.injury;
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  const bool negative = i < t.size() && t[i] == '-';
  if (negative || (i < t.size() && t[i] == '+')) ++i;
  int v = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) v = 10 * v + (t[i] - '0');
  return negative ? -v : v;
}
// Adds to the team's statistic and, for a player 1..50, to his (players keep 1..80).
inline void addStat(GameState& g, int side, int player, int index, int amount) {
  Side& s = g.side[side];
  if (player >= 1 && player <= kRosterSize && index <= kPlayerStatCount)
    s.roster[player].stats[index] += amount;
  s.stats[index] += amount;
}
inline void recordLongest(GameState& g, int side, int player, int index, int value) {
  Side& s = g.side[side];
  if (player >= 1 && player <= kRosterSize) {
    int& p = s.roster[player].stats[index];
    p = std::max(p, value);
  }
  s.stats[index] = std::max(s.stats[index], value);
}
void exchangeSides(GameState& g);      // offense and defense change; ball on is left to the caller
void startNewSeries(GameState& g);
void keepInField(GameState& g);
void resetPlay(GameState& g);
int lineupPlayer(const GameState& g, int side, int place);

}  // namespace fb
