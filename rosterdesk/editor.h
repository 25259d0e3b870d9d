#pragma once
// The editor's run: start-up reads, the menu "Edit Teams Or Players" and its commands.
namespace newedit {

// Runs the editor on the league of the working directory until the user leaves it; then
// starts lobby. Returns the program's exit code.
int runEditor();

}  // namespace newedit
