// A game state at kickoff-free first and ten, a seam that records what it was
// shown, and single routines run against planned draws.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gameday/engine/routines.h"
#include "gameday/engine/tests/test_tables.h"

namespace fbtest {

class RecordingSeam : public fb::AutoSeam {
 public:
  void message(const std::string& text, const std::string&) override { messages.push_back(text); }
  bool penaltyChoice(const fb::GameState&, const fb::PenaltyView& v) override {
    penalties.push_back(v);
    return humanAccepts.value_or(v.showAccept);
  }
  fb::ConversionAnswer conversionForm(const fb::GameState&, const fb::ConversionView& v) override {
    conversions.push_back(v);
    return {v.preselected, false};
  }
  std::vector<std::string> messages;
  std::vector<fb::PenaltyView> penalties;
  std::vector<fb::ConversionView> conversions;
  std::optional<bool> humanAccepts;
};

class EngineTest : public testing::Test {
 protected:
  EngineTest() {
    lf::Random r(1);
    fb::startGame(s, setup(), r);
    fb::fillRunPlayWeights(s);
    s.coachControl = 3;
    s.kickoffPending = false;
    s.offense = fb::kVisitor;
    s.defense = fb::kHome;
    s.openingReceiver = fb::kVisitor;   // the opening toss is made: a half can end in a test
    s.weather.temperature = 70;
    s.weather.precipitation = 0;
    s.weather.surface = 1;
    s.fumbleRange = 1300;
    s.side[1].windFor = s.side[2].windFor = 0;
    s.ballOn = 35;
    s.yardsToGoal = 65;
    s.secondsLeft = 600;
  }

  // Runs f with exactly the planned draws (uniform(n) = value; n = 0 a unit()).
  void run(std::vector<lf::PlannedDraw> draws, const std::function<void(fb::Game&)>& f) {
    lf::Random rnd = lf::Random::scripted(std::move(draws));
    fb::Game g{s, tables(), rnd, seam};
    f(g);
    EXPECT_EQ(rnd.remaining(), 0u) << "planned draws left unused";
  }

  // A call applied as if typed, with the computer's defence "605" (base 4-3, Pass).
  void call(const std::string& offence, const std::string& defence = "605") {
    fb::resetPlay(s);
    run({}, [&](fb::Game& g) {
      ASSERT_TRUE(fb::applyOffensiveCall(g, offence)) << offence;
      ASSERT_TRUE(fb::applyDefensiveCall(g, defence)) << defence;
    });
  }

  fb::GameState s;
  RecordingSeam seam;
};

}  // namespace fbtest
