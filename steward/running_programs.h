#pragma once
// Which programs of the suite are running, told from the windows they show.
#include <optional>
#include <string>
#include <vector>

#include "ui/automation_client.h"

namespace steward {

// The first form of another process whose title matches pattern (* ? # as in window titles).
std::optional<ui::automation::Window> runningWindow(const std::vector<ui::automation::Window>& windows,
                                                    const std::string& pattern, long long ownPid);

// True while the game suite runs: a program other than the side programs (live standings,
// batchplay, keypad, this manager) shows its background window "KRO". Every program of the
// suite has one, so the side programs' own must not count.
bool gameRunning(const std::vector<ui::automation::Window>& windows, long long ownPid);

// The game's window to bring forward: its scoreboard, else (between games) its first window
// other than the background.
std::optional<ui::automation::Window> gameFront(const std::vector<ui::automation::Window>& windows,
                                                long long ownPid);

}  // namespace steward
