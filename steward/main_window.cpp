#include "steward/main_window.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "steward/backup_window.h"
#include "steward/league_list.h"
#include "steward/options_window.h"
#include "steward/qt_text.h"
#include "steward/running_programs.h"
#include "steward/suite_windows.h"
#include "steward/viewer_window.h"
#include "ui/fixed_list.h"
#include "ui/launcher.h"
#include "ui/message_box.h"

namespace steward {

namespace au = ui::automation;

namespace {

const QString Title = QStringLiteral("The KRO Manager");

struct Button {
    const char* name;
    const char* caption;
    std::function<void(MainWindow&)> action;
};

}  // namespace

bool refreshLeagueList() {
    try {
        if (rebuildLeagueList(lf::leagueDirectory())) return true;
        ui::messageBox(QStringLiteral("There are no files in C:\\KRO!"), ui::Buttons::Ok, Title);
    } catch (const lf::FileError& error) {
        ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
    }
    return false;
}

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("frmKROManager"));
    setWindowTitle(Title);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(8);
    column->setContentsMargins(16, 16, 16, 16);
    const std::array<Button, 9> buttons{{
        {"Command7", "Run KRO", [](MainWindow& w) { w.runGame(); }},
        {"Command4", "Run KRO Live Standings",
         [](MainWindow& w) { w.runOnce("KRO Live Standings*", "c:\\kro\\standings.exe"); }},
        {"Command3", "Run KRO Batchplay",
         [](MainWindow& w) { w.runOnce("KRO Batchplay", "c:\\kro\\batchplay.exe"); }},
        {"Command9", "Open/Close Keypad", [](MainWindow& w) { w.toggleKeypad(); }},
        {"Command2", "KRO File Viewer", [](MainWindow&) { showFileViewer(); }},
        {"Command5", "Backup/Restore KRO Data", [](MainWindow&) { showBackupWindow(); }},
        {"Command8", "Options", [](MainWindow&) { showOptionsWindow(); }},
        {"Command1", "About The KRO Manager", [](MainWindow& w) { w.about(); }},
        {"Command6", "Exit", [](MainWindow& w) { w.close(); }},
    }};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromUtf8(b.name));
        button->setFont(ui::fixedFont(11));
        button->setMinimumSize(280, 34);
        column->addWidget(button);
        const auto action = b.action;
        connect(button, &QPushButton::clicked, this, [this, action] {
            // The window listing serves events meanwhile; a second press then waits its turn.
            if (busy_) return;
            busy_ = true;
            action(*this);
            busy_ = false;
        });
    }
}

void MainWindow::runOnce(const char* pattern, const char* file) {
    if (const auto running = runningWindow(suiteWindows(), pattern, ownPid()))
        au::activate(*running);
    else
        ui::startProgram(QString::fromUtf8(file));
}

void MainWindow::runGame() {
    const std::vector<au::Window> windows = suiteWindows();
    if (!gameRunning(windows, ownPid())) {
        ui::startProgram(QStringLiteral("c:\\kro\\opener.exe"));
        return;
    }
    if (const auto front = gameFront(windows, ownPid())) au::activate(*front);
}

void MainWindow::toggleKeypad() {
    if (const auto keypad = runningWindow(suiteWindows(), "Keypad", ownPid()))
        au::close(*keypad);
    else
        ui::startProgram(QStringLiteral("c:\\kro\\keypad.exe"));
}

void MainWindow::about() {
    if (!refreshLeagueList()) return;
    const std::filesystem::path folder = lf::leagueDirectory();
    std::vector<std::string> leagues;
    try {
        leagues = readLeagueList(lf::resolve(folder, LeagueListFile));
    } catch (const lf::FileError& error) {
        ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
        return;
    }
    ui::messageBox(fromFile(aboutText(leagues, activeLeagueLine(folder))),
                   ui::Buttons::Ok, Title);
}

}  // namespace steward
