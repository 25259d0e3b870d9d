#include "gameday/engine/tests/test_tables.h"

#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace fbtest {
namespace {

void writeValues(const std::filesystem::path& dir, const char* name, int count,
                 const std::function<int(int)>& value) {
  std::ofstream f(dir / name, std::ios::binary);
  for (int i = 0; i < count; ++i) f << value(i) << "\r\n";
}

// Cumulative table of `count` entries with weight(i) for entry i (0-based).
void writeCumulative(const std::filesystem::path& dir, const char* name, int count,
                     const std::function<int(int)>& weight) {
  int sum = 0;
  writeValues(dir, name, count, [&](int i) { return sum += weight(i); });
}

}  // namespace

std::filesystem::path tempDir(const char* name) {
  auto dir = std::filesystem::temp_directory_path() /
             ("fbalall-" + std::string(name) + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

void writeTables(const std::filesystem::path& dir) {
  // Strategy: fourth down kicks (code 5), third and long throws (code 3), the rest mixes (2).
  writeValues(dir, "Ologic.dat", 2800, [](int i) {
    const int dist = i % 4 + 1, down = i / 4 % 4 + 1;
    if (down == 4) return 5;
    if (down == 3 && dist == 4) return 3;
    return 2;
  });
  writeValues(dir, "dex.dat", 675, [](int i) { return i % 3 - 1; });
  {
    std::ofstream f(dir / "ocalls.dat", std::ios::binary);
    const char* forms[] = {"B1W2T2", "B1W3T1", "B1W4T0", "B2W2T1", "B2W1T2",
                           "B2W2T1", "B2W3T0", "B3W0T2", "B3W1T1", "B3W2T0"};
    for (const char* s : forms) f << '"' << s << "\"\r\n";
    for (int i = 1; i <= 27; ++i) f << "\"Offensive Play Number " << i << "\"\r\n";
    const char* dforms[] = {"L3B2D6", "L3B3D5", "L3B4D4", "L4B1D6", "L4B2D5", "L4B3D4", "L4B4D3"};
    for (const char* s : dforms) f << s << "\r\n";
    for (int i = 1; i <= 25; ++i) f << "Defence " << i << "\r\n";
  }
  // Result tables: the edge-0 rows gain index / 4 - 1 yards.
  writeValues(dir, "rushing.dat", 315, [](int i) { return i % 35 / 4 - 1; });
  writeValues(dir, "qkchart.dat", 210, [](int i) { return i % 30 / 3; });
  writeValues(dir, "dlychart.dat", 210, [](int i) { return i % 30 / 4; });
  writeCumulative(dir, "qbscram.dat", 43, [](int i) { return i < 12 ? 10 : 1; });
  for (const char* fam : {"fb", "hb", "qb"})
    for (const char* type : {"pp", "ot", "er"}) {
      const std::string s = std::string(fam) + type;
      writeCumulative(dir, (s + ".dat").c_str(), 35, [](int) { return 30; });
      writeCumulative(dir, (s + "yds.dat").c_str(), 50, [](int i) { return i < 20 ? 2 : 1; });
    }
  for (const char* r : {"wr", "te", "hb", "fb"}) {
    const std::string s = std::string(r) + "qk";
    writeCumulative(dir, (s + ".dat").c_str(), 30, [](int) { return 30; });
    writeCumulative(dir, (s + "yds.dat").c_str(), 49, [](int i) { return i < 20 ? 2 : 1; });
  }
  // Pass outcomes: mostly evaluations, some scrambles, sacks and fumbles.
  for (const char* s : {"qbshort.dat", "qblong.dat"})
    writeCumulative(dir, s, 23, [](int i) { return i < 20 ? 20 : i == 20 ? 8 : i == 21 ? 16 : 2; });
  writeCumulative(dir, "hboption.dat", 23, [](int i) { return i < 20 ? 10 : 20; });
  for (const char* s : {"wrshort.dat", "teshort.dat", "fbshort.dat", "hbshort.dat"})
    writeCumulative(dir, s, 33, [](int i) { return i < 28 ? 10 : 1; });
  for (const char* s : {"wrlong.dat", "telong.dat", "hblong.dat"})
    writeCumulative(dir, s, 29, [](int i) { return i < 24 ? 10 : 1; });
  for (const char* s : {"sacknorm.dat", "sackblit.dat"})
    writeCumulative(dir, s, 23, [](int) { return 5; });
  for (const char* s : {"intshort.dat", "intlong.dat", "koret.dat"})
    writeCumulative(dir, s, 48, [](int i) { return i < 40 ? 10 : 1; });
  writeCumulative(dir, "puntret.dat", 49, [](int i) { return i < 20 ? 10 : 1; });
  writeCumulative(dir, "punting.dat", 55, [](int i) { return i < 7 ? 1 : 10; });
  writeCumulative(dir, "puntin40.dat", 40, [](int i) { return i < 7 ? 1 : 10; });
  writeValues(dir, "reverse.dat", 96, [](int i) { return i % 16 - 3 + i / 16; });
}

const fb::Tables& tables() {
  static const fb::Tables t = [] {
    const auto dir = tempDir("tables");
    writeTables(dir);
    fb::Tables loaded = fb::loadTables(dir);
    std::filesystem::remove_all(dir);
    return loaded;
  }();
  return t;
}

fb::GameSetup setup() {
  static const char* const kPositions[50] = {
      "QB", "QB", "QB", "FB", "FB", "HB", "HB", "HB", "HB", "WR", "WR", "WR", "WR",
      "WR", "WR", "TE", "TE", "TE", "CE", "CE", "OG", "OG", "OG", "OT", "OT", "OT",
      "DE", "DE", "DE", "DE", "DT", "DT", "DT", "LB", "LB", "LB", "LB", "LB", "LB",
      "LB", "CB", "CB", "CB", "CB", "SA", "SA", "SA", "SA", "KI", "PU"};
  fb::GameSetup s;
  const char* names[3] = {"", "Comets", "Rangers"};
  for (int side = 1; side <= 2; ++side) {
    s.teamNumber[side] = side;
    lf::TeamRecord& t = s.team[side];
    t.setCity(side == 1 ? "Easton" : "Weston");
    t.setNickname(names[side]);
    t.setCode(side == 1 ? "EAS" : "WES");
    t.setStadium("Field of Tests");
    t.setCoach(side == 1 ? "Ann Coach" : "Bob Coach");
    t.setSettings("222222");
    for (int i = 0; i < 50; ++i) {
      lf::PlayerRecord& p = s.players[side][i];
      p.setPosition(kPositions[i]);
      p.setFirstName("First" + std::to_string(i + 1));
      p.setLastName(std::string(names[side]) + std::to_string(i + 1));
      p.setYears(i % 8);
      std::array<int, 15> r{};
      for (int k = 0; k < 15; ++k) r[k] = (i + k + side) % 4 + 1;
      p.setRatings(r);
      p.setInjury(0);
    }
  }
  s.week = 3;
  s.leagueTitle = "Test League";
  return s;
}

}  // namespace fbtest
