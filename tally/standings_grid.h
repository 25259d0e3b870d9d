// The division tables on a character grid of the fixed-pitch font: one header label per
// division (Label2_d) and one label per team position (Label1_i).
#pragma once

#include <QWidget>
#include <vector>

#include "tally/standings_report.h"

class QLabel;

namespace stats {

class StandingsGrid : public QWidget {
public:
    explicit StandingsGrid(QWidget* parent = nullptr);
    // Removes every header and team line, then places the table's lines.
    void show(const tally::StandingsTable& table);

private:
    std::vector<QLabel*> labels_;
};

}  // namespace stats
