#include "rosterdesk/editor.h"

#include <QStringList>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "rosterdesk/button_menu.h"
#include "rosterdesk/choosetm.h"
#include "rosterdesk/depth_chart_window.h"
#include "rosterdesk/editteam.h"
#include "rosterdesk/league_store.h"
#include "rosterdesk/qt_text.h"
#include "rosterdesk/save_question.h"
#include "rosterdesk/select_players.h"
#include "rosterdesk/select_team.h"
#include "rosterdesk/team_order.h"
#include "rosterdesk/trade_window.h"
#include "ui/launcher.h"
#include "ui/modal_form.h"

namespace newedit {

namespace {

enum Command { EditTeamData, EditDepthChart, EditPlayerData, PrintRoster, TradePlayer, Exit };

const QStringList menuButtons = {"Edit Team Data", "Edit Depth Chart", "Edit Player Data",
                                 "Print Roster",   "Trade Player",     "Exit"};

const QStringList positionButtons = {
    "Quarterbacks", "Fullbacks", "Halfbacks",   "Wide Receivers",    "Tight Ends", "Centers",
    "Offensive Guards", "Offensive Tackles", "Defensive Ends", "Defensive Tackles", "Linebackers",
    "Cornerbacks",  "Safeties",  "Kicker",      "Punter",            "Exit"};

struct Editor {
    LeagueStore store;
    std::vector<lf::TeamRecord> teams;

    // The chooser over the teams as last read; the teams are read again afterwards.
    int chooseTeam() {
        std::vector<std::string> names;
        for (const lf::TeamRecord& t : teams) names.push_back(teamDisplayName(t));
        const int team = selectTeam(names, teamOrder(names));
        teams = store.readTeams();
        return team;
    }

    void editTeamData(int team) {
        Editteam form(teams[team - 1], [&](const lf::TeamRecord& edited) {
            store.writeTeam(team, edited);
            teams = store.readTeams();
        });
        ui::showModal(form);
    }

    void editDepthChart(int team) {
        std::vector<lf::PlayerRecord> players = store.readTeamPlayers(team);
        DepthChartWindow window(players, [&] { store.writeTeamPlayers(team, players); });
        ui::showModal(window);
    }

    void editPlayerData(int team) {
        std::vector<lf::PlayerRecord> players = store.readTeamPlayers(team);
        ButtonMenu menu(QStringLiteral("Editplyr"), QStringLiteral("Edit Players"), positionButtons);
        const int exit = int(positionButtons.size()) - 1;
        for (;;) {
            const int button = menu.ask();
            if (button == exit) {
                if (closeWithSaveQuestion([&] { store.writeTeamPlayers(team, players); })) return;
                continue;
            }
            const lf::SlotGroup& group = lf::slotGroups()[button];
            SelectPlayers list(players, group.first, group.count);
            ui::showModal(list);
        }
    }

    void printRoster(int team) {
        const std::vector<lf::PlayerRecord> players = store.readTeamPlayers(team);
        const lf::TeamRecord& record = teams[team - 1];
        Choosetm window(fromFile(record.nickname()) + QStringLiteral(" Roster"), players, store.league.season,
                        QString::fromStdString(store.defaultRosterFile(record).string()));
        ui::showModal(window);
    }

    void tradePlayer() {
        TradeWindow window(store, teams);
        ui::showModal(window);
    }

    void run(int command) {
        if (command == TradePlayer) return tradePlayer();
        const int team = chooseTeam();
        if (team == 0) return;
        switch (command) {
        case EditTeamData: return editTeamData(team);
        case EditDepthChart: return editDepthChart(team);
        case EditPlayerData: return editPlayerData(team);
        case PrintRoster: return printRoster(team);
        }
    }
};

}  // namespace

int runEditor() {
    Editor editor;
    try {
        editor.store = LeagueStore::open(lf::leagueDirectory());
        editor.teams = editor.store.readTeams();
    } catch (const lf::FileError& e) {
        showFailure(e.what());
        return 1;
    }
    ButtonMenu menu(QStringLiteral("Editmenu"), QStringLiteral("Edit Teams Or Players"), menuButtons);
    for (int command; (command = menu.ask()) != Exit;) {
        try {
            editor.run(command);
        } catch (const lf::FileError& e) {
            showFailure(e.what());
        }
    }
    ui::startProgram(QStringLiteral("lobby.exe"));
    return 0;
}

}  // namespace newedit
