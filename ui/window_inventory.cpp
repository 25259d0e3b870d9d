#include "ui/window_inventory.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>
#include <algorithm>

#include "ui/program.h"
#include "ui/title_pattern.h"
#include "ui/window_class.h"

namespace ui {
namespace {

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

bool isTopmost(const QWidget* window) { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

}  // namespace

void trackWindowStacking() {
    if (!stacking.isNull()) return;
    stacking = new StackingOrder;
    stacking->setParent(qApp);
    qApp->installEventFilter(stacking);
}

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

namespace {

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

}  // namespace

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

}  // namespace ui
