#include "gameday/window_seam.h"

#include "gameday/forms.h"
#include "gameday/makecall.h"
#include "gameday/qtext.h"
#include "gameday/subbing.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/seq_fields.h"
#include "ui/message_box.h"

namespace gameday {

bool changeControlOffered(const std::filesystem::path& dir) {
    const std::filesystem::path file = lf::resolve(dir, "custom.dat");
    if (!std::filesystem::exists(file)) return true;
    try {
        lf::FieldReader fields = lf::FieldReader::fromFile(file);
        return fields.atEnd() || fields.text() != "0";
    } catch (const lf::FileError&) {
        return true;
    }
}

WindowSeam::WindowSeam(Scorebrd& scoreboard, StatsContext stats, bool changeControlOffered)
    : scoreboard_(scoreboard), stats_(std::move(stats)), changeControlOffered_(changeControlOffered) {}

void WindowSeam::welcome(const fb::GameState& g, const std::string& scoreboardTitle,
                         const std::string& text) {
    showWelcome(qtext(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    scoreboard_.open(g, qtext(scoreboardTitle));
    scoreboard_.show();
}

int WindowSeam::selectCoaches(const fb::GameState& g) {
    return gameday::selectCoaches(qtext(g.side[fb::kVisitor].name), qtext(g.side[fb::kHome].name));
}

void WindowSeam::playText(const fb::GameState&, std::string_view text) {
    scoreboard_.printPlayText(std::string(text));
}

void WindowSeam::refreshScoreboard(const fb::GameState& g) { scoreboard_.refresh(g); }

void WindowSeam::message(const std::string& text, const std::string& title) {
    ui::messageBox(qtext(text), ui::Buttons::Ok, qtext(title));
}

std::string WindowSeam::offensiveEntry(const fb::GameState& g) {
    scoreboard_.showHelp(true);
    const QString entry = askCall({true, g.coachControl == 0, {}});
    scoreboard_.hideHelp();
    return bytes(entry);
}

std::string WindowSeam::defensiveEntry(const fb::GameState& g) {
    const fb::Side& offense = g.side[g.offense];
    QStringList formation;
    for (int place = 1; place <= 6; ++place) {
        const int player = offense.lineup[place];
        if (player < 1 || player > fb::kRosterSize) continue;
        formation << qtext(offense.roster[player].position) + QLatin1Char(' ') +
                         qtext(offense.roster[player].name);
    }
    scoreboard_.showHelp(false);
    const QString entry = askCall({false, false, formation});
    scoreboard_.hideHelp();
    return bytes(entry);
}

bool WindowSeam::penaltyChoice(const fb::GameState&, const fb::PenaltyView& v) {
    return penaltyForm(v);
}

std::string WindowSeam::timeoutAnswer(const fb::GameState&, const std::string& prompt) {
    const auto answer =
        ui::inputBox(qtext(prompt), QStringLiteral("Time is running out!"), {}, 0.36, 0.47);
    return answer ? bytes(*answer) : std::string();
}

bool WindowSeam::coinTossReceive(const fb::GameState&, const std::string& title,
                                 const std::string& text) {
    return ui::messageBox(qtext(text), ui::Buttons::YesNo, qtext(title)) == ui::Answer::Yes;
}

char WindowSeam::kickoffForm(const fb::GameState&, const fb::KickoffView& v) {
    return gameday::kickoffForm(v);
}

int WindowSeam::kickDefenceForm(const fb::GameState&, const fb::KickDefenceView& v) {
    return chooseOption(qtext(v.caption), {qtext(v.option0), qtext(v.option1)}, 0, qtext(v.button));
}

fb::ConversionAnswer WindowSeam::conversionForm(const fb::GameState&, const fb::ConversionView& v) {
    const fb::ConversionAnswer answer = gameday::conversionForm(v, changeControlOffered_);
    scoreboard_.clearPlayText();
    return answer;
}

void WindowSeam::substitution(fb::GameState& g, int side) { showSubstitution(g, side); }

void WindowSeam::showStatistics(const fb::GameState& g) {
    scoreboard_.hide();
    showGameStatistics(g, stats_, false);
    scoreboard_.show();
}

void WindowSeam::showLog(const fb::GameState& g) {
    scoreboard_.hide();
    showGameStatistics(g, stats_, true);
    scoreboard_.show();
}

}  // namespace gameday
