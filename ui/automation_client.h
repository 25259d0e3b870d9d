#pragma once
// The client side of window automation: every running program's windows, found by title
// pattern (* ? #), their controls by caption, and the requests of the protocol. Plain
// blocking calls; safe from any thread and without an application object.
#include <optional>
#include <string>
#include <vector>

namespace ui::automation {

struct Control {
    std::string id, name, type, text;
    bool enabled = false, visible = false;
    std::vector<std::string> items;  // lists and drop-downs
    int selected = -1;
    bool checked = false;            // options and check boxes
};

struct Window {
    long long pid = 0;
    std::string program;
    std::string id, title, windowClass, name;  // windowClass: "form" or "dialog"
    bool active = false, modal = false, blocked = false, topmost = false;
    std::vector<Control> controls;
};

struct Result {
    bool ok = false;
    std::string error;
};

// Every shown window of every program, each program's topmost first; stale sockets are removed.
std::vector<Window> listWindows();

// The first window whose title matches pattern and, when given, whose class matches windowClass.
std::optional<Window> findWindow(const std::string& pattern, const std::string& windowClass = {});

// findWindow, retried until timeoutMs passes.
std::optional<Window> waitForWindow(const std::string& pattern, int timeoutMs,
                                    const std::string& windowClass = {});

// True once no window matches pattern, within timeoutMs.
bool waitForNoWindow(const std::string& pattern, int timeoutMs);

// The first control whose caption matches (without case and "&"), or whose name is nameOrCaption.
const Control* findControl(const Window& window, const std::string& nameOrCaption);

// The requests; each answers ok or the server's error.
Result click(const Window& window, const std::string& caption);
Result clickControl(const Window& window, const std::string& controlName);
Result clickWindow(const Window& window);
Result sendKeys(const Window& window, const std::string& keys);
Result select(const Window& window, const std::string& controlName, int index);
// A double click on a control (a text box, a label, a button), or on line index of a list.
Result doubleClick(const Window& window, const std::string& controlName);
Result doubleClickItem(const Window& window, const std::string& listName, int index);
Result setText(const Window& window, const std::string& controlName, const std::string& text);
Result activate(const Window& window);
Result close(const Window& window);
Result setTopmost(const Window& window, bool on);
// Saves a PNG picture of the window (file is seen from the program's working directory).
Result grab(const Window& window, const std::string& file);

// One raw request line to program pid; the raw reply line, or nullopt when it cannot be reached.
std::optional<std::string> request(long long pid, const std::string& jsonLine, int timeoutMs = 10000);

}  // namespace ui::automation
