// annals: the league's all-time records and past champions, read-only.
#include <QStringList>

#include "annals/basemenu.h"
#include "annals/records_view.h"
#include "annals/seerecrd.h"
#include "leaguefiles/cp1252.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "leaguefiles/records_file.h"
#include "ui/launcher.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace {

QString fromFile(const std::string& text) { return QString::fromStdString(lf::cp1252ToUtf8(text)); }

QStringList toList(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out.append(fromFile(line));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "annals");
    const auto dir = lf::leagueDirectory();
    std::string league;
    std::vector<std::string> labels;
    try {
        labels = lf::readRecordLabels(lf::resolve(dir, lf::RecordLabelsFile));
        league = lf::readLeagueName(dir);
    } catch (const lf::FileError& e) {
        ui::messageBox(QString::fromStdString(e.what()), ui::Buttons::Ok, QStringLiteral("KRO"),
                       ui::Icon::Critical);
        return 1;
    }

    SeeRecs::Basemenu menu(fromFile(league));
    for (int button; (button = menu.ask()) != SeeRecs::ExitButton;) {
        try {
            SeeRecs::Seerecrd window(toList(SeeRecs::recordsView(dir, league, button, labels)));
            ui::showModal(window);
        } catch (const lf::FileError& e) {
            ui::messageBox(QString::fromStdString(e.what()), ui::Buttons::Ok,
                           QStringLiteral("KRO"), ui::Icon::Critical);
        }
    }
    ui::startProgram(QStringLiteral("lobby.exe"));
    return 0;
}
