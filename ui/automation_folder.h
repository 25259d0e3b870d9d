#pragma once
// Where every program of the suite serves its windows: $XDG_RUNTIME_DIR/veltran-desktop,
// or /tmp/veltran-desktop-<uid>, holding one "<pid>.sock" per running program.
#include <string>

namespace ui {

// The socket folder (not created).
std::string automationFolder();

// Creates the folder with mode 0700, or checks that an existing one is ours, a real folder
// and private; returns an empty string, or what is wrong with it.
std::string prepareAutomationFolder();

// True while a process with this id exists.
bool processAlive(long long pid);

}  // namespace ui
