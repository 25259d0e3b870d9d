#include "tally/viewer.h"

#include <QStringList>

#include "leaguefiles/cp1252.h"
#include "tally/basemenu.h"
#include "tally/choosetm.h"
#include "tally/frm_archive_or_current.h"
#include "tally/leaders.h"
#include "tally/league_totals.h"
#include "tally/season_close.h"
#include "tally/standings_report.h"
#include "tally/team_report.h"
#include "tally/winloss.h"
#include "ui/launcher.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/print_dialog.h"

namespace stats {

namespace {

QString fromFile(const std::string& text) { return QString::fromStdString(lf::cp1252ToUtf8(text)); }

QStringList toList(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out.append(fromFile(line));
    return out;
}

struct Session {
    tally::LeagueView view;
    QString lastPrintFile;

    // The report window for one report; the print dialog offers its file.
    void show(const tally::Report& report) {
        ui::setPrintFile(fromFile(report.printFile));
        lastPrintFile = fromFile(report.printFile);
        if (report.noStats)
            ui::messageBox(QStringLiteral("No teams have any stats!"), ui::Buttons::Ok,
                           QStringLiteral("KRO"));
        Choosetm window;
        window.showReport(fromFile(report.caption), toList(report.lines), view.header.season,
                          lastPrintFile);
        lastPrintFile = ui::printFile();
    }

    void standings() {
        tally::StandingsTable table = tally::readStandings(view);
        const QString file = fromFile(tally::standingsPrintFile(view));
        ui::setPrintFile(file);
        lastPrintFile = file;
        Winloss window(fromFile(view.base), table,
                       tally::standingsPrintLines(table, view.header.teamsPerDivision),
                       lastPrintFile);
        ui::showModal(window);
        lastPrintFile = ui::printFile();
    }

    void teamStats() {
        auto full = tally::fullNames(tally::readTeams(view));
        std::vector<int> order = tally::chooserOrder(full);
        QStringList names;
        for (int t : order) names.append(fromFile(full[static_cast<std::size_t>(t)]));
        int item = 0;
        {
            Choosetm chooser;
            item = chooser.chooseTeam(names);
        }
        tally::loadNames(view, tally::readTeams(view));
        if (item > 0) show(tally::teamReport(view, order[static_cast<std::size_t>(item) - 1]));
    }

    void leadersMenu() {
        for (;;) {
            Basemenu menu(QStringLiteral("Show League Leaders"), leadersMenuButtons());
            int button = menu.ask(ExitLeaders);
            if (button == ExitLeaders) return;
            show(tally::leaders(view, button));
        }
    }

    void newSeason() {
        ui::messageBox(QStringLiteral("Saving Season Records"), ui::Buttons::Ok, QStringLiteral("KRO"));
        tally::loadNames(view, tally::readTeams(view));
        tally::saveSeasonRecords(view);
        tally::archiveSeason(view);
        ui::messageBox(fromFile(tally::archivedMessage(view)), ui::Buttons::Ok, QStringLiteral("KRO"));
        ui::startProgram(QStringLiteral("retire.exe"));
    }
};

}  // namespace

void runViewer() {
    LeagueChoice choice;
    {
        FrmArchiveOrCurrent chooser;
        choice = chooser.choose();
    }
    if (choice.closed) {
        ui::startProgram(QStringLiteral("lobby.exe"));
        return;
    }
    Session session{tally::openLeague(choice.dir, choice.base, choice.archived), {}};

    for (;;) {
        int button = ExitViewer;
        {
            Basemenu menu(QStringLiteral("Look At Statistics"), mainMenuButtons());
            menu.setButtonEnabled(NewSeason, tally::newSeasonAllowed(session.view));
            button = menu.ask(ExitViewer);
        }
        switch (button) {
            case ShowStandings: session.standings(); break;
            case ShowTeamStats: session.teamStats(); break;
            case ShowOffTotals: session.show(tally::leagueTotals(session.view, tally::Side::Offence)); break;
            case ShowDefTotals: session.show(tally::leagueTotals(session.view, tally::Side::Defence)); break;
            case ShowLeaders: session.leadersMenu(); break;
            case ShowEntireLeague: session.show(tally::entireLeague(session.view)); break;
            case NewSeason: session.newSeason(); return;
            default: ui::startProgram(QStringLiteral("lobby.exe")); return;
        }
    }
}

}  // namespace stats
