#pragma once
// Starting another program of the suite by its file name ("lobby.exe", "\Commissioner.exe").
#include <QString>

namespace ui {

// The executable for fileName: the name without folder and ".exe", compared without case,
// beside the running executable, else in the league directory; empty when there is none.
QString findProgram(const QString& fileName);

// Starts the program detached with the league directory as its working directory and no
// inherited input or output, without waiting. Returns an empty string, or what went wrong.
QString tryStartProgram(const QString& fileName);

// tryStartProgram, and a message box with the reason when it fails; true when started.
bool startProgram(const QString& fileName);

}  // namespace ui
