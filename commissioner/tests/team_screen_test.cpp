// The team assignment screen inside the test process: a drop exchanges two teams.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "commissioner/team_screen.h"
#include "ui/drag_label.h"
#include "ui/tests/test_support.h"

namespace {

TEST(TeamScreen, DroppingATeamOnAnotherExchangesTextAndTemplate) {
    uitest::program();
    std::array<std::string, 32> labels;
    for (int i = 0; i < 32; ++i) labels[i] = "Team" + std::to_string(i + 1);
    QString second, ninth;
    QTimer::singleShot(0, [&] {
        QWidget* screen = QApplication::activeModalWidget();
        ASSERT_NE(screen, nullptr);
        auto* place2 = screen->findChild<ui::DragLabel*>(QStringLiteral("lblTeam_1"));
        auto* place9 = screen->findChild<ui::DragLabel*>(QStringLiteral("lblTeam_8"));
        ASSERT_TRUE(place2 && place9);
        // Team 9 (unassigned in an 8-team league) dropped onto place 2, then 2 onto itself.
        place2->onDropped(9, 2);
        place2->onDropped(2, 2);
        second = place2->text();
        ninth = place9->text();
        screen->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    });
    // Should a check above fail, the screen is closed instead of waiting for ever.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &uitest::closeOpenModals);
    guard.start(20000);
    const commish::Placement placement = commish::runTeamScreen(lf::League{}, labels);
    EXPECT_EQ(second, "Team9");
    EXPECT_EQ(ninth, "Team2");
    commish::Placement expected = commish::identityPlacement();
    std::swap(expected[2], expected[9]);
    EXPECT_EQ(placement, expected);
}

}  // namespace
