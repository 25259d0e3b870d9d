#include "standings/live_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "leaguefiles/cp1252.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "standings/position_file.h"
#include "tally/format.h"
#include "tally/standings_grid.h"
#include "tally/standings_report.h"
#include "ui/launcher.h"
#include "ui/message_box.h"
#include "ui/timers.h"

namespace live {

LiveWindow::LiveWindow(tally::LeagueView view) : view_(std::move(view)) {
    setObjectName(QStringLiteral("frmLiveStandings"));
    setWindowTitle(QStringLiteral("KRO Live Standings - ") +
                   QString::fromStdString(lf::cp1252ToUtf8(view_.base)));
    grid_ = new stats::StandingsGrid(this);
    stayOnTop_ = new QCheckBox(QStringLiteral("Stay On Top"), this);
    stayOnTop_->setObjectName(QStringLiteral("Check1"));
    auto* restart = new QPushButton(QStringLiteral("Restart"), this);
    restart->setObjectName(QStringLiteral("Command1"));
    exit_ = new QPushButton(QStringLiteral("Exit"), this);
    exit_->setObjectName(QStringLiteral("cmdExit"));
    connect(stayOnTop_, &QCheckBox::toggled, this, &LiveWindow::setStayOnTop);
    connect(restart, &QPushButton::clicked, this, [this] {
        restart_ = true;
        close();
    });
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(stayOnTop_);
    buttons->addStretch();
    buttons->addWidget(restart);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    build();
    place();
    timer_ = ui::repeating(this, 15000, [this] { refresh(); });
}

void LiveWindow::build() { grid_->show(tally::readStandings(view_)); }

void LiveWindow::refresh() {
    try {
        std::string name = lf::readLeagueName(view_.dir);
        if (tally::upper(name) != tally::upper(view_.base)) {
            // Another league is active now: a fresh copy reads it.
            restart_ = true;
            close();
            return;
        }
        build();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void LiveWindow::fail(const std::exception& error) {
    timer_->stop();
    ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, QStringLiteral("KRO"),
                   ui::Icon::Critical);
    close();
}

void LiveWindow::place() {
    Placement placement = readPlacement(lf::resolve(view_.dir, PositionFile));
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QPoint at(screen.x() + (screen.width() - frameGeometry().width()) / 2,
              screen.y() + (screen.height() - frameGeometry().height()) / 2);
    if (placement.top) at.setY(*placement.top / TwipsPerPixel);
    if (placement.left) at.setX(*placement.left / TwipsPerPixel);
    move(at);
    stayOnTop_->setChecked(placement.stayOnTop);
}

void LiveWindow::setStayOnTop(bool on) {
    const QPoint where = pos();
    const bool wasShown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    move(where);
    if (wasShown) show();
}

bool LiveWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) exit_->setFocus();
    return QWidget::event(event);
}

void LiveWindow::closeEvent(QCloseEvent* event) {
    // The stored position is the normal window's, not the minimised one's.
    if (isMinimized()) showNormal();
    const QPoint at = pos();  // the frame position, as move() sets it
    try {
        writePosition(lf::resolve(view_.dir, PositionFile), stayOnTop_->isChecked(),
                      at.y() * TwipsPerPixel, at.x() * TwipsPerPixel);
    } catch (const lf::FileError& e) {
        ui::messageBox(QString::fromStdString(e.what()), ui::Buttons::Ok, QStringLiteral("KRO"),
                       ui::Icon::Warning);
    }
    if (restart_) ui::startProgram(QStringLiteral("standings.exe"));
    event->accept();
}

}  // namespace live
