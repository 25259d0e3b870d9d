#pragma once
// The automation server: serves this process's windows on "<folder>/<pid>.sock", one JSON
// object per line each way (windows, click, keys, select, settext, activate, close, topmost;
// and grab, which saves a PNG picture of a window to "file"). "double":true on click or
// select makes it a double click (on a list: on line index).
// Actions run as queued calls after the reply, so they may open modal windows; requests are
// served inside modal windows' nested loops as well.
#include <QJsonObject>
#include <QString>

namespace ui {

// Starts serving; program is the name given in replies ("lobby"). Problems go to stderr and
// leave the program running without automation. Stops when the application object goes.
void startAutomation(const QString& program);

// Answers one request as the socket would (for the server's own tests); actions are queued.
QJsonObject handleAutomationRequest(const QJsonObject& request);

}  // namespace ui
