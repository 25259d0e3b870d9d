#include "commissioner/commands.h"

#include <QString>
#include <array>

#include "commissioner/league_creation.h"
#include "commissioner/league_selection.h"
#include "commissioner/league_settings.h"
#include "commissioner/name_dialog.h"
#include "commissioner/select_window.h"
#include "commissioner/settings_window.h"
#include "commissioner/team_screen.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/templates.h"
#include "ui/message_box.h"

namespace commish {
namespace {

void tell(const std::string& text) {
    ui::messageBox(QString::fromStdString(text), ui::Buttons::Ok, QStringLiteral("KRO"));
}

bool yes(const char* question) {
    return ui::messageBox(QString::fromUtf8(question), ui::Buttons::YesNo, QStringLiteral("KRO"),
                          ui::Icon::Question, 2) == ui::Answer::Yes;
}

}  // namespace

void selectLeague(const std::filesystem::path& dir) {
    try {
        const std::string old = upper(lf::readLeagueName(dir));
        const QString result = runSelectWindow(dir, QString::fromStdString(old));
        if (const auto name = chosenLeague(result.toStdString(), old)) lf::writeLeagueName(dir, *name);
    } catch (const lf::FileError& e) {
        tell(e.what());
    }
}

void editLeague(const std::filesystem::path& dir) {
    try {
        const std::string name = lf::readLeagueName(dir);
        const auto file = lf::leagueFilePath(dir, name, "lge");
        const lf::League league = lf::readLeague(file);
        const auto form = settingsForEdit(league);
        if (!form) throw lf::FileError("League file holds no league size", file);
        const auto edited = runSettingsForm(QStringLiteral("Edit the Default League"), *form, league);
        if (edited) lf::writeLeagueLineForm(file, *edited);
    } catch (const lf::FileError& e) {
        tell(e.what());
    }
}

void createNewLeague(const std::filesystem::path& dir, lf::Random& rng) {
    NewLeague request;
    const auto league = runSettingsForm(QStringLiteral("Create A New League"), LeagueSettings{});
    const auto name = league ? runNameDialog(dir) : std::nullopt;
    if (!league || !name) {
        tell(std::string(CancelledMessage));
        return;
    }
    request.league = *league;
    request.name = name->name;
    request.overwrite = name->overwrite;
    request.rename = yes("Do you want to rename all the players and randomize their ratings?");
    request.resetYears = yes("Do you want to reset all the players years to zero?");
    try {
        // The labels need the team templates; without them nothing can be created.
        const auto templates = lf::resolve(dir, lf::TeamTemplatesFile);
        std::array<std::string, 32> labels;
        for (int g = 1; g <= lf::TemplateTeams; ++g) labels[g - 1] = teamLabel(lf::readTemplateTeam(templates, g));
        request.placement = runTeamScreen(request.league, labels);
        createLeague(dir, request, rng);
    } catch (const lf::FileError& e) {
        tell("League " + request.name + " was not created:\r" + e.what() +
             "\rThe league files and the active league are as they were.");
        return;
    }
    tell(createdMessage(request.name));
}

}  // namespace commish
