// standings: the active league's standings kept on screen while games are played.
#include <QString>
#include <exception>

#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "standings/live_window.h"
#include "tally/league_view.h"
#include "ui/message_box.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "standings");
    std::unique_ptr<live::LiveWindow> window;
    try {
        const auto dir = lf::leagueDirectory();
        window = std::make_unique<live::LiveWindow>(
            tally::openLeague(dir, lf::readLeagueName(dir), false));
    } catch (const std::exception& e) {
        ui::messageBox(QString::fromStdString(e.what()), ui::Buttons::Ok, QStringLiteral("KRO"),
                       ui::Icon::Critical);
        return 1;
    }
    window->show();
    return program.run();
}
