#pragma once
// Input that automation hands to windows as a user's would arrive: queued after the reply,
// mouse clicks as mouse events, keystrokes as key events into the focus widget.
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/keystrokes.h"

namespace ui {

// Runs action from the event loop, after the current request has been answered.
void queue(std::function<void()> action);

// A left click at local (the widget's centre when null), or a double click.
void mouseClick(QWidget* target, bool twice = false, QPointF local = {});

// Types keys from index next on into window's focus widget, one key per queued call, so a
// key that opens a modal window leaves the rest to that window.
void typeKeys(QPointer<QWidget> window, std::vector<Keystroke> keys, size_t next);

}  // namespace ui
