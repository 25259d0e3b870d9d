// retire: turns the finished season into the next one, shows what happened to the rosters,
// then starts the schedule writer.
#include <QString>
#include <QStringList>

#include "leaguefiles/cp1252.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "retire/frm_retire.h"
#include "retire/new_season.h"
#include "ui/launcher.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace {

QString text(std::string_view bytes) { return QString::fromStdString(lf::cp1252ToUtf8(bytes)); }

QStringList lines(const std::vector<std::string>& from) {
    QStringList out;
    for (const std::string& line : from) out.append(text(line));
    return out;
}

void tell(std::string_view message) {
    ui::messageBox(text(message), ui::Buttons::Ok, QStringLiteral("KRO"));
}

}  // namespace

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "retire");
    tell(retire::SettingUpMessage);
    lf::Random rng = lf::Random::fromClock();
    const auto dir = lf::leagueDirectory();
    try {
        const std::string name = lf::readLeagueName(dir);
        const lf::League league = lf::readLeague(lf::leagueFilePath(dir, name, "lge"));
        if (!retire::seasonFinished(league)) {
            tell(retire::NotFromTallyMessage);
            return 0;
        }
        retire::Season season = retire::loadSeason(dir, name, league);
        const retire::NameLists names = retire::nameLists(dir);
        const retire::Report report = retire::startNextSeason(season, names, rng);
        // Nothing reaches the files before the report is closed: a run cut short there
        // leaves the finished season as it was, ready to be run again.
        retire::FrmRetire window(lines(report.left), lines(report.right));
        ui::showModal(window);
        retire::saveSeason(dir, season);
    } catch (const lf::FileError& e) {
        ui::messageBox(text(e.what()) + QStringLiteral("\rThe league has not been changed."),
                       ui::Buttons::Ok, QStringLiteral("KRO"), ui::Icon::Critical);
        return 1;
    }
    ui::startProgram(QStringLiteral("fixtures.exe"));
    return 0;
}
