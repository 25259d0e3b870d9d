#include "tools/simseason/league_play.h"

#include "gameday/engine/game.h"
#include "gameday/season/box_score.h"
#include "gameday/season/game_setup.h"
#include "gameday/season/postseason.h"
#include "gameday/season/save_game.h"
#include "gameday/season/week_display.h"

namespace simseason {

std::optional<PlayedGame> playNextGame(const std::filesystem::path& dir, const fb::Tables& tables,
                                       lf::Random& random, std::string& stopReason) {
    stopReason.clear();
    season::SeasonLeague lg = season::openSeasonLeague(dir);
    if (lg.league.state == 2) {
        stopReason = season::SeasonCompleteText;
        return std::nullopt;
    }
    const season::ShowMessage show = [&](const std::string& text, const std::string&) {
        // "Setting Up Postseason" is news, not a reason to stop.
        if (text != season::SettingUpText) stopReason = text;
    };
    std::optional<season::WeekDisplay> display = season::openWeekDisplay(lg, show, random);
    if (!display) {
        if (stopReason.empty()) stopReason = season::SeasonCompleteText;
        return std::nullopt;
    }
    std::optional<season::GameChoice> choice = season::chooseNextGame(lg, *display);
    if (!choice) {
        if (stopReason.empty()) stopReason = "No game of week " + std::to_string(display->week) +
                                             " can be played.";
        return std::nullopt;
    }
    const fb::GameSetup setup = season::loadGameSetup(lg, *choice);
    PlayedGame played{*choice, {}};
    fb::AutoSeam seam;
    fb::playGame(played.game, setup, tables, random, seam);
    season::setResultFlags(played.game);
    season::saveGameResults(played.game, dir, choice->record);
    return played;
}

}  // namespace simseason
