#pragma once
// The player list of one position group ("Click Player To Edit Ratings"); a click on a
// line opens the ratings form of that player.
#include <QDialog>
#include <vector>

#include "leaguefiles/player_record.h"

namespace ui {
class FixedList;
}

namespace newedit {

class SelectPlayers : public QDialog {
public:
    // players: the team's 50 players; the list shows slots first .. first + count - 1.
    SelectPlayers(std::vector<lf::PlayerRecord>& players, int first, int count, QWidget* parent = nullptr);

private:
    void fill();

    std::vector<lf::PlayerRecord>& players_;
    int first_;
    int count_;
    ui::FixedList* list_;
};

}  // namespace newedit
