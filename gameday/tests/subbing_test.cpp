// The Subbing window inside the test process: a drop exchanges two slots only when the
// substitution rule allows it, and the labels show the depth chart as it then stands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "gameday/engine/game_state.h"
#include "gameday/subbing.h"
#include "ui/drag_label.h"
#include "ui/tests/test_support.h"

namespace {

// Visitor quarterbacks in slots 1..3 (the third out for two quarters) and a halfback in 6.
fb::GameState sideWithInjuredBackup() {
    fb::GameState g;
    fb::Side& s = g.side[fb::kVisitor];
    s.name = "Rams";
    for (int slot = 1; slot <= fb::kRosterSize; ++slot) {
        s.depth[slot] = slot;
        s.roster[slot].name = "Player " + std::to_string(slot);
    }
    s.roster[3].injury.assign(1, '2');
    return g;
}

struct Drop {
    int from, to;
    bool exchanged;
};

TEST(Subbing, DropExchangesHealthyPlayersOfOneGroupOnly) {
    uitest::program();
    const Drop drops[] = {
        {2, 1, true},   // QB2 onto QB1
        {3, 1, false},  // the injured QB3 onto QB1
        {1, 3, false},  // QB1 onto the injured QB3
        {6, 1, false},  // a halfback onto a quarterback
    };
    for (const Drop& d : drops) {
        SCOPED_TRACE(std::to_string(d.from) + " onto " + std::to_string(d.to));
        fb::GameState g = sideWithInjuredBackup();
        QString fromText, toText;
        QTimer::singleShot(0, [&] {
            QWidget* form = QApplication::activeModalWidget();
            ASSERT_NE(form, nullptr);
            auto* from = form->findChild<ui::DragLabel*>(QStringLiteral("lblSlot_%1").arg(d.from));
            auto* to = form->findChild<ui::DragLabel*>(QStringLiteral("lblSlot_%1").arg(d.to));
            ASSERT_TRUE(from && to);
            to->onDropped(d.from, d.to);
            fromText = from->text();
            toText = to->text();
            form->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &uitest::closeOpenModals);
        guard.start(20000);
        gameday::showSubstitution(g, fb::kVisitor);

        const fb::Side& s = g.side[fb::kVisitor];
        const int atFrom = d.exchanged ? d.to : d.from, atTo = d.exchanged ? d.from : d.to;
        EXPECT_EQ(s.depth[d.from], atFrom);
        EXPECT_EQ(s.depth[d.to], atTo);
        const auto shown = [&](const QString& text, int player) {
            EXPECT_TRUE(text.endsWith(QStringLiteral(" Player %1").arg(player)) ||
                        text.endsWith(QStringLiteral(" Player %1 (INJ 2)").arg(player)))
                << text.toStdString();
            EXPECT_EQ(text.contains(QStringLiteral("(INJ 2)")), player == 3) << text.toStdString();
        };
        shown(fromText, atFrom);
        shown(toText, atTo);
    }
}

}  // namespace
