// The viewer's run: league choice, then the main menu until "Exit" or "New Season".
#pragma once

namespace stats {

// One pass from the league choice to the end. Unexpected failures (a missing or damaged
// file, a missing folder) leave as exceptions; the caller restarts once.
void runViewer();

}  // namespace stats
