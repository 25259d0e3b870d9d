// lobby: the main menu. Starts one of the five working programs and ends.
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <array>

#include "ui/fixed_list.h"
#include "ui/launcher.h"
#include "ui/program.h"

namespace {

struct MenuEntry {
    const char* caption;
    const char* program;  // empty: Exit
};

constexpr std::array<MenuEntry, 6> kMenu{{
    {"Play A Game", "gameday.exe"},
    {"Look At Statistics", "tally.exe"},
    {"Edit Teams Or Players", "rosterdesk.exe"},
    {"Commissioner", "Commissioner.exe"},
    {"Look At Records", "annals.exe"},
    {"Exit", ""},
}};

}  // namespace

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "lobby");

    QWidget menu;
    menu.setObjectName(QStringLiteral("frmMainMenu"));
    menu.setWindowTitle(QStringLiteral("Veltran Football League"));
    auto* column = new QVBoxLayout(&menu);
    column->setSpacing(10);
    column->setContentsMargins(24, 24, 24, 24);
    for (size_t i = 0; i < kMenu.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kMenu[i].caption), &menu);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setFont(ui::fixedFont(12));
        button->setMinimumSize(300, 40);
        column->addWidget(button);
        const QString file = QString::fromUtf8(kMenu[i].program);
        QObject::connect(button, &QPushButton::clicked, &menu, [&menu, file] {
            // A program that cannot be started was reported; the menu stays for another choice.
            if (file.isEmpty() || ui::startProgram(file)) menu.close();
        });
    }
    menu.show();
    menu.activateWindow();
    return program.run();
}
