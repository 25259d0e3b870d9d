// rosterdesk: edits the active league's teams, depth charts, player ratings and trades.
#include "rosterdesk/editor.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "rosterdesk");
    return newedit::runEditor();
}
