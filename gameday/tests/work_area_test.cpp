// Fitting a window into a changed work area: moved to the edge it crosses, shrunk where larger.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "gameday/work_area.h"
#include "ui/tests/test_support.h"

namespace {

TEST(WorkArea, WindowIsMovedToTheEdgeAndShrunkWhereItDoesNotFit) {
    const QRect area(0, 30, 1024, 700);  // a panel along the top
    const struct {
        QRect window, fitted;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},  // inside: untouched
        {{800, 100, 400, 300}, {0, 100, 400, 300}},    // reaches out on the right
        {{-20, 100, 400, 300}, {0, 100, 400, 300}},    // reaches out on the left
        {{0, 100, 1240, 520}, {0, 100, 1024, 520}},    // the scoreboard, wider than the area
        {{100, 0, 400, 300}, {100, 30, 400, 300}},     // under the panel
        {{100, 500, 400, 300}, {100, 30, 400, 300}},   // below the bottom
        {{300, 30, 1300, 800}, {0, 30, 1024, 700}},    // larger both ways
    };
    for (const auto& c : cases) {
        const QRect got = gameday::fittedIntoWorkArea(c.window, area);
        EXPECT_EQ(got, c.fitted) << c.window.x() << "," << c.window.y() << " " << c.window.width()
                                 << "x" << c.window.height();
    }
}

// A fixed-size window, like the scoreboard, fitted when the work area shrinks.
TEST(WorkArea, ActiveWindowFollowsTheChangedWorkArea) {
    uitest::program();
    gameday::fitActiveWindowOnWorkAreaChange();
    QWidget window;
    window.setFixedSize(1240, 520);
    window.move(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    const QRect area(0, 40, 1000, 700);
    emit QGuiApplication::primaryScreen()->availableGeometryChanged(area);
    EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().x() << ","
                                                       << window.frameGeometry().width();
    EXPECT_EQ(window.frameGeometry().left(), 0);
    EXPECT_EQ(window.frameGeometry().width(), 1000);
}

}  // namespace
