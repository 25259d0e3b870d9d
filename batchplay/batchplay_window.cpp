#include "batchplay/batchplay_window.h"

#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "leaguefiles/league_dir.h"
#include "ui/message_box.h"
#include "ui/program.h"
#include "ui/timers.h"

namespace batchplay {
namespace {

namespace au = ui::automation;

constexpr int FirstDetectionMs = 10;
constexpr int DetectionMs = 1000;
// Between the looks of a run; short, so a game's boxes are answered at once.
constexpr int RunLookMs = 50;
// Even with the window timers scaled to nothing, detection leaves the other programs some time.
constexpr int ShortestDetectionMs = 50;

// Every window of the other programs.
std::vector<Window> othersWindows() {
    std::vector<Window> windows = au::listWindows();
    const long long self = ::getpid();
    std::erase_if(windows, [self](const Window& w) { return w.pid == self; });
    return windows;
}

QString qtext(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

BatchplayWindow::BatchplayWindow(const Options& options) {
    setObjectName(QStringLiteral("frmBatchplay"));
    setWindowTitle(QStringLiteral("KRO Batchplay"));
    setWindowIcon(ui::suiteIcon());

    auto* label = new QLabel(QStringLiteral("Games To Simulate:"), this);
    label->setObjectName(QStringLiteral("Label2"));
    games_ = new QLineEdit(this);
    games_->setObjectName(QStringLiteral("Text2"));
    games_->installEventFilter(this);
    simulate_ = new QPushButton(QStringLiteral("Simulate"), this);
    simulate_->setObjectName(QStringLiteral("Command1"));
    simulate_->setEnabled(false);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Command2"));
    stayOnTop_ = new QCheckBox(QStringLiteral("Stay On Top"), this);
    stayOnTop_->setObjectName(QStringLiteral("Check1"));
    detected_ = new QLabel(this);
    detected_->setObjectName(QStringLiteral("Label4"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Label7"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(games_, 0, 1);
    grid->addWidget(simulate_, 1, 0);
    grid->addWidget(exit, 1, 1);
    grid->addWidget(stayOnTop_, 2, 0, 1, 2);
    grid->addWidget(detected_, 3, 0, 1, 2);
    grid->addWidget(status_, 4, 0, 1, 2);
    setMinimumWidth(360);

    connect(simulate_, &QPushButton::clicked, this, &BatchplayWindow::simulateOrStop);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    stayOnTop_->setChecked(options.stayOnTop);
    setWindowFlag(Qt::WindowStaysOnTopHint, options.stayOnTop);
    connect(stayOnTop_, &QCheckBox::toggled, this, &BatchplayWindow::setStayOnTop);

    adjustSize();
    if (options.centre) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
    } else {
        move(options.left / TwipsPerPixel, options.top / TwipsPerPixel);
    }

    detection_ = new QTimer(this);
    detection_->setTimerType(Qt::PreciseTimer);
    connect(detection_, &QTimer::timeout, this, [this] {
        detection_->setInterval(std::max(ui::scaledInterval(DetectionMs), ShortestDetectionMs));
        lookFor(Purpose::Detect);
    });
    pump_ = new QTimer(this);
    pump_->setInterval(10);
    connect(pump_, &QTimer::timeout, this, &BatchplayWindow::lookDone);
    detection_->start(ui::scaledInterval(FirstDetectionMs));
    games_->setFocus();
}

void BatchplayWindow::setStayOnTop(bool on) {
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
}

bool BatchplayWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == games_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Digits and the editing keys; any other character is refused.
        const bool refused = !text.isEmpty() && std::ranges::any_of(text, [](QChar c) {
            return !c.isDigit() && c != QChar('\b') && c != QChar('\t') && c != QChar('\f');
        });
        if (refused) {
            QApplication::beep();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BatchplayWindow::lookFor(Purpose purpose) {
    if (pending_.valid()) return;  // the last look is still out
    purpose_ = purpose;
    if (purpose == Purpose::Step) {
        pending_ = std::async(std::launch::async, [run = *run_] {
            Look look;
            look.windows = othersWindows();
            look.press = nextPress(run, look.windows);
            if (look.press) {
                au::activate(look.press->window);
                look.pressed = au::click(look.press->window, look.press->caption).ok;
            }
            return look;
        });
    } else {
        pending_ = std::async(std::launch::async, [] { return Look{othersWindows(), {}, false}; });
    }
    pump_->start();
}

void BatchplayWindow::lookDone() {
    if (!pending_.valid() || pending_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    pump_->stop();
    const Purpose purpose = purpose_;
    Look look;
    try {
        look = pending_.get();
    } catch (const std::exception&) {
        if (run_) endRun(UnknownErrorMessage);
        return;
    }
    switch (purpose) {
        case Purpose::Detect:
            if (!run_) detected(look.windows);
            break;
        case Purpose::Start:
            begin(look.windows);
            break;
        case Purpose::Step:
            if (run_) stepped(look);
            break;
    }
}

void BatchplayWindow::detected(const std::vector<Window>& windows) {
    const Detection d = detect(windows);
    detected_->setText(qtext(d.detected));
    status_->setText(qtext(d.status));
    simulate_->setEnabled(d.ready);
}

void BatchplayWindow::simulateOrStop() {
    if (run_) {
        status_->setText(QStringLiteral("Status: Stopping Simulation After Current Game..."));
        simulate_->setEnabled(false);
        run_->stopRequested = true;
        return;
    }
    if (games_->text().isEmpty()) {
        ui::messageBox(QString::fromLatin1(NoGamesMessage));
        return;
    }
    detection_->stop();
    simulate_->setEnabled(false);
    games_->setFocus();
    // A detection still out lists the same windows: its answer starts the run.
    if (pending_.valid())
        purpose_ = Purpose::Start;
    else
        lookFor(Purpose::Start);
}

void BatchplayWindow::begin(const std::vector<Window>& windows) {
    Start start = startRun(windows, games_->text().toStdString());
    if (!start.run) {
        ui::messageBox(qtext(start.message));
        detection_->start(ui::scaledInterval(FirstDetectionMs));
        return;
    }
    run_ = std::move(start.run);
    games_->setReadOnly(true);
    if (run_->games < 1) {
        endRun();
        return;
    }
    status_->setText(qtext(runStatus(*run_)));
    lookFor(Purpose::Step);
}

void BatchplayWindow::stepped(const Look& look) {
    if (look.press && look.pressed) {
        switch (pressed(*run_, *look.press)) {
            case Outcome::Halted:
                status_->setText(QStringLiteral("Status: Halted"));
                endRun(SeasonOverMessage);
                return;
            case Outcome::Finished:
                endRun();
                return;
            case Outcome::Going:
                break;
        }
        if (!run_->stopRequested) {
            status_->setText(qtext(runStatus(*run_)));
            if (run_->gameStarted) {
                simulate_->setText(QStringLiteral("Stop Simulation"));
                simulate_->setEnabled(true);
            }
        }
    }
    QTimer::singleShot(RunLookMs, this, [this] {
        if (run_) lookFor(Purpose::Step);
    });
}

void BatchplayWindow::endRun(const char* message) {
    run_.reset();
    simulate_->setText(QStringLiteral("Simulate"));
    games_->setReadOnly(false);
    games_->clear();
    if (message != nullptr) ui::messageBox(QString::fromLatin1(message));
    detection_->start(ui::scaledInterval(FirstDetectionMs));
}

void BatchplayWindow::closeEvent(QCloseEvent* event) {
    if (isMinimized()) showNormal();
    try {
        const QPoint at = pos();
        writeOptions(lf::resolve(lf::leagueDirectory(), OptionsFile), stayOnTop_->isChecked(),
                     at.y() * TwipsPerPixel, at.x() * TwipsPerPixel);
    } catch (const std::exception&) {
        // The simulator ends all the same; it only forgets its place.
    }
    detection_->stop();
    event->accept();
}

}  // namespace batchplay
