#include "ui/synthetic_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/window_inventory.h"

namespace ui {

void queue(std::function<void()> action) {
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

// The events of a left click at local (the widget's centre when null), or of a double click.
void mouseClick(QWidget* target, bool twice, QPointF local) {
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

namespace {

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

}  // namespace

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

}  // namespace ui
