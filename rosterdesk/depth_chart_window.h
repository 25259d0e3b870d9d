#pragma once
// The depth chart ("Depth Chart (Drag And Drop To Change Position)"): the team's 50
// players as labels; dropping one onto another of the same position exchanges them.
#include <QDialog>
#include <functional>
#include <vector>

#include "leaguefiles/player_record.h"

namespace ui {
class DragLabel;
}

namespace newedit {

class DepthChartWindow : public QDialog {
public:
    // players: the team's 50 players in slot order, changed in place by drops; save writes
    // them after Yes to the save question.
    DepthChartWindow(std::vector<lf::PlayerRecord>& players, std::function<void()> save,
                     QWidget* parent = nullptr);
    void reject() override;

private:
    void drawLabel(int slot);

    std::vector<lf::PlayerRecord>& players_;
    std::function<void()> save_;
    std::vector<ui::DragLabel*> labels_;
};

}  // namespace newedit
