// The simulator's window over windows of this test process: detection, a refused run, and
// the options written on Exit.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>

#include "batchplay/simulation.h"
#include "leaguefiles/file_io.h"
#include "ui/automation_client.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;
namespace fs = std::filesystem;

constexpr int Deadline = 60000;

std::optional<au::Window> windowOf(const std::string& program, const std::string& title) {
    for (au::Window& w : au::listWindows())
        if (w.program == program && w.title == title) return std::move(w);
    return std::nullopt;
}

std::string controlText(const au::Window& w, const std::string& name) {
    const au::Control* c = au::findControl(w, name);
    return c ? c->text : std::string("(no " + name + ")");
}

TEST(BatchplayWindow, RunRefusedWhenTheWeekDisplayClosedAndOptionsWrittenOnExit) {
    uitest::usePrivateRuntimeDir();
    uitest::TempDir league;
    // Detection every two seconds: the week display can close between two of them.
    uitest::Child batchplay(fs::path(VELTRAN_BIN_DIR) / "batchplay", league.path, {"VELTRAN_TIMER_SCALE=2"});
    uitest::serveWhile([] {
        std::optional<au::Window> window;
        ASSERT_TRUE(uitest::waitUntil(
            [&] {
                window = windowOf("batchplay", "KRO Batchplay");
                return window && !controlText(*window, "Label4").empty();
            },
            Deadline));
        EXPECT_EQ(controlText(*window, "Label4"), "KRO Season Game Window Not Detected");
        EXPECT_EQ(controlText(*window, "Label7"), "Status: Searching For KRO Season Game Window...");
        EXPECT_FALSE(au::findControl(*window, "Command1")->enabled);
        // Only digits are taken.
        EXPECT_TRUE(au::sendKeys(*window, "1x2").ok);
    });
    QWidget week;
    week.setWindowTitle("Test League Season # 1");
    auto* next = new QPushButton("Play Next Game", &week);
    next->move(10, 10);
    week.show();
    uitest::serveWhile([&] {
        std::optional<au::Window> window;
        ASSERT_TRUE(uitest::waitUntil(
            [&] {
                window = windowOf("batchplay", "KRO Batchplay");
                return window && controlText(*window, "Label7") == "Status: Ready";
            },
            Deadline));
        EXPECT_EQ(controlText(*window, "Label4"), "Test League Season #1");
        EXPECT_EQ(controlText(*window, "Text2"), "12");
        QMetaObject::invokeMethod(&week, [&week] { week.hide(); }, Qt::BlockingQueuedConnection);
        ASSERT_TRUE(au::clickControl(*window, "Command1").ok);
        std::optional<au::Window> box;
        ASSERT_TRUE(uitest::waitUntil(
            [&] {
                for (au::Window& w : au::listWindows())
                    if (w.program == "batchplay" && w.windowClass == "dialog") box = std::move(w);
                return box.has_value();
            },
            Deadline));
        EXPECT_NE(au::findControl(*box, batchplay::NotOpenMessage), nullptr);
        EXPECT_TRUE(au::click(*box, "OK").ok);
        ASSERT_TRUE(uitest::waitUntil([&] { return (window = windowOf("batchplay", "KRO Batchplay")) && !window->blocked; },
                                      Deadline));
        EXPECT_TRUE(au::clickControl(*window, "Check1").ok);
        EXPECT_TRUE(au::clickControl(*window, "Command2").ok);
        // Served meanwhile: a look of batchplay still out asks this process too.
        EXPECT_TRUE(batchplay.waitForExit(Deadline));
    });
    const std::string options = lf::readFile(league.path / "batchplay.dat");
    EXPECT_TRUE(options.starts_with("\"batchplayoption\"\r\n\"1\"\r\n")) << options;
}

}  // namespace
