// The start of a game (sides, rosters, weather), the welcome and the choice
// of coaches, the snap loop with its dispatch, and the final message.
#include "gameday/engine/game.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <string>

#include "gameday/engine/routines.h"
#include "gameday/engine/texts.h"

namespace fb {
namespace {

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Temperature band by temperature class (1..4, other) and week band.
int temperatureBand(lf::Random& rnd, int c, int week) {
  const int wb = week >= 1 && week <= 4 ? 0 : week <= 8 && week >= 5 ? 1
                 : week >= 9 && week <= 12 ? 2 : week >= 13 && week <= 16 ? 3 : 4;
  struct Draw { int n, plus; };
  static constexpr Draw kTable[5][5] = {
      {{4, 0}, {3, 1}, {3, 2}, {3, 2}, {2, 3}},
      {{4, 0}, {4, 1}, {3, 2}, {2, 3}, {2, 3}},
      {{3, 1}, {3, 2}, {4, 3}, {5, 3}, {5, 3}},
      {{3, 1}, {4, 2}, {4, 3}, {4, 4}, {5, 4}},
      {{3, 1}, {5, 2}, {5, 3}, {5, 4}, {6, 4}}};
  const Draw d = kTable[c >= 1 && c <= 4 ? c - 1 : 4][wb];
  return rnd.uniform(d.n) + d.plus;
}

// The settings name wind and rain classes from 1 (most) to 3 (least): the
// chance of wind or rain falls as the class rises.
int weatherLevel(lf::Random& rnd, int n, int cls) {
  const int chance = cls >= 1 && cls <= 3 ? 4 - cls : cls;
  if (rnd.uniform(n) > chance) return 0;
  return rnd.uniform(n) <= chance ? 2 : 1;
}

void makeWeather(GameState& g, lf::Random& rnd) {
  Weather& w = g.weather;
  if (w.surface == 3) {
    w.temperature = 70;
    w.windLevel = 0;
    w.precipitation = 0;
  } else {
    const int band = temperatureBand(rnd, w.temperatureClass, g.week);
    const int base = band >= 1 && band <= 9 ? 100 - 10 * band : 0;
    w.windLevel = weatherLevel(rnd, 8, w.windClass);
    w.precipitation = weatherLevel(rnd, 12, w.precipitationClass);
    w.temperature = base + rnd.uniform(12) - (w.windLevel + w.precipitation) * 2 * w.temperatureClass;
    if (w.precipitation > 0 && w.temperature < 33) w.precipitation = 3;
  }
  static const char* const kWind[] = {"No", "Light", "Strong"};
  static const char* const kRain[] = {"Clear", "Light Rain", "Heavy Rain", "Snow"};
  w.windText = std::string(kWind[w.windLevel]) + " Wind";
  w.precipitationText = kRain[w.precipitation];
  g.side[kVisitor].windFor = w.windLevel;
  g.side[kHome].windFor = -w.windLevel;
  g.fumbleRange = 1300 - 100 * w.precipitation;
}

}  // namespace

bool deadBallFoulPossible(const GameState& s) {
  // Only after a scrimmage call, between the 10s, and not late in the game.
  return s.play.group >= 1 && s.play.group < 4 && s.ballOn >= 11 && s.ballOn <= 89 &&
         (s.quarter <= 3 || s.secondsLeft > 120);
}

namespace {

void snap(Game& g) {
  GameState& s = g.s;
  Play& p = s.play;
  s.eventLineOpen = false;
  refresh(g);
  resetPlay(s);
  if (s.gameOver) return;
  if (s.ballOn >= 100) {
    touchdown(g);
    return;
  }
  if (s.ballOn <= 0) {
    safety(g);
    return;
  }
  offensiveCall(g);
  if (deadBallFoulPossible(s) && g.u(30) == 10) {
    sayText(g, s.side[s.offense].name + " on Offense - Dead Ball Penalty");
    p.seconds = 0;
    p.huddleSeconds = 0;
    penalty(g, g.u(100) > 50 ? "02." : "19.18.");
    return;
  }
  if (s.kickoffPending || s.gameOver) return;
  p.text = "NO PLAY";
  if (p.group == 1 && p.number <= 8) {
    runYardage(g);
    runOutcome(g);
  } else if (p.group >= 1 && p.group <= 3) {
    passPlay(g);
  } else if (p.group == 4 || p.group == 5) {
    if (p.group == 4) punt(g); else fieldGoal(g);
    if (p.text == "Kicking Penalty") return;
    if (s.ballOn < 100) s.yardsToGoal = 100 - s.ballOn;
  } else {
    return;
  }
  refresh(g);
  if (s.ballOn >= 100) {
    touchdown(g);
  } else if (s.ballOn > 0) {
    injuryCheck(g);
    downAndDistance(g);
    runClock(g);
  } else {
    safety(g);
  }
}

}  // namespace

std::string finalMessage(const GameState& s) {
  const Side& v = s.side[kVisitor];
  const Side& h = s.side[kHome];
  const Side& first = v.score > h.score ? v : h;
  const Side& second = v.score > h.score ? h : v;
  return "END OF GAME   \r\n" + first.name + "  " + signPlace(first.score) + "\r\n" + second.name +
         "  " + signPlace(second.score);
}

void gameLoop(Game& g) {
  GameState& s = g.s;
  while (!s.gameOver) {
    s.eventLineOpen = false;
    if (s.kickoffPending) {
      coinToss(g);
      kickoff(g, 30);
      s.yardsToGoal = 100 - s.ballOn;
      startNewSeries(s);
      refresh(g);
    }
    while (!s.gameOver && !s.kickoffPending) snap(g);
  }
}

void startGame(GameState& g, const GameSetup& setup, lf::Random& rnd) {
  // Reset by copying a fresh state: every string keeps its buffer from game to game.
  static const GameState kFresh;
  std::vector<std::string> lines = std::move(g.events);
  lines.insert(lines.end(), std::make_move_iterator(g.spareLines.begin()),
               std::make_move_iterator(g.spareLines.end()));
  g = kFresh;
  g.spareLines = std::move(lines);
  g.events.reserve(200);
  g.scoring.reserve(32);
  g.gameType = setup.gameType;
  g.exhibition = setup.exhibition;
  g.week = setup.week;
  g.leagueTitle = setup.leagueTitle;
  for (int sideNo = 1; sideNo <= 2; ++sideNo) {
    Side& side = g.side[sideNo];
    const lf::TeamRecord& t = setup.team[sideNo];
    side.team = setup.teamNumber[sideNo];
    side.name = trim(setup.displayName[sideNo].empty() ? t.nickname() : setup.displayName[sideNo]);
    side.city = trim(t.city());
    side.coach = trim(t.coach());
    side.code = t.code();
    side.code.resize(4, ' ');
    side.offensiveStyle = t.setting(5);
    side.defensiveStyle = t.setting(6);
    for (int i = 1; i <= kRosterSize; ++i) {
      const lf::PlayerRecord& r = setup.players[sideNo][i - 1];
      Player& p = side.roster[i];
      p.position = r.position();
      p.name = r.displayName();
      p.years = r.years();
      p.ratings.assign(r.ratingsText());
      p.injury = r.injuryText();
    }
    for (int idx : {4, 8, 14, 35, 39, 53, 62}) {
      side.stats[idx] = kNotYet;
      for (int i = 1; i <= kRosterSize; ++i) side.roster[i].stats[idx] = kNotYet;
    }
  }
  const lf::TeamRecord& home = setup.team[kHome];
  g.weather.surface = home.setting(1);
  g.weather.temperatureClass = home.setting(2);
  g.weather.windClass = home.setting(3);
  g.weather.precipitationClass = home.setting(4);
  g.weather.stadium = home.stadium();
  g.weather.stadium.resize(20, ' ');
  resetDepthCharts(g);
  moveInjuredDown(g);
  makeWeather(g, rnd);
  g.lastWeatherFactor = 2 * g.weather.temperatureClass;
}

GameEnd playGame(GameState& s, const Tables& t, lf::Random& rnd, Seam& seam) {
  Game g{s, t, rnd, seam};
  const Side& v = s.side[kVisitor];
  const Side& h = s.side[kHome];
  const std::string text = h.coach + " of the " + h.city + " " + h.name + "\r\n" + " welcomes " +
                           "\r\n" + v.coach + " of the " + v.city + " " + v.name + "\r\n" + " to " +
                           trim(s.weather.stadium) + ".\r\n" + "Today's Weather: " +
                           s.weather.precipitationText + ", " + s.weather.windText + ".\r\n" +
                           "Temperature: " + std::to_string(s.weather.temperature) + "\xB0 F";
  seam.welcome(s, "KRO Scoreboard - " + v.city + " at " + h.city, text);
  refresh(g);
  try {
    s.coachControl = seam.selectCoaches(s);
    fillRunPlayWeights(s);
    gameLoop(g);
  } catch (const GameAbandoned&) {
    return GameEnd::Abandoned;
  } catch (const std::exception& e) {
    seam.message(e.what(), "KRO");
  }
  seam.message(finalMessage(s), "KRO");
  return GameEnd::Finished;
}

GameEnd playGame(GameState& g, const GameSetup& setup, const Tables& t, lf::Random& rnd,
                 Seam& seam) {
  startGame(g, setup, rnd);
  return playGame(g, t, rnd, seam);
}

}  // namespace fb
