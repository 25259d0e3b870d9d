#pragma once
// The engine's seam served by gameday's windows: the scoreboard, the play-call box and
// the modal forms. The computer's decisions stay in the engine; these windows only show
// them and hand back what a person chose.
#include "gameday/engine/seam.h"
#include "gameday/frm_show_stats.h"
#include "gameday/scorebrd.h"

namespace gameday {

class WindowSeam : public fb::Seam {
public:
    // changeControlOffered: "custom.dat" does not hide "Change Control".
    WindowSeam(Scorebrd& scoreboard, StatsContext stats, bool changeControlOffered);

    void welcome(const fb::GameState& g, const std::string& scoreboardTitle,
                 const std::string& text) override;
    int selectCoaches(const fb::GameState& g) override;
    void playText(const fb::GameState& g, std::string_view text) override;
    void refreshScoreboard(const fb::GameState& g) override;
    void message(const std::string& text, const std::string& title) override;
    std::string offensiveEntry(const fb::GameState& g) override;
    std::string defensiveEntry(const fb::GameState& g) override;
    bool penaltyChoice(const fb::GameState& g, const fb::PenaltyView& v) override;
    std::string timeoutAnswer(const fb::GameState& g, const std::string& prompt) override;
    bool coinTossReceive(const fb::GameState& g, const std::string& title,
                         const std::string& text) override;
    char kickoffForm(const fb::GameState& g, const fb::KickoffView& v) override;
    int kickDefenceForm(const fb::GameState& g, const fb::KickDefenceView& v) override;
    fb::ConversionAnswer conversionForm(const fb::GameState& g, const fb::ConversionView& v) override;
    void substitution(fb::GameState& g, int side) override;
    void showStatistics(const fb::GameState& g) override;
    void showLog(const fb::GameState& g) override;

private:
    Scorebrd& scoreboard_;
    StatsContext stats_;
    bool changeControlOffered_;
};

// The first value of "custom.dat" in dir: "0" hides "Change Control"; a missing or
// unreadable file hides nothing.
bool changeControlOffered(const std::filesystem::path& dir);

}  // namespace gameday
