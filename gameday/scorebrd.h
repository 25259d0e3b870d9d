#pragma once
// Scorebrd: the game's main window. Score line, clock, down and distance, ball position,
// quarter, weather, coaches and the play-text area where every text of a play appears.
#include <QLabel>
#include <QWidget>

#include "gameday/engine/game_state.h"
#include "ui/fixed_list.h"

namespace gameday {

class Scorebrd : public QWidget {
public:
    Scorebrd();

    // On opening: stadium, coaches and the welcome lines.
    void open(const fb::GameState& g, const QString& title);
    void refresh(const fb::GameState& g);
    // A play text centred on a 56-character line.
    void printPlayText(const std::string& text);
    void clearPlayText();
    // The help lists of the side whose human is calling; hideHelp() hides them all.
    void showHelp(bool offense);
    void hideHelp();

private:
    QLabel* label(const char* name, const QString& text, int x, int y, int w);

    QLabel *visitor_, *home_, *visitorScore_, *homeScore_, *down_, *ytg_, *time_, *ballOn_,
        *quarter_, *stadium_, *wind_, *precipitation_, *temperature_, *coaches_;
    ui::FixedList* playText_;
    ui::FixedList *offenseHelp_, *defenseHelp_;
    QLabel* callHelp_;
};

}  // namespace gameday
