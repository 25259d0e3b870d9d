#pragma once
// "Backup/Restore KRO Data": copies the league data to a folder the user names, or back.

namespace steward {

// Shows the window and waits until it closes.
void showBackupWindow();

}  // namespace steward
