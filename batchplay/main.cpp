// batchplay: plays a chosen number of league games through the game program's windows.
#include "batchplay/batchplay_window.h"
#include "leaguefiles/league_dir.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "batchplay");
    const batchplay::Options options =
        batchplay::readOptions(lf::resolve(lf::leagueDirectory(), batchplay::OptionsFile));
    batchplay::BatchplayWindow window(options);
    window.show();
    return program.run();
}
