#pragma once
// The windows and controls of this process as automation sees them: which windows are shown
// and in what order, which are blocked by a modal window, their controls, and lookups.
#include <QJsonObject>
#include <QString>
#include <QWidget>
#include <vector>

namespace ui {

// Starts following which window was shown or activated last (the stacking order).
void trackWindowStacking();

// Every shown top-level window, topmost first, the background last.
std::vector<QWidget*> shownWindows();

// True while a modal window that is not this one (nor one of its parents) is open.
bool isBlocked(QWidget* window);

// The window as the protocol describes it, with its controls.
QJsonObject describeWindow(QWidget* window);

// A shown window by id ("w3"), else by name or title (without case).
QWidget* findWindow(const QString& key);

// A control by id or name (when name is given), else by caption; shown controls first.
QWidget* findControl(QWidget* window, const QString& name, const QString& caption);

}  // namespace ui
