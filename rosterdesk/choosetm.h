#pragma once
// The roster window: a team's 50 players with years and ratings, "Print" and "OK".
#include <QDialog>
#include <QString>
#include <vector>

#include "leaguefiles/player_record.h"

namespace newedit {

class Choosetm : public QDialog {
public:
    // caption: the team's nickname + " Roster"; rosterFile: the default print file.
    Choosetm(const QString& caption, const std::vector<lf::PlayerRecord>& players, int season,
             const QString& rosterFile, QWidget* parent = nullptr);

private:
    void PrintRoutine();

    QStringList lines_;
    int season_;
    QString rosterFile_;
};

}  // namespace newedit
