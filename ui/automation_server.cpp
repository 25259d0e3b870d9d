#include "ui/automation_server.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWindow>
#include <cstdio>

#include "ui/automation_folder.h"
#include "ui/keystrokes.h"
#include "ui/synthetic_input.h"
#include "ui/window_class.h"
#include "ui/window_inventory.h"

namespace ui {
namespace {

QString programName;

QJsonObject failure(const QString& error) { return {{"ok", false}, {"error", error}}; }
QJsonObject success() { return {{"ok", true}}; }

QJsonObject listWindows() {
    QJsonArray windows;
    for (QWidget* w : shownWindows()) windows.append(describeWindow(w));
    return {{"ok", true},
            {"pid", QCoreApplication::applicationPid()},
            {"program", programName},
            {"windows", windows}};
}

QJsonObject clickRequest(QWidget* window, const QJsonObject& request) {
    const QString name = request.value("control").toString();
    const QString caption = request.value("caption").toString();
    const bool twice = request.value("double").toBool();
    if (name.isEmpty() && !request.contains("caption")) {
        QPointer<QWidget> target = window;
        queue([target, twice] {
            if (target) mouseClick(target, twice);
        });
        return success();
    }
    QWidget* control = findControl(window, name, caption);
    if (control == nullptr) return failure("no control " + (name.isEmpty() ? '"' + caption + '"' : name));
    if (!control->isEnabled() || !control->isVisible())
        return failure("control " + control->objectName() + " is disabled or hidden");
    QPointer<QWidget> target = control;
    queue([target, twice] {
        if (target.isNull()) return;
        auto* button = qobject_cast<QAbstractButton*>(target.data());
        if (button != nullptr && !twice)
            button->click();
        else
            mouseClick(target, twice);
    });
    return success();
}

QJsonObject selectRequest(QWidget* window, const QJsonObject& request) {
    const QString name = request.value("control").toString();
    const int index = request.value("index").toInt(-1);
    QWidget* control = findControl(window, name, {});
    if (control == nullptr || (!qobject_cast<QListWidget*>(control) && !qobject_cast<QComboBox*>(control))) {
        // An option group: its buttons are named "<group>_<index>".
        QWidget* option = findControl(window, name + '_' + QString::number(index), {});
        auto* button = qobject_cast<QAbstractButton*>(option);
        if (button == nullptr) return failure("no list, drop-down or option group " + name);
        if (!button->isEnabled() || !button->isVisible()) return failure("option " + option->objectName() + " is disabled or hidden");
        QPointer<QAbstractButton> target = button;
        queue([target] {
            if (target) target->click();
        });
        return success();
    }
    if (!control->isEnabled()) return failure("control " + name + " is disabled");
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (index < 0 || index >= list->count()) return failure("no item " + QString::number(index) + " in " + name);
        QPointer<QListWidget> target = list;
        const bool twice = request.value("double").toBool();
        queue([target, index, twice] {
            if (target.isNull()) return;
            if (twice) {
                // A real double click on the line, so every handler of one sees it.
                QListWidgetItem* item = target->item(index);
                target->scrollToItem(item);
                mouseClick(target->viewport(), true, QRectF(target->visualItemRect(item)).center());
                return;
            }
            target->setCurrentRow(index);
            if (target) emit target->itemClicked(target->item(index));
        });
    } else {
        auto* combo = qobject_cast<QComboBox*>(control);
        if (index < 0 || index >= combo->count()) return failure("no item " + QString::number(index) + " in " + name);
        QPointer<QComboBox> target = combo;
        queue([target, index] {
            if (target.isNull()) return;
            target->setCurrentIndex(index);
            if (target) emit target->activated(index);
        });
    }
    return success();
}

QJsonObject setTextRequest(QWidget* window, const QJsonObject& request) {
    const QString name = request.value("control").toString();
    const QString text = request.value("text").toString();
    QWidget* control = findControl(window, name, {});
    if (control == nullptr) return failure("no control " + name);
    QPointer<QWidget> target = control;
    if (qobject_cast<QLineEdit*>(control) == nullptr && qobject_cast<QTextEdit*>(control) == nullptr &&
        qobject_cast<QPlainTextEdit*>(control) == nullptr)
        return failure("control " + name + " is not a text box");
    if (!control->isEnabled()) return failure("control " + name + " is disabled");
    queue([target, text] {
        if (auto* e = qobject_cast<QLineEdit*>(target.data())) e->setText(text);
        if (auto* t = qobject_cast<QTextEdit*>(target.data())) t->setPlainText(text);
        if (auto* p = qobject_cast<QPlainTextEdit*>(target.data())) p->setPlainText(text);
    });
    return success();
}

class Server : public QObject {
public:
    explicit Server(const QString& path) {
        QLocalServer::removeServer(path);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_.listen(path)) {
            std::fprintf(stderr, "window automation unavailable: %s\n", qPrintable(server_.errorString()));
            return;
        }
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [socket] { serve(socket); });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                serve(socket);
            }
        });
    }

private:
    static void serve(QLocalSocket* socket) {
        // Requests are short; a client that sends megabytes without a line end is not one of ours.
        if (!socket->canReadLine() && socket->bytesAvailable() > (1 << 20)) {
            socket->abort();
            return;
        }
        while (socket->canReadLine()) {
            const QByteArray line = socket->readLine();
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
            const QJsonObject reply = doc.isObject() ? handleAutomationRequest(doc.object())
                                                     : failure("not a JSON object: " + error.errorString());
            socket->write(QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n');
            socket->flush();
        }
    }

    QLocalServer server_;
};

void removeStaleSockets(const QString& folder) {
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.sock")}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        bool ok = false;
        const long long pid = name.chopped(5).toLongLong(&ok);
        if (ok && pid != QCoreApplication::applicationPid() && !processAlive(pid)) QFile::remove(folder + '/' + name);
    }
}

}  // namespace

QJsonObject handleAutomationRequest(const QJsonObject& request) {
    const QString op = request.value("op").toString();
    if (op == QLatin1String("windows")) return listWindows();
    QWidget* window = findWindow(request.value("window").toString());
    if (window == nullptr) return failure("no window " + request.value("window").toString());
    QPointer<QWidget> target = window;
    const bool input = op == QLatin1String("click") || op == QLatin1String("keys") ||
                       op == QLatin1String("select") || op == QLatin1String("settext");
    if (input && isBlocked(window)) return failure("window " + window->windowTitle() + " is blocked by a modal window");
    if (op == QLatin1String("click")) return clickRequest(window, request);
    if (op == QLatin1String("select")) return selectRequest(window, request);
    if (op == QLatin1String("settext")) return setTextRequest(window, request);
    if (op == QLatin1String("keys")) {
        auto keys = parseKeystrokes(request.value("keys").toString().toStdString());
        if (!keys) return failure("bad keystrokes: " + request.value("keys").toString());
        queue([target, keys = std::move(*keys)] {
            if (target.isNull()) return;
            bringToFront(*target);
            typeKeys(target, keys, 0);
        });
        return success();
    }
    if (op == QLatin1String("activate")) {
        queue([target] {
            if (target) bringToFront(*target);
        });
        return success();
    }
    if (op == QLatin1String("close")) {
        queue([target] {
            if (target) target->close();
        });
        return success();
    }
    if (op == QLatin1String("grab")) {
        // A picture of the window as it is drawn now, for people looking at a headless run.
        const QString file = request.value("file").toString();
        if (file.isEmpty() || !window->grab().save(file, "PNG")) return failure("cannot save " + file);
        return success();
    }
    if (op == QLatin1String("topmost")) {
        const bool on = request.value("on").toBool(true);
        queue([target, on] {
            if (target.isNull()) return;
            // setWindowFlag() would hide the window, and hiding a modal dialog ends it.
            const Qt::WindowFlags flags = target->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
            target->overrideWindowFlags(flags);
            if (QWindow* handle = target->windowHandle()) handle->setFlags(flags);
        });
        return success();
    }
    return failure("unknown op " + op);
}

void startAutomation(const QString& program) {
    programName = program;
    trackWindowStacking();
    const std::string problem = prepareAutomationFolder();
    if (!problem.empty()) {
        std::fprintf(stderr, "window automation unavailable: %s\n", problem.c_str());
        return;
    }
    const QString folder = QString::fromStdString(automationFolder());
    removeStaleSockets(folder);
    const QString path = folder + '/' + QString::number(QCoreApplication::applicationPid()) + ".sock";
    if (path.toLocal8Bit().size() > 107) {
        std::fprintf(stderr, "window automation unavailable: socket path too long: %s\n", qPrintable(path));
        return;
    }
    (new Server(path))->setParent(qApp);
}

}  // namespace ui

