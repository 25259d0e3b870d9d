// The start of a game: sides and rosters from the records, the weather from
// the home side's settings, and the welcome.
#include "gameday/engine/game.h"
#include "gameday/engine/tests/engine_fixture.h"

namespace {

fb::GameState started(const char* homeSettings, int week, std::vector<lf::PlannedDraw> draws) {
  fb::GameSetup setup = fbtest::setup();
  setup.team[fb::kHome].setSettings(homeSettings);
  setup.week = week;
  fb::GameState g;
  lf::Random rnd = lf::Random::scripted(std::move(draws));
  fb::startGame(g, setup, rnd);
  EXPECT_EQ(rnd.remaining(), 0u);
  return g;
}

TEST(Start, IndoorsIsSeventyDegreesWithoutWindOrRain) {
  for (int week : {1, 9, 16}) {
    const fb::GameState g = started("351113", week, {});
    EXPECT_EQ(g.weather.temperature, 70);
    EXPECT_EQ(g.weather.windText, "No Wind");
    EXPECT_EQ(g.weather.precipitationText, "Clear");
    EXPECT_EQ(g.fumbleRange, 1300);
  }
}

TEST(Start, WindyAndRainyHomeSettingsBringWindAndRainMoreOften) {
  // Temperature class 3 in week 9: band 3 + 1..4. A wind draw of 3 out of 8 is
  // wind for a windy stadium (class 1) but calm for a calm one (class 3).
  struct Case { const char* settings; int wind, rain; const char *windText, *rainText; int temp; };
  const Case cases[] = {
      {"131122", 2, 2, "Strong Wind", "Heavy Rain", 60 + 5 - (2 + 2) * 2 * 3},
      {"133322", 0, 0, "No Wind", "Clear", 60 + 5},
  };
  for (const Case& c : cases) {
    std::vector<lf::PlannedDraw> d = {{4, 1}, {8, 3}};
    if (c.wind) d.push_back({8, 3});
    d.push_back({12, 3});
    if (c.rain) d.push_back({12, 3});
    d.push_back({12, 5});
    const fb::GameState g = started(c.settings, 9, d);
    EXPECT_EQ(g.weather.windLevel, c.wind);
    EXPECT_EQ(g.weather.windText, c.windText);
    EXPECT_EQ(g.weather.precipitationText, c.rainText);
    EXPECT_EQ(g.weather.temperature, c.temp);
    EXPECT_EQ(g.side[fb::kVisitor].windFor, c.wind);
    EXPECT_EQ(g.side[fb::kHome].windFor, -c.wind);
    EXPECT_EQ(g.fumbleRange, 1300 - 100 * c.rain);
  }
}

TEST(Start, RainBelowThirtyThreeDegreesIsSnow) {
  // Class 5 (cold) late in the season: band 4 + 6 = 10, base 0.
  const fb::GameState g = started("151222", 17, {{6, 6}, {8, 8}, {12, 2}, {12, 12}, {12, 1}});
  EXPECT_EQ(g.weather.precipitation, 3);
  EXPECT_EQ(g.weather.precipitationText, "Snow");
  EXPECT_EQ(g.fumbleRange, 1000);
}

TEST(Start, SidesAndRostersComeFromTheRecords) {
  fb::GameSetup setup = fbtest::setup();
  setup.players[fb::kHome][0].setInjury(2);   // QB1 hurt: down to the bottom of the group
  setup.team[fb::kVisitor].setSettings("221213");
  fb::GameState g;
  lf::Random rnd(4);
  fb::startGame(g, setup, rnd);
  EXPECT_EQ(g.side[1].name, "Comets");
  EXPECT_EQ(g.side[1].code, "EAS ");
  EXPECT_EQ(g.side[1].offensiveStyle, 1);
  EXPECT_EQ(g.side[1].defensiveStyle, 3);
  EXPECT_EQ(g.side[2].roster[1].name, "First1 Rangers1");
  EXPECT_EQ(g.side[2].depth[1], 2);
  EXPECT_EQ(g.side[2].depth[3], 1);
  EXPECT_EQ(g.side[2].stats[fb::stat::LongRush], fb::kNotYet);
  EXPECT_EQ(g.side[2].roster[5].stats[fb::stat::LongInterception], 0);
  EXPECT_TRUE(g.kickoffPending);
}

TEST(Start, WelcomeNamesBothCoachesTheStadiumAndTheWeather) {
  struct Welcome : fb::AutoSeam {
    void welcome(const fb::GameState&, const std::string& t, const std::string& text) override {
      title = t, body = text;
    }
    std::string title, body;
  } seam;
  fb::GameSetup setup = fbtest::setup();
  setup.team[fb::kHome].setSettings("351122");
  fb::GameState g;
  lf::Random rnd(4);
  fb::playGame(g, setup, fbtest::tables(), rnd, seam);
  EXPECT_EQ(seam.title, "KRO Scoreboard - Easton at Weston");
  EXPECT_EQ(seam.body,
            "Bob Coach of the Weston Rangers\r\n welcomes \r\nAnn Coach of the Easton Comets\r\n"
            " to Field of Tests.\r\nToday's Weather: Clear, No Wind.\r\nTemperature: 70\xB0 F");
}

}  // namespace
