#pragma once
// "KRO File Viewer": opens, edits, saves, searches and prints the text files of a league's
// archive folder.

namespace steward {

// Shows the viewer and waits until it closes.
void showFileViewer();

}  // namespace steward
