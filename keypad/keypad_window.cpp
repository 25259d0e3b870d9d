#include "keypad/keypad_window.h"

#include <unistd.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "leaguefiles/league_dir.h"
#include "ui/program.h"

namespace keypad {
namespace {

constexpr int ButtonTwips = 975;
constexpr int SpacingTwips = 960;
// The window heights of the layouts include a title bar of this height.
constexpr int TitleBarTwips = 435;

int px(int twips) { return twips / TwipsPerPixel; }

}  // namespace

KeypadWindow::KeypadWindow(const Layout& layout, const Position& position)
    : layout_(layout), delivery_(::getpid()) {
    setObjectName(QStringLiteral("Keypad"));
    setWindowTitle(QStringLiteral("Keypad"));
    setWindowIcon(ui::suiteIcon());
    // No close button: the keypad ends only through a button of its own.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowStaysOnTopHint);
    for (int k = 1; k <= ButtonCount; ++k) {
        auto* button = new QPushButton(QString::fromStdString(layout.buttons[k - 1].key), this);
        button->setObjectName(QStringLiteral("Command%1").arg(k));
        button->setGeometry(px(((k - 1) % 2) * SpacingTwips), px(((k - 1) / 2) * SpacingTwips), px(ButtonTwips),
                            px(ButtonTwips));
        button->setFocusPolicy(Qt::NoFocus);
        button->setVisible(k <= layout.shown);
        connect(button, &QPushButton::clicked, this, [this, k] { clicked(k); });
    }
    setFixedSize(px(SpacingTwips + ButtonTwips), px(windowHeightTwips(layout.shown) - TitleBarTwips));
    if (position.centre) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
    } else {
        move(px(position.left), px(position.top));
    }
}

void KeypadWindow::clicked(int k) {
    const Click click = clickOf(layout_.buttons[k - 1]);
    if (!click.exit) {
        delivery_.send(click);
        return;
    }
    exiting_ = true;
    close();
}

void KeypadWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        event->ignore();
        return;
    }
    try {
        const QPoint at = pos();
        writePosition(lf::resolve(lf::leagueDirectory(), PositionFile), at.y() * TwipsPerPixel,
                      at.x() * TwipsPerPixel);
    } catch (const std::exception&) {
        // The keypad ends all the same; it only forgets where it stood.
    }
    event->accept();
}

}  // namespace keypad
