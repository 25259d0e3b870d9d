// The viewer's menus: one column of buttons; a press records its index and hides the menu.
#pragma once

#include <QDialog>
#include <QStringList>

namespace stats {

class Basemenu : public QDialog {
public:
    Basemenu(const QString& caption, const QStringList& buttons, QWidget* parent = nullptr);
    void setButtonEnabled(int index, bool enabled);
    // Shows the menu modally; the index pressed, or closedChoice when it was closed.
    int ask(int closedChoice);

private:
    int chosen_ = -1;
};

// The main menu's buttons; index 7 is "New Season".
QStringList mainMenuButtons();
inline constexpr int ShowStandings = 0, ShowTeamStats = 1, ShowOffTotals = 2, ShowDefTotals = 3,
                     ShowLeaders = 4, ShowEntireLeague = 5, ExitViewer = 6, NewSeason = 7;

// The leaders menu: the ten categories, then "Exit" (index 10).
QStringList leadersMenuButtons();
inline constexpr int ExitLeaders = 10;

}  // namespace stats
