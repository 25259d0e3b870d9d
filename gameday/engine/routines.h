// The routines of one game, shared by the parts of the engine. Every routine
// works on the one game state through Game; nothing passes between plays
// except through that state. Tests call single routines with planned draws.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "gameday/engine/game_state.h"
#include "gameday/engine/seam.h"
#include "gameday/engine/tables.h"
#include "leaguefiles/random.h"

namespace fb {

struct Game {
  GameState& s;
  const Tables& t;
  lf::Random& rnd;
  Seam& seam;
  int u(int n) { return rnd.uniform(n); }
};

// Raised when END is typed: the game stops at once and nothing is saved.
struct GameAbandoned {};

inline bool computerCoaches(const GameState& s, int side) {
  return s.coachControl == 3 || s.coachControl == side;
}
inline int sign(int v) { return (v > 0) - (v < 0); }
inline int pow2(int exp) { return exp <= 0 ? 1 : 1 << exp; }

// Texts and logs. A text of several parts is put together in the event line itself.
void logText(Game& g, std::string_view text);   // print a play text
void logText(Game& g, std::initializer_list<std::string_view> parts);
void sayText(Game& g, std::string_view text);   // print it and make it the play text
void sayText(Game& g, std::initializer_list<std::string_view> parts);
void scoringLine(Game& g, std::string_view text);
void refresh(Game& g);
void startEventLineWithCalls(Game& g);
std::string conversionCaption(const GameState& s);

// Draw helpers over the state.
int weatherFactor(Game& g);
inline int luck(Game& g, int side, int player, int k, int n = 5) {
  return sign(rating(g.s, side, player, k) - g.u(n));
}
int returnLookup(Game& g, const Cumulative& table, int side, int player, int k);
int ownReturnYards(Game& g);                      // the own-return / loose-ball table
int looseBallAdvance(Game& g);                    // own-return table, kept in the field
int opponentReturnYards(Game& g, int range);
int blockedKickReturn(Game& g);
// The defence picks up a blocked kick ("FG" or "punt") behind the line and runs it back.
void returnBlockedKick(Game& g, int blocker, int loss, const char* kick);
int matchup(const Game& g);

// Calls.
void offensiveCall(Game& g);
std::string computerOffensiveEntry(Game& g);
bool applyOffensiveCall(Game& g, const std::string& entry);
void defensiveCall(Game& g);
std::string computerDefensiveEntry(Game& g);
bool applyDefensiveCall(Game& g, const std::string& entry);
void specialTeamsLineup(GameState& s, char variant);   // 'K' kickoff, 'P' punt, 'F' kick, '2'
void fillRunPlayWeights(GameState& s);
void handleCommonCommand(Game& g, const std::string& entry, int side);  // CONTROL SUB STAT LOG END

// Plays.
void runYardage(Game& g);
int runGain(Game& g, const TablePair& pair, int runType, int m);
const TablePair& runTables(const Game& g, int runType);
void runOutcome(Game& g);
void chooseTackler(Game& g, int kind);
void passPlay(Game& g);
void completion(Game& g);
void incompletePass(Game& g);
void interception(Game& g);
int passRush(Game& g, int receiver);              // sets the sacker, returns -1, 0, +1
void ballSecurityCheck(Game& g);
void fumble(Game& g, int kind);
void safety(Game& g);
void addPoints(Game& g, int points);
void penalty(Game& g, std::string_view list);
bool computerAcceptsPenalty(const GameState& s, bool defenseDecides, int y);

// Down, distance and clock.
// A run or pass is snapped: third and fourth down attempts, the huddle, the event line.
void startScrimmagePlay(Game& g, int huddleSeconds);
void downAndDistance(Game& g);
void firstDownBookkeeping(Game& g, bool print);
void runClock(Game& g);                           // runs play.seconds, then sets it 0
void timeouts(Game& g, int& s, int& h);

// Injuries and depth.
void injuryCheck(Game& g);
void injuryCountdown(GameState& s);
void resetDepthCharts(GameState& s);
void moveInjuredDown(GameState& s);

// Kicks and scores.
void coinToss(Game& g);
void kickoff(Game& g, int spot);
void touchback(Game& g);
void punt(Game& g);
// A returner drawn by 2 to the power of the return rating k; with no rated
// player, fallbackBase + uniform 1..fallbackRange.
int chooseReturner(Game& g, int sideNo, int k, int fallbackBase, int fallbackRange);
// Fakes of punts and field goals. kind: 1 pass completed, 2 incomplete,
// 3 intercepted, 4 run by `carrier`, 5 `carrier` tackled behind the line.
void fakeKick(Game& g, int kind, int carrier, int extraSeconds);
// Roughing the kicker (15 yards and a first down) or running into him (5 yards; always
// beyond the 30, else when uniform 1..100 is below `limit`), charged to the defence.
void foulOnKicker(Game& g, int limit);
void fieldGoal(Game& g);
void touchdown(Game& g);
// The Extrapt form: a conversion choice ('D' or 'S') after a touchdown, or
// with conversion mode 0 an announcement with only the "Kickoff" button.
char conversionForm(Game& g, const std::string& label, int mode);
void announcement(Game& g, const std::string& label);
void kickoffAfterScore(Game& g, int spot, int quarterBefore);

// The snap loop.
void gameLoop(Game& g);
bool deadBallFoulPossible(const GameState& s);
std::string finalMessage(const GameState& s);

}  // namespace fb
