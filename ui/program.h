#pragma once
// What every program of the suite does first: the application object, the window
// automation server and the full-screen background window captioned "KRO".
//   int main(int argc, char** argv) { ui::Program program(argc, argv, "lobby"); ...; return program.run(); }
#include <QApplication>
#include <QWidget>
#include <memory>

namespace ui {

class Program {
public:
    // name is the program's name in automation replies.
    Program(int& argc, char** argv, const char* name);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the event loop until the last window other than the background closes; then the
    // background closes. Returns the exit code.
    int run();
    // The background window (frmBackground), behind the program's windows until it ends.
    QWidget& background() { return *background_; }

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<QWidget> background_;
};

// The suite's icon.
QIcon suiteIcon();

// The running program's background window, or nullptr before a Program exists.
QWidget* backgroundWindow();

// For long computations with no window open: handles pending events (automation requests,
// repaints) when 20 ms or more passed since it last did. Cheap enough to call per step.
void stayResponsive();

}  // namespace ui
