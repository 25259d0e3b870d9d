// tally: the league's standings, team reports, league totals and leaders; closes a season.
#include <QString>
#include <exception>

#include "tally/viewer.h"
#include "ui/message_box.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "tally");
    // The first unexpected failure starts over at the league choice; a second one ends the run.
    for (int failures = 0;;) {
        try {
            stats::runViewer();
            return 0;
        } catch (const std::exception& e) {
            ui::messageBox(QString::fromStdString(e.what()), ui::Buttons::Ok, QStringLiteral("KRO"),
                           ui::Icon::Critical);
            if (++failures == 2) return 1;
        }
    }
}
