#pragma once
// The trade screen ("Trade Player"): every player of one position in the league, two
// selection boxes and "Make Trade".
#include <QDialog>
#include <vector>

#include "leaguefiles/team_record.h"
#include "rosterdesk/league_store.h"
#include "rosterdesk/trade.h"

class QLineEdit;
namespace ui {
class FixedList;
}

namespace newedit {

class TradeWindow : public QDialog {
public:
    TradeWindow(const LeagueStore& store, const std::vector<lf::TeamRecord>& teams, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choosePosition(int index);
    void makeTrade();
    void showBoxes();

    const LeagueStore& store_;
    const std::vector<lf::TeamRecord>& teams_;
    int position_ = 0;
    TradeList list_;
    TradeBoxes boxes_;
    ui::FixedList* view_;
    QLineEdit* first_;
    QLineEdit* second_;
};

}  // namespace newedit
