// The play-call box inside the test process: keys typed into it give the entry handed
// over and the text shown, masked while both sides are human.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "gameday/makecall.h"
#include "ui/tests/test_support.h"

namespace {

// One key press: a character, or "\b" Backspace, "\x7f" Delete.
void press(QWidget* edit, QChar c) {
    const int key = c == QLatin1Char('\b')     ? Qt::Key_Backspace
                    : c == QChar(0x7f)         ? Qt::Key_Delete
                    : c.isLetter()             ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                    : c.isDigit()              ? Qt::Key_0 + (c.unicode() - '0')
                                               : Qt::Key_unknown;
    const QString text = key == Qt::Key_Backspace || key == Qt::Key_Delete ? QString() : QString(c);
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &event);
}

struct Typing {
    bool offense, masked;
    QString keys, entry, shown;
};

TEST(Makecall, TypedKeysGiveTheEntryAndWhatTheBoxShows) {
    uitest::program();
    const Typing cases[] = {
        {true, true, QStringLiteral("1525"), QStringLiteral("1525"), QStringLiteral("XXXX")},
        {true, true, QStringLiteral("pu"), QStringLiteral("PU"), QStringLiteral("PU")},
        {true, false, QStringLiteral("1525"), QStringLiteral("1525"), QStringLiteral("1525")},
        {false, false, QStringLiteral("605"), QStringLiteral("605"), QStringLiteral("605")},
        // Other keys are ignored; Backspace and Delete each take the last character back.
        {true, true, QStringLiteral("1,5 2\b\x7f" "5\xe9"), QStringLiteral("15"), QStringLiteral("XX")},
        {true, false, QStringLiteral("s\b\bend"), QStringLiteral("END"), QStringLiteral("END")},
    };
    for (const Typing& t : cases) {
        SCOPED_TRACE(t.keys.toStdString());
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            auto* edit = box->findChild<QLineEdit*>(QStringLiteral("txtCall"));
            ASSERT_NE(edit, nullptr);
            for (QChar c : t.keys) press(edit, c);
            shown = edit->text();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(edit, &enter);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &uitest::closeOpenModals);
        guard.start(20000);
        EXPECT_EQ(gameday::askCall({t.offense, t.masked, {}}), t.entry);
        EXPECT_EQ(shown, t.shown);
    }
}

}  // namespace
