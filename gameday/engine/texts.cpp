#include "gameday/engine/texts.h"

#include <algorithm>
#include <cmath>

#include "gameday/engine/routines.h"
#include "leaguefiles/random.h"

namespace fb {
namespace {

std::string twoDigits(int v) {
  std::string s;
  s += static_cast<char>('0' + v / 10 % 10);
  s += static_cast<char>('0' + v % 10);
  return s;
}

std::string timeoutMarks(int used) {
  if (used > 3) return "   ";
  std::string m(static_cast<size_t>(3 - std::max(used, 0)), '-');
  m.resize(3, ' ');
  return m;
}

}  // namespace

std::string signPlace(int value) {
  std::string s = value < 0 ? "" : " ";
  s += std::to_string(value);
  return s;
}

std::string clockText(int secondsLeft) {
  const int l = std::max(secondsLeft, 0);
  return signPlace(l / 60) + ":" + twoDigits(l % 60);
}

// Writes v right-aligned in `width` characters at out (wider numbers are not
// cut); returns the end.
static char* putRight(char* out, int v, int width) {
  char buf[12];
  int n = 0;
  const bool negative = v < 0;
  unsigned u = negative ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
  do {
    buf[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) buf[n++] = '-';
  for (int i = n; i < width; ++i) *out++ = ' ';
  while (n > 0) *out++ = buf[--n];
  return out;
}

// " 1  14:05  CODE   35  ": quarter with a sign place, clock, code, yards to
// goal. Written into a buffer first: the line is built once per event.
static void appendEventPrefix(std::string& line, const GameState& g) {
  char buf[64];
  char* p = buf;
  const int l = std::max(g.secondsLeft, 0);
  if (g.quarter >= 0) *p++ = ' ';
  p = putRight(p, g.quarter, 0);
  *p++ = ' ';
  *p++ = ' ';
  p = putRight(p, l / 60, 2);
  *p++ = ':';
  *p++ = static_cast<char>('0' + l % 60 / 10);
  *p++ = static_cast<char>('0' + l % 10);
  *p++ = ' ';
  *p++ = ' ';
  const std::string& code = g.side[g.offense].code;
  for (size_t i = 0; i < 4; ++i) *p++ = i < code.size() ? code[i] : ' ';
  *p++ = ' ';
  p = putRight(p, g.yardsToGoal, 3);
  *p++ = ' ';
  *p++ = ' ';
  line.append(buf, static_cast<size_t>(p - buf));
}

std::string eventPrefix(const GameState& g) {
  std::string p;
  appendEventPrefix(p, g);
  return p;
}

int playTextColumn(const std::string& text) {
  return 28 - lf::round_half_even(static_cast<double>(text.size()) / 2.0);
}

ScoreboardView scoreboardView(const GameState& g) {
  ScoreboardView v;
  for (int s = 1; s <= 2; ++s) {
    const Side& side = g.side[s];
    std::string label = side.name + (s == g.offense ? " * " : "   ") + timeoutMarks(side.timeoutsUsed);
    (s == kVisitor ? v.visitorLabel : v.homeLabel) = label;
  }
  v.visitorScore = g.side[kVisitor].score;
  v.homeScore = g.side[kHome].score;
  v.down = g.down;
  v.yardsToGo = g.yardsToGo;
  v.quarter = g.quarter;
  v.time = clockText(g.secondsLeft);
  if (g.ballOn < 50)
    v.ballOn = g.side[g.offense].name + " " + signPlace(g.ballOn);
  else if (g.ballOn == 50)
    v.ballOn = "midfield";
  else
    v.ballOn = g.side[g.defense].name + " " + signPlace(100 - g.ballOn);
  const int wind = g.side[g.offense].windFor;
  v.wind = (wind > 0 ? "WITH " : wind < 0 ? "INTO " : "") + g.weather.windText;
  v.precipitation = g.weather.precipitationText;
  v.temperature = "Temperature: " + std::to_string(g.weather.temperature) + "\xB0 F";
  return v;
}

// Logs of the game.

namespace {

// The event line of this snap: opened with its prefix by the first text, the
// following texts joined to it by ". ".
std::string& eventLine(GameState& s) {
  if (s.eventLineOpen) return s.events.back() += ". ";
  std::string line;
  if (!s.spareLines.empty()) {
    line = std::move(s.spareLines.back());
    s.spareLines.pop_back();
    line.clear();
  }
  line.reserve(160);
  appendEventPrefix(line, s);
  s.events.push_back(std::move(line));
  s.eventLineOpen = true;
  return s.events.back();
}

// Appends the parts to the line and returns the text they make, a view of the line:
// play texts are put together right where the log keeps them.
std::string_view appendParts(std::string& line, std::initializer_list<std::string_view> parts) {
  const size_t start = line.size();
  for (std::string_view part : parts) line += part;
  return std::string_view(line).substr(start);
}

}  // namespace

void logText(Game& g, std::initializer_list<std::string_view> parts) {
  const std::string_view text = appendParts(eventLine(g.s), parts);
  g.seam.playText(g.s, text);
}

void logText(Game& g, std::string_view text) { logText(g, {text}); }

void sayText(Game& g, std::initializer_list<std::string_view> parts) {
  const std::string_view text = appendParts(eventLine(g.s), parts);
  g.s.play.text.assign(text);
  g.seam.playText(g.s, text);
}

void sayText(Game& g, std::string_view text) { sayText(g, {text}); }

void scoringLine(Game& g, std::string_view text) {
  GameState& s = g.s;
  if (s.overtimeClosed) return;
  std::string line;
  line.reserve(text.size() + 48);
  appendEventPrefix(line, s);
  line += text;
  if (!(s.scoring.size() > 1 && s.scoring.back() == line)) s.scoring.push_back(std::move(line));
  if (s.quarter > 4) s.overtimeClosed = true;
}

void refresh(Game& g) {
  Weather& w = g.s.weather;
  if (w.precipitation > 0 && w.temperature <= 32) {
    w.precipitation = 3;
    w.precipitationText = "Snow";
  }
  g.seam.refreshScoreboard(g.s);
}

void startEventLineWithCalls(Game& g) {
  const Play& p = g.s.play;
  const int row = 9 * (p.group - 1) + p.number;
  const std::string& offence = g.t.offensivePlayTitles[std::clamp(row, 1, 27)];
  const std::string& defence = g.t.defensivePlayTitles[std::clamp(p.defensivePlay, 1, 25)];
  logText(g, {offence, " vs ", defence});
}

std::string conversionCaption(const GameState& s) {
  const Side& v = s.side[kVisitor];
  const Side& h = s.side[kHome];
  std::string clock = clockText(s.secondsLeft);
  clock.erase(0, clock.find_first_not_of(' '));
  return v.name + signPlace(v.score) + "   " + h.name + signPlace(h.score) + "     Qtr:" +
         signPlace(s.quarter) + "   Time Remaining: " + clock;
}

}  // namespace fb
