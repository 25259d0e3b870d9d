// commissioner: selects the active league, edits it and creates new leagues.
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "commissioner/commands.h"
#include "leaguefiles/league_dir.h"
#include "ui/launcher.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace {

constexpr std::array<const char*, 4> MenuCaptions{
    "&Select New Default League", "&Edit the Default League", "Create a &New League", "E&xit"};
constexpr int ExitChoice = 3;

// Shows the menu until a button is pressed; its index, or Exit when the menu is closed.
int menuChoice() {
    QDialog menu;
    menu.setObjectName(QStringLiteral("frmCommissioner"));
    menu.setWindowTitle(QStringLiteral("Commissioner"));
    auto* column = new QVBoxLayout(&menu);
    column->setContentsMargins(24, 24, 24, 24);
    for (size_t i = 0; i < MenuCaptions.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(MenuCaptions[i]), &menu);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setMinimumSize(280, 36);
        column->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, &menu,
                         [&menu, i] { menu.done(static_cast<int>(i) + 1); });
    }
    const int result = ui::showModal(menu);
    return result >= 1 ? result - 1 : ExitChoice;
}

}  // namespace

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "commissioner");
    lf::Random rng = lf::Random::fromClock();
    const auto dir = lf::leagueDirectory();
    for (;;) {
        switch (menuChoice()) {
            case 0: commish::selectLeague(dir); break;
            case 1: commish::editLeague(dir); break;
            case 2: commish::createNewLeague(dir, rng); break;
            default:
                ui::startProgram(QStringLiteral("lobby.exe"));
                return 0;
        }
    }
}
