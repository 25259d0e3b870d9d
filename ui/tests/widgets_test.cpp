// The smaller pieces: scaled timers, drag-and-drop labels, the fixed-pitch list, the launcher.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMimeData>
#include <chrono>
#include <fstream>
#include <thread>

#include "ui/drag_label.h"
#include "ui/fixed_list.h"
#include "ui/launcher.h"
#include "ui/tests/test_support.h"
#include "ui/timers.h"

namespace {

TEST(Timers, ScaleFromEnvironment) {
    struct Case {
        const char* scale;  // nullptr: unset
        int ms;
        int expected;
    };
    const Case cases[] = {
        {nullptr, 6000, 6000}, {"1", 2000, 2000}, {"0.5", 6000, 3000},
        {"0", 6000, 0},        {"fast", 6000, 6000}, {"-2", 6000, 6000},
    };
    for (const Case& c : cases) {
        if (c.scale == nullptr)
            unsetenv("VELTRAN_TIMER_SCALE");
        else
            setenv("VELTRAN_TIMER_SCALE", c.scale, 1);
        EXPECT_EQ(ui::scaledInterval(c.ms), c.expected) << (c.scale ? c.scale : "unset");
    }
    unsetenv("VELTRAN_TIMER_SCALE");
}

TEST(Timers, ScaleZeroFiresAtOnceAndAGoneOwnerNever) {
    uitest::program();
    setenv("VELTRAN_TIMER_SCALE", "0", 1);
    int fired = 0;
    QObject owner;
    ui::singleShot(&owner, 6000, [&] { ++fired; });
    auto* gone = new QObject;
    ui::singleShot(gone, 0, [&] { fired += 100; });
    delete gone;
    QElapsedTimer clock;
    clock.start();
    while (fired == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
    unsetenv("VELTRAN_TIMER_SCALE");
}

// Delivers a drop of source onto target as the window system would at the end of a drag.
bool drop(ui::DragLabel& source, ui::DragLabel& target) {
    std::unique_ptr<QMimeData> data(source.dragData());
    QDragEnterEvent enter(QPoint(1, 1), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(1, 1), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
    return dropped.isAccepted();
}

TEST(DragLabel, DropReportsSourceAndTargetWithinItsGroup) {
    uitest::program();
    ui::DragLabel qb1("depth", 1), qb2("depth", 2), other("trade", 7);
    std::vector<std::pair<int, int>> drops;
    for (ui::DragLabel* label : {&qb1, &qb2, &other})
        label->onDropped = [&](int from, int to) { drops.emplace_back(from, to); };
    EXPECT_TRUE(drop(qb1, qb2));
    EXPECT_TRUE(drop(qb2, qb1));
    EXPECT_FALSE(drop(other, qb1));
    EXPECT_EQ(drops, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}}));
}

TEST(FixedList, TabStopsEveryEightAndLinesKeptAsGiven) {
    EXPECT_EQ(ui::expandTabs("ab\tc"), QString("ab      c"));
    EXPECT_EQ(ui::expandTabs("12345678\tx"), QString("12345678        x"));
    EXPECT_EQ(ui::expandTabs("\t\t"), QString(16, ' '));
    uitest::program();
    ui::FixedList list;
    list.setLines({"Team\tW", "Lakeport\t3"});
    EXPECT_EQ(list.lines(), QStringList({"Team\tW", "Lakeport\t3"}));
    EXPECT_EQ(list.item(1)->text(), QString("Lakeport        3"));
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
}

TEST(Launcher, FindsByNameWithoutCaseOrExeBesideOrInLeague) {
    uitest::program();
    uitest::TempDir league;
    uitest::writeScript(league.path / "Commissioner", "pwd > started.txt");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(league.path.string())));
    const QString expected = QString::fromStdString((league.path / "Commissioner").string());
    EXPECT_EQ(ui::findProgram("\\commissioner.EXE"), expected);
    EXPECT_EQ(ui::findProgram("Commissioner.exe"), expected);
    EXPECT_TRUE(ui::findProgram("gameday.exe").isEmpty());

    EXPECT_TRUE(ui::tryStartProgram("commissioner.exe").isEmpty());
    const auto marker = league.path / "started.txt";
    std::string cwd;
    for (int i = 0; i < 400 && cwd.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::ifstream in(marker);
        std::getline(in, cwd);
    }
    EXPECT_EQ(std::filesystem::canonical(cwd), std::filesystem::canonical(league.path));

    const QString problem = ui::tryStartProgram("gameday.exe");
    EXPECT_TRUE(problem.contains("gameday.exe")) << problem.toStdString();
    EXPECT_TRUE(problem.contains("not found")) << problem.toStdString();
    QDir::setCurrent(before);
}

}  // namespace
