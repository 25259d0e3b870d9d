#pragma once
// The test process as the editor: the editor runs on the main thread as it does in the
// program, while a simulated user on a second thread works its windows through the
// automation socket, and through the widgets themselves for what the socket does not
// carry (sliders, drops, double-clicks).
#include <QApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMetaObject>
#include <QMimeData>
#include <QSlider>
#include <QWidget>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include "rosterdesk/editor.h"
#include "ui/automation_client.h"
#include "ui/drag_label.h"
#include "ui/program.h"

namespace testsupport {

namespace au = ui::automation;

inline constexpr int Deadline = 20000;

// Raised on the user's thread when an expected window does not come.
struct UserStuck : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline bool windowShows(const au::Window& w, const std::string& text) {
    for (const au::Control& c : w.controls) {
        if (c.text.find(text) != std::string::npos) return true;
        for (const std::string& item : c.items)
            if (item.find(text) != std::string::npos) return true;
    }
    return false;
}

// The first window titled `title` that no modal window blocks and that meets `ready`,
// waited for.
inline au::Window waitUntil(const std::string& title, const std::function<bool(const au::Window&)>& ready,
                            const std::string& what = {}) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
    while (std::chrono::steady_clock::now() < end) {
        for (const au::Window& w : au::listWindows())
            if (w.title == title && !w.blocked && ready(w)) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::string shown;
    for (const au::Window& w : au::listWindows()) {
        shown += "\n  \"" + w.title + "\"" + (w.blocked ? " (blocked)" : "");
        for (const au::Control& c : w.controls)
            shown += " [" + c.text + (c.items.empty() ? "" : " +" + std::to_string(c.items.size()) + " items") + "]";
    }
    throw UserStuck("no window \"" + title + "\"" + what + "; shown:" + shown);
}

// The unblocked window titled `title`, showing `text` in a control when given.
inline au::Window waitUnblocked(const std::string& title, const std::string& text = {}) {
    return waitUntil(title, [&](const au::Window& w) { return text.empty() || windowShows(w, text); },
                     text.empty() ? "" : " showing \"" + text + "\"");
}

inline void click(const std::string& title, const std::string& caption) {
    const au::Result r = au::click(waitUnblocked(title), caption);
    if (!r.ok) throw UserStuck("click " + caption + " in " + title + ": " + r.error);
}

// Answers the message box showing text with the button caption.
inline void answer(const std::string& text, const std::string& caption) {
    const au::Result r = au::click(waitUnblocked("KRO", text), caption);
    if (!r.ok) throw UserStuck("answer " + caption + " to " + text + ": " + r.error);
}

inline const au::Control* findNamed(const au::Window& w, const std::string& name) {
    for (const au::Control& c : w.controls)
        if (c.name == name) return &c;
    return nullptr;
}

inline const au::Control& control(const au::Window& w, const std::string& name) {
    for (const au::Control& c : w.controls)
        if (c.name == name) return c;
    throw UserStuck("no control " + name + " in " + w.title);
}

inline void select(const std::string& title, const std::string& name, int index) {
    const au::Result r = au::select(waitUnblocked(title), name, index);
    if (!r.ok) throw UserStuck("select " + name + ": " + r.error);
}

inline void setText(const std::string& title, const std::string& name, const std::string& text) {
    const au::Result r = au::setText(waitUnblocked(title), name, text);
    if (!r.ok) throw UserStuck("settext " + name + ": " + r.error);
}

// Runs f on the main thread with the shown top-level window of that object name that no
// modal window blocks, once there is one, and waits for it to finish.
inline void onWindow(const QString& windowName, std::function<void(QWidget&)> f) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
    while (std::chrono::steady_clock::now() < end) {
        std::promise<bool> done;
        QMetaObject::invokeMethod(qApp, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == windowName && (modal == nullptr || modal == w)) {
                    f(*w);
                    done.set_value(true);
                    return;
                }
            done.set_value(false);
        }, Qt::QueuedConnection);
        if (done.get_future().get()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    throw UserStuck("no window " + windowName.toStdString() + " to work in");
}

// Runs editor() on this thread while user() works it from another. A user that gets stuck
// fails the test; an editor still running then would wait forever, so the process ends.
inline int withUser(const std::function<void()>& user, const std::function<int()>& editor) {
    std::atomic<bool> editorDone{false};
    std::thread thread([&] {
        try {
            user();
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
        while (!editorDone && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!editorDone) {
            std::fprintf(stderr, "the editor did not end after the user left it\n");
            std::fflush(nullptr);
            std::_Exit(1);
        }
    });
    const int code = editor();
    editorDone = true;
    thread.join();
    return code;
}

inline const std::string Menu = "Edit Teams Or Players";

inline void setSlider(const QString& window, const QString& slider, int value) {
    onWindow(window, [&](QWidget& w) { w.findChild<QSlider*>(slider)->setValue(value); });
}

// Drops one label of a window onto another, as Qt delivers a drop.
inline void dropLabel(const QString& window, const QString& from, const QString& to) {
    onWindow(window, [&](QWidget& w) {
        auto* source = w.findChild<ui::DragLabel*>(from);
        auto* target = w.findChild<ui::DragLabel*>(to);
        std::unique_ptr<QMimeData> data(source->dragData());
        QDragEnterEvent enter(QPoint(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    });
}

inline void doubleClickRow(const QString& window, const QString& list, int row) {
    onWindow(window, [&](QWidget& w) {
        auto* l = w.findChild<QListWidget*>(list);
        emit l->itemDoubleClicked(l->item(row));
    });
}

// The test process as the program, with an automation folder of its own.
inline ui::Program& program() {
    static ui::Program* p = [] {
        const auto run = std::filesystem::temp_directory_path() / ("rd_" + std::to_string(::getpid()));
        std::filesystem::create_directories(run);
        ::chmod(run.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::getenv("XDG_RUNTIME_DIR"), ec);
        });
        static int argc = 1;
        static char name[] = "rosterdesk_tests";
        static char* argv[] = {name, nullptr};
        return new ui::Program(argc, argv, "rosterdesk");
    }();
    return *p;
}

// The editor run in a league folder as its working directory, with a stand-in lobby there.
struct EditorSession {
    std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::path league;

    void enter(const std::filesystem::path& dir) {
        league = dir;
        program();
        std::ofstream(dir / "lobby") << "#!/bin/sh\ntouch lobby-started\n";
        std::filesystem::permissions(dir / "lobby", std::filesystem::perms::owner_all);
        std::filesystem::current_path(dir);
    }
    void leave() { std::filesystem::current_path(home); }

    // Runs the editor with the user, who leaves it through the menu's "Exit".
    void run(const std::function<void()>& user) {
        EXPECT_EQ(withUser(user, newedit::runEditor), 0);
        EXPECT_TRUE(lobbyStarted());
    }
    bool lobbyStarted() const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Deadline);
        while (!std::filesystem::exists(league / "lobby-started")) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
};

}  // namespace testsupport
