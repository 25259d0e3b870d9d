#include "ui/tests/test_support.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <fstream>

#include "ui/automation_folder.h"
#include "ui/tests/process_support.h"

namespace uitest {

TempDir::TempDir() {
    char pattern[] = "/tmp/vt-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path = made;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

namespace {

ui::Program* instance = nullptr;

// Ends the program while Qt is still whole: after main() some of Qt's statics are gone.
struct ProgramEnvironment : ::testing::Environment {
    void TearDown() override {
        delete instance;
        instance = nullptr;
    }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace

ui::Program& program() {
    static int argc = 1;
    static char name[] = "uitest";
    static char* argv[] = {name, nullptr};
    if (instance == nullptr) {
        usePrivateRuntimeDir();
        instance = new ui::Program(argc, argv, "uitest");
    }
    return *instance;
}

void closeOpenModals() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "modal window \"" << modal->windowTitle().toStdString() << "\" left open";
        modal->hide();  // hiding ends a dialog's exec() even without a Cancel button
    }
}

void serveWhile(const std::function<void()>& client) {
    program();
    std::atomic<bool> done = false;
    std::thread thread([&] {
        client();
        done = true;
        QMetaObject::invokeMethod(qApp, [] {}, Qt::QueuedConnection);  // wakes the loop below
    });
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    thread.join();
}

void killStartedPrograms() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ui::automationFolder(), error)) {
        const long long pid = std::atoll(entry.path().stem().c_str());
        if (pid > 0 && pid != getpid()) kill(static_cast<pid_t>(pid), SIGKILL);
        if (pid != getpid()) std::filesystem::remove(entry.path(), error);
    }
}

void writeScript(const std::filesystem::path& file, const std::string& body) {
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

}  // namespace uitest
