// gameday: one game of the league, from "Is this a league game?" through the scoreboard
// and the box score to the saving of its results; then the menu.
#include <chrono>
#include <optional>

#include "gameday/engine/game.h"
#include "gameday/engine/tables.h"
#include "gameday/frm_show_stats.h"
#include "gameday/pickteam.h"
#include "gameday/qtext.h"
#include "gameday/scorebrd.h"
#include "gameday/season/box_score.h"
#include "gameday/season/game_setup.h"
#include "gameday/season/postseason.h"
#include "gameday/season/save_game.h"
#include "gameday/window_seam.h"
#include "gameday/work_area.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "ui/launcher.h"
#include "ui/message_box.h"
#include "ui/program.h"

namespace {

void showError(const std::exception& e) {
    ui::messageBox(gameday::qtext(e.what()), ui::Buttons::Ok, QStringLiteral("KRO"), ui::Icon::Critical);
}

uint64_t clockSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The game to play, or nothing when the user cancels or the season is over.
std::optional<season::GameChoice> chooseGame(season::SeasonLeague& lg, lf::Random& random) {
    const QString title = gameday::qtext(lg.league.title);
    const season::ShowMessage show = [](const std::string& text, const std::string& boxTitle) {
        ui::messageBox(gameday::qtext(text), ui::Buttons::Ok, gameday::qtext(boxTitle));
    };
    if (ui::messageBox(QStringLiteral("Is this a league game?"), ui::Buttons::YesNo, title) !=
        ui::Answer::Yes)
        return gameday::pickExhibition(lg, random);
    if (lg.league.state == 2) {
        ui::messageBox(QString::fromLatin1(season::SeasonCompleteText), ui::Buttons::Ok, title);
        return std::nullopt;
    }
    std::optional<season::WeekDisplay> display = season::openWeekDisplay(lg, show, random);
    if (!display) return std::nullopt;
    return gameday::pickLeagueGame(lg, *display, show, random);
}

}  // namespace

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "gameday");
    gameday::fitActiveWindowOnWorkAreaChange();
    lf::Random random(clockSeed());
    const std::filesystem::path dir = lf::leagueDirectory();

    season::SeasonLeague lg;
    fb::Tables tables;
    std::optional<season::GameChoice> choice;
    fb::GameSetup setup;
    try {
        lg = season::openSeasonLeague(dir);
        ui::setDefaultTitle(QStringLiteral("KRO"));
        tables = fb::loadTables(dir);
        choice = chooseGame(lg, random);
        if (choice) setup = season::loadGameSetup(lg, *choice);
    } catch (const std::exception& e) {
        showError(e);
        return 1;
    }

    if (choice) {
        const gameday::StatsContext stats{lg.league.season, lf::archiveFolder(dir, lg.name)};
        gameday::Scorebrd scoreboard;
        gameday::WindowSeam seam(scoreboard, stats, gameday::changeControlOffered(dir));
        fb::GameState g;
        lf::Random gameRandom(clockSeed());
        if (fb::playGame(g, setup, tables, gameRandom, seam) == fb::GameEnd::Abandoned) return 0;
        season::setResultFlags(g);
        scoreboard.hide();
        gameday::showGameStatistics(g, stats);
        try {
            season::saveGameResults(g, dir, choice->record);
        } catch (const std::exception& e) {
            showError(e);
        }
    }
    ui::startProgram(QStringLiteral("lobby.exe"));
    return 0;
}
