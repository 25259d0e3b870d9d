#pragma once
// "The KRO Manager": one column of buttons that start the suite and the side programs and
// open the manager's own windows.
#include <QWidget>

namespace steward {

class MainWindow : public QWidget {
public:
    MainWindow();

private:
    // Starts file unless a window matching pattern runs; then brings that window forward.
    void runOnce(const char* pattern, const char* file);
    void runGame();
    void toggleKeypad();
    void about();
    bool busy_ = false;
};

// Rebuilds "database.dat" in the working directory; shows "There are no files in C:\KRO!"
// and answers false when the folder is empty. Another failure is shown as well.
bool refreshLeagueList();

}  // namespace steward
