// The standings window of the viewer: the division tables, "Print" and "Exit".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "tally/standings_report.h"

namespace stats {

class Winloss : public QDialog {
public:
    Winloss(const QString& leagueBase, const tally::StandingsTable& table,
            std::vector<std::string> printLines, const QString& lastPrintFile,
            QWidget* parent = nullptr);

private:
    void print();
    std::vector<std::string> printLines_;
    QString lastPrintFile_;
};

}  // namespace stats
