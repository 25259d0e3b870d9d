// Loading the outcome tables and drawing from cumulative tables.
#include <gtest/gtest.h>

#include <fstream>

#include "gameday/engine/draws.h"
#include "gameday/engine/tables.h"
#include "gameday/engine/tests/test_tables.h"
#include "leaguefiles/error.h"

namespace {

std::string loadError(const std::filesystem::path& dir) {
  try {
    fb::loadTables(dir);
  } catch (const lf::FileError& e) {
    return e.what();
  }
  return "";
}

TEST(Tables, LoadFromFilesFoundWithoutRegardToCase) {
  const auto dir = fbtest::tempDir("case");
  fbtest::writeTables(dir);
  std::filesystem::rename(dir / "rushing.dat", dir / "RUSHING.DAT");
  const fb::Tables t = fb::loadTables(dir);
  EXPECT_EQ(t.rushing[1][4], -1);
  EXPECT_EQ(t.punting.first, 12);
  EXPECT_EQ(t.punting.last(), 66);
  EXPECT_EQ(t.defensiveFormations[1], "L3B2D6");
  // Play names are kept at their width of 16 characters.
  EXPECT_EQ(t.offensivePlays[12], "Offensive Play N");
  EXPECT_EQ(t.offensivePlayTitles[12], "Offensive Play N");
  std::filesystem::remove_all(dir);
}

TEST(Tables, ErrorsNameTheFileAndTheValue) {
  const auto dir = fbtest::tempDir("errors");
  fbtest::writeTables(dir);
  std::filesystem::remove(dir / "koret.dat");
  EXPECT_NE(loadError(dir).find("koret.dat"), std::string::npos) << loadError(dir);

  fbtest::writeTables(dir);
  {
    std::ofstream f(dir / "dex.dat", std::ios::binary);
    f << "1,2,3,x4,5\r\n";
  }
  const std::string bad = loadError(dir);
  EXPECT_NE(bad.find("dex.dat"), std::string::npos) << bad;
  EXPECT_NE(bad.find("Value 4 \"x4\""), std::string::npos) << bad;

  {
    std::ofstream f(dir / "dex.dat", std::ios::binary);
    f << "1,2,3\r\n";
  }
  const std::string shortFile = loadError(dir);
  EXPECT_NE(shortFile.find("Value 4 is missing"), std::string::npos) << shortFile;

  fbtest::writeTables(dir);
  {
    std::ofstream f(dir / "koret.dat", std::ios::binary);
    for (int i = 0; i < 48; ++i) f << (i == 7 ? "40000" : "1") << "\r\n";   // 16 bits only
  }
  EXPECT_NE(loadError(dir).find("Value 8 \"40000\""), std::string::npos) << loadError(dir);
  std::filesystem::remove_all(dir);
}

TEST(Tables, CumulativeDrawEdges) {
  fb::Cumulative t;
  t.first = -1;
  t.values = {9, 9, 9, 9};   // the first value is already the total
  for (int r : {1, 9}) {
    lf::Random rnd = lf::Random::scripted({{9, double(r)}});
    EXPECT_EQ(fb::drawCumulative(rnd, t, -1, 2), -1);
  }
  t.values = {1, 2, 3, 10};  // a draw of the total reaches no value before the last
  lf::Random rnd = lf::Random::scripted({{10, 10}, {10, 3}});
  EXPECT_EQ(fb::drawCumulative(rnd, t, -1, 2), 2);
  EXPECT_EQ(fb::drawCumulative(rnd, t, -1, 2), 1);
}

TEST(Tables, WeightedDrawWithNoWeightTakesTheLastWithoutADraw) {
  lf::Random rnd = lf::Random::scripted({{6, 3}});
  EXPECT_EQ(fb::weighted(rnd, {0, 0, 0}), 3);
  EXPECT_EQ(fb::weighted(rnd, {1, 0, 2, 3}), 3);
  EXPECT_EQ(rnd.remaining(), 0u);
}

}  // namespace
