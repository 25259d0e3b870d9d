#include "ui/automation_server.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "ui/automation_folder.h"
#include "ui/keystrokes.h"
#include "ui/program.h"
#include "ui/title_pattern.h"
#include "ui/window_class.h"

namespace ui {
namespace {

// ---- identities and stacking order -------------------------------------------------------

QString idOf(QWidget* widget, char prefix) {
    static int next = 0;
    static constexpr const char* kIdProperty = "veltranId";
    QString id = widget->property(kIdProperty).toString();
    if (id.isEmpty()) {
        id = QLatin1Char(prefix) + QString::number(++next);
        widget->setProperty(kIdProperty, id);
    }
    return id;
}

// Windows in the order they were last shown or activated, the most recent first.
class StackingOrder : public QObject {
public:
    std::vector<QPointer<QWidget>> recent;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                std::erase_if(recent, [widget](const QPointer<QWidget>& w) { return w.isNull() || w == widget; });
                recent.insert(recent.begin(), widget);
            }
        }
        return false;
    }
};

QPointer<StackingOrder> stacking;
QString programName;

bool isTopmost(const QWidget* window) { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

std::vector<QWidget*> shownWindows() {
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
            type != Qt::SplashScreen)
            windows.push_back(widget);
    }
    auto rank = [](QWidget* window) {
        if (stacking == nullptr) return 0L;
        const auto it = std::find(stacking->recent.begin(), stacking->recent.end(), window);
        return static_cast<long>(it - stacking->recent.begin());
    };
    // The background stays behind the program's own windows, whatever was activated last.
    auto behind = [](QWidget* w) { return w == backgroundWindow(); };
    std::stable_sort(windows.begin(), windows.end(), [&](QWidget* a, QWidget* b) {
        if (isTopmost(a) != isTopmost(b)) return isTopmost(a);
        if (behind(a) != behind(b)) return behind(b);
        return rank(a) < rank(b);
    });
    return windows;
}

bool isBlocked(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return false;
    for (QWidget* w = window; w != nullptr; w = w->parentWidget())
        if (w == modal) return false;
    return true;
}

// ---- controls ------------------------------------------------------------------------------

QString controlType(QWidget* w) {
    if (qobject_cast<QRadioButton*>(w)) return QStringLiteral("option");
    if (qobject_cast<QCheckBox*>(w)) return QStringLiteral("check");
    if (qobject_cast<QAbstractButton*>(w)) return QStringLiteral("button");
    if (qobject_cast<QLabel*>(w)) return QStringLiteral("label");
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w))
        return QStringLiteral("text");
    if (qobject_cast<QListWidget*>(w)) return QStringLiteral("list");
    if (qobject_cast<QComboBox*>(w)) return QStringLiteral("combo");
    if (qobject_cast<QAbstractSlider*>(w)) return QStringLiteral("slider");
    if (qobject_cast<QGroupBox*>(w)) return QStringLiteral("frame");
    if (w->metaObject() == &QFrame::staticMetaObject && !w->objectName().isEmpty()) return QStringLiteral("frame");
    return {};
}

QString controlText(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) return s->text();
    if (auto* l = qobject_cast<QListWidget*>(w)) return l->currentItem() ? l->currentItem()->text() : QString();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) return QString::number(s->value());
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

// Every control of a window in child order; the insides of a control are not controls.
void collectControls(QWidget* parent, std::vector<QWidget*>& out) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || w->isWindow()) continue;
        const QString type = controlType(w);
        if (!type.isEmpty()) out.push_back(w);
        if (type.isEmpty() || type == QLatin1String("frame")) collectControls(w, out);
    }
}

std::vector<QWidget*> controlsOf(QWidget* window) {
    std::vector<QWidget*> out;
    collectControls(window, out);
    return out;
}

QJsonObject describeControl(QWidget* w) {
    const QString type = controlType(w);
    QJsonObject c{{"id", idOf(w, 'c')},     {"name", w->objectName()},    {"type", type},
                  {"text", controlText(w)}, {"enabled", w->isEnabled()}, {"visible", w->isVisible()}};
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        QJsonArray items;
        for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
        c["items"] = items;
        c["selected"] = list->currentRow();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
        c["items"] = items;
        c["selected"] = combo->currentIndex();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && type != QLatin1String("button")) {
        c["checked"] = button->isChecked();
    }
    return c;
}

QJsonObject describeWindow(QWidget* window) {
    QJsonArray controls;
    for (QWidget* w : controlsOf(window)) controls.append(describeControl(w));
    return {{"id", idOf(window, 'w')},
            {"title", window->windowTitle()},
            {"class", isDialogWindow(*window) ? "dialog" : "form"},
            {"name", window->objectName()},
            {"active", QApplication::activeWindow() == window},
            {"modal", window->isModal()},
            {"blocked", isBlocked(window)},
            {"topmost", isTopmost(window)},
            {"controls", controls}};
}

// ---- lookup ----------------------------------------------------------------------------------

QWidget* findWindow(const QString& key) {
    const std::vector<QWidget*> windows = shownWindows();
    for (QWidget* w : windows)
        if (idOf(w, 'w') == key) return w;
    for (QWidget* w : windows)
        if (w->objectName().compare(key, Qt::CaseInsensitive) == 0 ||
            w->windowTitle().compare(key, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}

QWidget* findControl(QWidget* window, const QString& name, const QString& caption) {
    const std::vector<QWidget*> controls = controlsOf(window);
    auto matches = [&](QWidget* w) {
        if (!name.isEmpty())
            return idOf(w, 'c') == name || w->objectName().compare(name, Qt::CaseInsensitive) == 0;
        return captionMatches(caption.toStdString(), controlText(w).toStdString());
    };
    // A shown control wins over a hidden one of the same caption.
    for (QWidget* w : controls)
        if (w->isVisible() && matches(w)) return w;
    for (QWidget* w : controls)
        if (matches(w)) return w;
    return nullptr;
}

// ---- actions -------------------------------------------------------------------------------

void queue(std::function<void()> action) {
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

// The events of a left click at local (the widget's centre when null), or of a double click.
void mouseClick(QWidget* target, bool twice = false, QPointF local = {}) {
    QPointer<QWidget> w = target;
    if (local.isNull()) local = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(local);
    const QEvent::Type downs[] = {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick};
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        QMouseEvent down(downs[i], local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
        if (w.isNull()) return;
        QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
        if (w.isNull()) return;
    }
}

QWidget* keyTarget(QWidget* window) {
    QWidget* focus = window->focusWidget();
    if (focus != nullptr && focus->isEnabled() && focus->isVisible()) return focus;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus) return w;
    return window;
}

void typeKey(QWidget* target, const Keystroke& k) {
    struct Named {
        SpecialKey special;
        int key;
        const char* text;
    };
    static const Named named[] = {{SpecialKey::Enter, Qt::Key_Return, "\r"},
                                  {SpecialKey::Tab, Qt::Key_Tab, "\t"},
                                  {SpecialKey::Backspace, Qt::Key_Backspace, "\b"},
                                  {SpecialKey::Delete, Qt::Key_Delete, "\x7f"},
                                  {SpecialKey::Escape, Qt::Key_Escape, "\x1b"}};
    int key = Qt::Key_unknown;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (k.special != SpecialKey::None) {
        for (const Named& n : named)
            if (n.special == k.special) {
                key = n.key;
                text = QString::fromLatin1(n.text);
            }
    } else {
        const char32_t c = k.ch;
        text = QString::fromUcs4(&c, 1);
        if (c >= 'A' && c <= 'Z') modifiers = Qt::ShiftModifier;
        if (c < 0x10000) key = QChar(static_cast<char16_t>(c)).toUpper().unicode();
    }
    QPointer<QWidget> w = target;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &press);
    if (w.isNull()) return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(w, &release);
}

// One key per queued call: a key that opens a modal window leaves the rest to that window.
void typeKeys(QPointer<QWidget> window, std::vector<Keystroke> keys, size_t next) {
    if (next >= keys.size()) return;
    QWidget* into = window;
    if (into == nullptr || !into->isVisible() || isBlocked(into)) into = QApplication::activeModalWidget();
    if (into == nullptr) into = QApplication::activeWindow();
    if (into == nullptr) return;
    // The next key is queued first: if this one opens a modal window, that window's loop types it.
    const Keystroke key = keys[next];
    queue([window, keys = std::move(keys), next] { typeKeys(window, keys, next + 1); });
    typeKey(keyTarget(into), key);
}

void activate(QWidget* window) { bringToFront(*window); }

// ---- requests ------------------------------------------------------------------------------

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
            activate(target);
            typeKeys(target, keys, 0);
        });
        return success();
    }
    if (op == QLatin1String("activate")) {
        queue([target] {
            if (target) activate(target);
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
    if (stacking == nullptr) {
        stacking = new StackingOrder;
        stacking->setParent(qApp);
        qApp->installEventFilter(stacking);
    }
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
