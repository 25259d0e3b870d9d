#pragma once
// Helpers for tests that drive windows: the test process as a program of the suite with
// its own automation folder, temporary folders, and a client running beside a modal window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "ui/program.h"

namespace uitest {

// A fresh folder under /tmp (short, so socket paths stay short), removed when the test ends.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path path;
};

// The test process as program "uitest"; its XDG_RUNTIME_DIR, inherited by every program
// the test starts, is private to this test process.
ui::Program& program();

// Closes every modal window still open, failing the test.
void closeOpenModals();

// Runs client on a thread while modal() runs on this one (it shows a modal window). Modal
// windows still open after 20 s are closed, so a client that failed ends the modal call
// instead of hanging the test.
template <class Modal>
auto withClient(const std::function<void()>& client, Modal modal) {
    program();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &closeOpenModals);
    guard.start(20000);
    std::thread thread(client);
    auto result = modal();
    thread.join();
    return result;
}

// Runs client on a thread while this one serves the automation until the client is done.
void serveWhile(const std::function<void()>& client);

// Kills every other program serving windows in this test's automation folder.
void killStartedPrograms();

// Writes an executable shell script.
void writeScript(const std::filesystem::path& file, const std::string& body);

}  // namespace uitest
