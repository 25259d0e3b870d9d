#include "ui/automation_client.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "ui/automation_folder.h"
#include "ui/title_pattern.h"

namespace ui::automation {
namespace {

using Clock = std::chrono::steady_clock;

std::string socketPath(long long pid) { return automationFolder() + "/" + std::to_string(pid) + ".sock"; }

// Connects to a socket file; false with errno set when nobody listens.
int connectTo(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::optional<std::string> readLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[4096];
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        const ssize_t n = recv(fd, buffer, sizeof(buffer), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        line.append(buffer, static_cast<size_t>(n));
        if (const auto end = line.find('\n'); end != std::string::npos) return line.substr(0, end);
    }
}

QJsonObject parse(const std::string& line) {
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line));
    return doc.isObject() ? doc.object() : QJsonObject{};
}

std::string text(const QJsonObject& o, const char* key) { return o.value(key).toString().toStdString(); }

Control readControl(const QJsonObject& o) {
    Control c;
    c.id = text(o, "id");
    c.name = text(o, "name");
    c.type = text(o, "type");
    c.text = text(o, "text");
    c.enabled = o.value("enabled").toBool();
    c.visible = o.value("visible").toBool();
    for (const QJsonValue& item : o.value("items").toArray()) c.items.push_back(item.toString().toStdString());
    c.selected = o.value("selected").toInt(-1);
    c.checked = o.value("checked").toBool();
    return c;
}

Window readWindow(const QJsonObject& o, long long pid, const std::string& program) {
    Window w;
    w.pid = pid;
    w.program = program;
    w.id = text(o, "id");
    w.title = text(o, "title");
    w.windowClass = text(o, "class");
    w.name = text(o, "name");
    w.active = o.value("active").toBool();
    w.modal = o.value("modal").toBool();
    w.blocked = o.value("blocked").toBool();
    w.topmost = o.value("topmost").toBool();
    for (const QJsonValue& c : o.value("controls").toArray()) w.controls.push_back(readControl(c.toObject()));
    return w;
}

Result send(const Window& window, QJsonObject request) {
    request["window"] = QString::fromStdString(window.id);
    const auto reply = automation::request(
        window.pid, QJsonDocument(request).toJson(QJsonDocument::Compact).toStdString());
    if (!reply) return {false, "program " + std::to_string(window.pid) + " does not answer"};
    const QJsonObject answer = parse(*reply);
    return {answer.value("ok").toBool(), text(answer, "error")};
}

}  // namespace

std::optional<std::string> request(long long pid, const std::string& jsonLine, int timeoutMs) {
    const std::string path = socketPath(pid);
    const int fd = connectTo(path);
    if (fd < 0) {
        // A socket left by a program that is gone: nobody will ever answer it.
        if ((errno == ECONNREFUSED || errno == ENOENT) && !processAlive(pid)) ::unlink(path.c_str());
        return std::nullopt;
    }
    std::optional<std::string> reply;
    if (writeAll(fd, jsonLine + "\n")) reply = readLine(fd, timeoutMs);
    ::close(fd);
    return reply;
}

std::vector<Window> listWindows() {
    std::vector<Window> windows;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(automationFolder(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= 5 || name.substr(name.size() - 5) != ".sock") continue;
        long long pid = 0;
        try {
            pid = std::stoll(name.substr(0, name.size() - 5));
        } catch (const std::exception&) {
            continue;
        }
        const auto reply = request(pid, R"({"op":"windows"})");
        if (!reply) continue;
        const QJsonObject answer = parse(*reply);
        const std::string program = text(answer, "program");
        for (const QJsonValue& w : answer.value("windows").toArray())
            windows.push_back(readWindow(w.toObject(), pid, program));
    }
    return windows;
}

std::optional<Window> findWindow(const std::string& pattern, const std::string& windowClass) {
    for (Window& w : listWindows())
        if (titleMatches(pattern, w.title) && (windowClass.empty() || titleMatches(windowClass, w.windowClass)))
            return std::move(w);
    return std::nullopt;
}

std::optional<Window> waitForWindow(const std::string& pattern, int timeoutMs, const std::string& windowClass) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (auto w = findWindow(pattern, windowClass)) return w;
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

bool waitForNoWindow(const std::string& pattern, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (findWindow(pattern)) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return true;
}

const Control* findControl(const Window& window, const std::string& nameOrCaption) {
    for (const Control& c : window.controls)
        if (c.visible && captionMatches(nameOrCaption, c.text)) return &c;
    for (const Control& c : window.controls)
        if (captionMatches(nameOrCaption, c.text) || c.name == nameOrCaption || c.id == nameOrCaption) return &c;
    return nullptr;
}

Result click(const Window& window, const std::string& caption) {
    return send(window, {{"op", "click"}, {"caption", QString::fromStdString(caption)}});
}

Result clickControl(const Window& window, const std::string& controlName) {
    return send(window, {{"op", "click"}, {"control", QString::fromStdString(controlName)}});
}

Result clickWindow(const Window& window) { return send(window, {{"op", "click"}}); }

Result sendKeys(const Window& window, const std::string& keys) {
    return send(window, {{"op", "keys"}, {"keys", QString::fromStdString(keys)}});
}

Result select(const Window& window, const std::string& controlName, int index) {
    return send(window, {{"op", "select"}, {"control", QString::fromStdString(controlName)}, {"index", index}});
}

Result doubleClick(const Window& window, const std::string& controlName) {
    return send(window, {{"op", "click"}, {"control", QString::fromStdString(controlName)}, {"double", true}});
}

Result doubleClickItem(const Window& window, const std::string& listName, int index) {
    return send(window,
                {{"op", "select"}, {"control", QString::fromStdString(listName)}, {"index", index}, {"double", true}});
}

Result setText(const Window& window, const std::string& controlName, const std::string& text) {
    return send(window, {{"op", "settext"},
                         {"control", QString::fromStdString(controlName)},
                         {"text", QString::fromStdString(text)}});
}

Result activate(const Window& window) { return send(window, {{"op", "activate"}}); }

Result close(const Window& window) { return send(window, {{"op", "close"}}); }

Result setTopmost(const Window& window, bool on) { return send(window, {{"op", "topmost"}, {"on", on}}); }

Result grab(const Window& window, const std::string& file) {
    return send(window, {{"op", "grab"}, {"file", QString::fromStdString(file)}});
}

}  // namespace ui::automation
