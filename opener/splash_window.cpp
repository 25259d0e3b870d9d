#include "opener/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/fixed_list.h"
#include "ui/timers.h"

namespace {

QLabel* line(QWidget* parent, const char* name, const char* text, int size, bool bold) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    QFont font = ui::fixedFont(size);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> finished) : finished_(std::move(finished)) {
    setObjectName(QStringLiteral("frmKROSplash"));
    setWindowTitle(QStringLiteral("KRO Splash"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 90, 35));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(40, 40, 40, 40);
    column->setSpacing(24);
    column->addWidget(line(this, "lblTitle", "VELTRAN FOOTBALL LEAGUE", 26, true));
    column->addWidget(line(this, "lblWarning", "Warning: Game may be addictive.", 13, false));
    column->addWidget(line(this, "lblVersion", "Version 2.8", 13, false));
    ui::singleShot(this, 6000, [this] { finish(); });
}

void SplashWindow::keyPressEvent(QKeyEvent*) { finish(); }

void SplashWindow::mousePressEvent(QMouseEvent*) { finish(); }

void SplashWindow::finish() {
    if (!finished_) return;
    auto finished = std::move(finished_);
    finished_ = nullptr;
    finished();
}
