#pragma once
// The ratings form ("Change Player Data"): names, injury, years and the fifteen ratings
// of one player; closing it stores them into the player held in memory.
#include <QDialog>
#include <array>

#include "leaguefiles/player_record.h"

class QLineEdit;
class QSlider;

namespace newedit {

class Changrat : public QDialog {
public:
    Changrat(lf::PlayerRecord& player, QWidget* parent = nullptr);
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    lf::PlayerRecord& player_;
    QLineEdit* first_;
    QLineEdit* last_;
    QSlider* injury_;
    QSlider* years_;
    std::array<QSlider*, lf::rating::Count> ratings_{};
    bool injuryMoved_ = false;
};

}  // namespace newedit
