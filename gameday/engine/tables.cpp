#include "gameday/engine/tables.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/seq_fields.h"

namespace fb {
namespace {

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Reads the first `count` fields of one table file.
class TableFile {
 public:
  TableFile(const std::filesystem::path& dir, const char* name)
      : path_(lf::resolve(dir, name)), reader_(lf::FieldReader::fromFile(path_)) {}

  std::string text() {
    ++read_;
    if (reader_.atEnd())
      throw lf::FileError("Value " + std::to_string(read_) + " is missing (file too short)", path_);
    return reader_.text();
  }

  int number(bool wide) {
    const std::string raw = text();
    const std::string v = trimmed(raw);
    long long n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    const long long lo = wide ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int16_t>::min();
    const long long hi = wide ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int16_t>::max();
    if (v.empty() || ec != std::errc() || end != v.data() + v.size() || n < lo || n > hi)
      throw lf::FileError("Value " + std::to_string(read_) + " \"" + raw + "\" is not a " +
                              (wide ? "32" : "16") + "-bit integer",
                          path_);
    return static_cast<int>(n);
  }

 private:
  std::filesystem::path path_;
  lf::FieldReader reader_;
  int read_ = 0;
};

Cumulative cumulative(const std::filesystem::path& dir, const char* name, int first, int last,
                      bool wide) {
  TableFile f(dir, name);
  Cumulative c;
  c.first = first;
  for (int i = first; i <= last; ++i) c.values.push_back(f.number(wide));
  return c;
}

std::string fixedText(TableFile& f, size_t width) {
  std::string s = f.text();
  s.resize(width, ' ');
  return s;
}

}  // namespace

Tables loadTables(const std::filesystem::path& dir) {
  Tables t;
  {
    TableFile f(dir, "Ologic.dat");
    for (int time = 1; time <= 5; ++time)
      for (int score = 1; score <= 7; ++score)
        for (int field = 1; field <= 5; ++field)
          for (int down = 1; down <= 4; ++down)
            for (int dist = 1; dist <= 4; ++dist)
              t.strategy[time][score][field][down][dist] = f.number(false);
  }
  {
    TableFile f(dir, "dex.dat");
    for (int row = 1; row <= 27; ++row)
      for (int d = 1; d <= 25; ++d) t.matchup[row][d] = f.number(false);
  }
  {
    TableFile f(dir, "ocalls.dat");
    for (int i = 1; i <= 10; ++i) t.formations[i] = fixedText(f, 6);
    for (int i = 1; i <= 27; ++i) t.offensivePlays[i] = fixedText(f, 16);
    for (int i = 1; i <= 7; ++i) t.defensiveFormations[i] = fixedText(f, 6);
    for (int i = 1; i <= 25; ++i) t.defensivePlays[i] = fixedText(f, 14);
    for (int i = 1; i <= 27; ++i) t.offensivePlayTitles[i] = trimmed(t.offensivePlays[i]);
    for (int i = 1; i <= 25; ++i) t.defensivePlayTitles[i] = trimmed(t.defensivePlays[i]);
  }
  {
    TableFile f(dir, "rushing.dat");
    for (int edge = 4; edge >= -4; --edge)
      for (int i = 1; i <= 35; ++i) t.rushing[i][edge + 4] = f.number(false);
  }
  {
    TableFile f(dir, "qkchart.dat");
    for (int edge = -3; edge <= 3; ++edge)
      for (int i = 1; i <= 30; ++i) t.quickChart[i][edge + 3] = f.number(false);
  }
  {
    TableFile f(dir, "dlychart.dat");
    for (int edge = -3; edge <= 3; ++edge)
      for (int i = 1; i <= 30; ++i) t.screenChart[i][edge + 3] = f.number(false);
  }
  t.scramble = cumulative(dir, "qbscram.dat", -1, 41, true);
  // Short table 1..shortLast, long table -2..longLast.
  const auto pair = [&](const char* s, const char* l, int shortLast, int longLast) {
    TablePair p;
    p.shortTable = cumulative(dir, s, 1, shortLast, true);
    p.longTable = cumulative(dir, l, -2, longLast, true);
    return p;
  };
  t.fbPlunge = pair("fbpp.dat", "fbppyds.dat", 35, 47);
  t.hbPlunge = pair("hbpp.dat", "hbppyds.dat", 35, 47);
  t.qbPlunge = pair("qbpp.dat", "qbppyds.dat", 35, 47);
  t.fbOffTackle = pair("fbot.dat", "fbotyds.dat", 35, 47);
  t.hbOffTackle = pair("hbot.dat", "hbotyds.dat", 35, 47);
  t.qbOffTackle = pair("qbot.dat", "qbotyds.dat", 35, 47);
  t.fbEndRun = pair("fber.dat", "fberyds.dat", 35, 47);
  t.hbEndRun = pair("hber.dat", "hberyds.dat", 35, 47);
  t.qbEndRun = pair("qber.dat", "qberyds.dat", 35, 47);
  t.wrQuick = pair("wrqk.dat", "wrqkyds.dat", 30, 46);
  t.teQuick = pair("teqk.dat", "teqkyds.dat", 30, 46);
  t.hbQuick = pair("hbqk.dat", "hbqkyds.dat", 30, 46);
  t.fbQuick = pair("fbqk.dat", "fbqkyds.dat", 30, 46);
  t.qbShort = cumulative(dir, "qbshort.dat", 1, 23, true);
  t.qbLong = cumulative(dir, "qblong.dat", 1, 23, true);
  t.hbOption = cumulative(dir, "hboption.dat", 1, 23, false);
  t.wrShort = cumulative(dir, "wrshort.dat", 1, 33, false);
  t.teShort = cumulative(dir, "teshort.dat", 1, 33, false);
  t.fbShort = cumulative(dir, "fbshort.dat", 1, 33, false);
  t.hbShort = cumulative(dir, "hbshort.dat", 1, 33, false);
  t.wrLong = cumulative(dir, "wrlong.dat", 1, 29, false);
  t.teLong = cumulative(dir, "telong.dat", 1, 29, false);
  t.hbLong = cumulative(dir, "hblong.dat", 1, 29, false);
  t.sackNormal = cumulative(dir, "sacknorm.dat", -2, 20, false);
  t.sackBlitz = cumulative(dir, "sackblit.dat", -2, 20, false);
  t.intShort = cumulative(dir, "intshort.dat", 0, 47, false);
  t.intLong = cumulative(dir, "intlong.dat", 0, 47, false);
  t.kickoffReturn = cumulative(dir, "koret.dat", 0, 47, false);
  t.puntReturn = cumulative(dir, "puntret.dat", -1, 47, false);
  t.punting = cumulative(dir, "punting.dat", 12, 66, false);
  t.puntIn40 = cumulative(dir, "puntin40.dat", 1, 40, false);
  {
    TableFile f(dir, "reverse.dat");
    for (int cls = 1; cls <= 6; ++cls)
      for (int sum = 3; sum <= 18; ++sum) t.reverse[sum][cls] = f.number(false);
  }
  return t;
}

}  // namespace fb
