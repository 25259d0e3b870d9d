// steward: the manager beside the game. Starts the suite and its side programs, backs up and
// restores the league data, edits the options and views the archive files.
#include "steward/main_window.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "steward");
    steward::MainWindow window;
    window.show();
    window.activateWindow();
    steward::refreshLeagueList();
    return program.run();
}
