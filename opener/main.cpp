// opener: the splash screen; then it starts the main menu and ends.
#include <QGuiApplication>
#include <QScreen>

#include "opener/splash_window.h"
#include "ui/launcher.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "opener");
    SplashWindow splash([&splash] {
        ui::startProgram(QStringLiteral("\\lobby.exe"));
        splash.close();
    });
    splash.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash.move(screen->geometry().center() - splash.rect().center());
    splash.show();
    splash.activateWindow();
    splash.setFocus();
    return program.run();
}
