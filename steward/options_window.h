#pragma once
// "Options": the file viewer's file types, the game's change-control switch and the resets
// of the side programs' stored positions and the keypad layout.

namespace steward {

// Shows the window and waits until it closes.
void showOptionsWindow();

}  // namespace steward
