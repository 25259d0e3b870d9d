#pragma once
// The test process as the editor: the editor runs on the main thread as it does in the
// program, while a simulated user on a second thread works its windows through the
// automation socket, and through the widgets themselves for what the socket does not
// carry (sliders, drops, double-clicks).
#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include "ui/automation_client.h"

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
        for (const au::Control& c : w.controls) shown += " [" + c.text + "]";
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

// Runs f on the main thread with the shown top-level window of that object name, and waits.
inline void onWindow(const QString& windowName, std::function<void(QWidget&)> f) {
    std::promise<void> done;
    QMetaObject::invokeMethod(qApp, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == windowName) {
                f(*w);
                break;
            }
        done.set_value();
    }, Qt::QueuedConnection);
    done.get_future().wait();
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

}  // namespace testsupport
