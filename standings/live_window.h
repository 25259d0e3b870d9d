// The live standings window: the division tables, rebuilt from the team file on a timer.
#pragma once

#include <QWidget>
#include <string>

#include "tally/league_view.h"

class QCheckBox;
class QPushButton;
class QTimer;

namespace stats {
class StandingsGrid;
}

namespace live {

class LiveWindow : public QWidget {
public:
    // Builds the standings once and places the window from "standings.dat"; FileError when
    // the team file cannot be read.
    explicit LiveWindow(tally::LeagueView view);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void build();
    void refresh();
    void place();
    void setStayOnTop(bool on);
    void fail(const std::exception& error);

    tally::LeagueView view_;
    stats::StandingsGrid* grid_;
    QCheckBox* stayOnTop_;
    QPushButton* exit_;
    QTimer* timer_;
    bool restart_ = false;
};

}  // namespace live
