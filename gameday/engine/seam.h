// Everything the game shows to a person or asks of one passes through this
// interface; the game program's windows implement it, and AutoSeam (the
// computer coaching both sides, every announcement returning at once) serves
// tests, tools and benchmarks. The engine keeps all decisions of the computer
// coaches to itself: a seam only shows and hands back what a person chose.
#pragma once

#include <string>
#include <string_view>

#include "gameday/engine/game_state.h"

namespace fb {

// A foul with a choice (accept or decline). showAccept / showDecline tell
// which option lines are visible; when the computer decided, only its choice
// is shown and the click confirms it.
struct PenaltyView {
  std::string playText;
  std::string description;
  std::string acceptText;
  std::string declineText;
  bool showAccept = true;
  bool showDecline = true;
  int decider = 0;            // side that chooses
};

// The Kickoff form: a human of the kicking side picks the kick.
struct KickoffView {
  std::string caption;
  std::string label;          // "Kickoff by " + kicking team
};

// The Ccontrol form when the defence faces a punt or a field goal.
struct KickDefenceView {
  std::string caption;        // "... are in PUNT formation." / "... are in FG formation."
  std::string option0;        // "Set up a RETURN" / "Block LEFT" (preselected)
  std::string option1;        // "Try to BLOCK it" / "Block RIGHT"
  std::string button;         // "Punt" / "Attempt Field Goal"
};

// The Extrapt form: the conversion choice after a touchdown, or an
// announcement of a field goal or safety with only the "Kickoff" button.
struct ConversionView {
  std::string caption;
  std::string label;             // Label2: what happened
  int conversionMode = 0;        // 0: announcement only
  bool showOptions = true;       // Option1 pair visible
  char preselected = 'D';        // 'D' extra point, 'S' two-point try
  std::string command1Caption;   // "Continue" or "Kickoff"
  bool showCommand1 = true;
  bool showChangeControl = false;  // Command2, offered while the computer coaches both
  bool closesItself = false;       // Timer1 presses Command1 after 2000 ms
};

struct ConversionAnswer {
  char choice = 'D';               // 'D' or 'S'
  bool changedControl = false;     // "Change Control" was pressed: humans coach both
};

class Seam {
 public:
  virtual ~Seam() = default;

  // Welcome window ("Play Game"); the scoreboard takes scoreboardTitle.
  virtual void welcome(const GameState& g, const std::string& scoreboardTitle,
                       const std::string& text) = 0;
  // "Select Coaches": returns coach control 0..3.
  virtual int selectCoaches(const GameState& g) = 0;
  // A line for the play-text area (already added to the event lines).
  virtual void playText(const GameState& g, std::string_view text) = 0;
  virtual void refreshScoreboard(const GameState& g) = 0;
  virtual void message(const std::string& text, const std::string& title) = 0;
  // Typed entries of the play-call box, as typed (calls or commands).
  virtual std::string offensiveEntry(const GameState& g) = 0;
  virtual std::string defensiveEntry(const GameState& g) = 0;
  // Returns true for ACCEPT.
  virtual bool penaltyChoice(const GameState& g, const PenaltyView& v) = 0;
  // Input box "Time is running out!"; returns the typed answer.
  virtual std::string timeoutAnswer(const GameState& g, const std::string& prompt) = 0;
  // "Do you wish to receive the ball?" Yes = true.
  virtual bool coinTossReceive(const GameState& g, const std::string& title,
                               const std::string& text) = 0;
  // Returns 'D', 'S' or 'O'.
  virtual char kickoffForm(const GameState& g, const KickoffView& v) = 0;
  // Returns the chosen option, 0 or 1.
  virtual int kickDefenceForm(const GameState& g, const KickDefenceView& v) = 0;
  virtual ConversionAnswer conversionForm(const GameState& g, const ConversionView& v) = 0;
  // "Substitute" window for one side; exchanges go through substitute().
  virtual void substitution(GameState& g, int side) = 0;
  // STAT and LOG: the game statistics and the summary of events.
  virtual void showStatistics(const GameState& g) = 0;
  virtual void showLog(const GameState& g) = 0;
};

// The computer coaches both sides and every announcement returns at once.
class AutoSeam : public Seam {
 public:
  void welcome(const GameState&, const std::string&, const std::string&) override {}
  int selectCoaches(const GameState&) override { return 3; }
  void playText(const GameState&, std::string_view) override {}
  void refreshScoreboard(const GameState&) override {}
  void message(const std::string&, const std::string&) override {}
  std::string offensiveEntry(const GameState&) override { return "0"; }
  std::string defensiveEntry(const GameState&) override { return "0"; }
  bool penaltyChoice(const GameState&, const PenaltyView& v) override { return v.showAccept; }
  std::string timeoutAnswer(const GameState&, const std::string&) override { return "N"; }
  bool coinTossReceive(const GameState&, const std::string&, const std::string&) override {
    return true;
  }
  char kickoffForm(const GameState&, const KickoffView&) override { return 'D'; }
  int kickDefenceForm(const GameState&, const KickDefenceView&) override { return 0; }
  ConversionAnswer conversionForm(const GameState&, const ConversionView& v) override {
    return {v.preselected, false};
  }
  void substitution(GameState&, int) override {}
  void showStatistics(const GameState&) override {}
  void showLog(const GameState&) override {}
};

// Exchanges two depth-chart slots of a side when both belong to one position
// group and their players sit out the same number of quarters; returns
// whether the exchange was made (the substitution window's drop rule).
bool substitute(GameState& g, int side, int slotA, int slotB);

}  // namespace fb
