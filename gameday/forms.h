#pragma once
// The small modal forms of a game: the welcome, the choice forms (Ccontrol serves the
// coach selection and the punt and field-goal defence), the conversion form Extrapt and
// the Kickoff and Penalty forms.
#include <QDialog>
#include <QString>
#include <QStringList>

#include "gameday/engine/seam.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace gameday {

// frmTodaysGame: the welcome text and "Play Game".
void showWelcome(const QString& text);

// Ccontrol: exclusive options (the preselected one checked) and one button; returns the
// chosen option's index.
int chooseOption(const QString& caption, const QStringList& options, int preselected,
                 const QString& button);

// "Select Coaches": coach control 0..3, "COMPUTER controls both teams" preselected.
int selectCoaches(const QString& visitorName, const QString& homeName);

// Extrapt as the engine describes it; Timer1 presses Command1 after 2000 ms when the form
// closes itself. changeControlOffered comes from "custom.dat".
fb::ConversionAnswer conversionForm(const fb::ConversionView& v, bool changeControlOffered);

// Kickoff: 'D' deep, 'S' squib, 'O' onside.
char kickoffForm(const fb::KickoffView& v);

// Penalty: true for ACCEPT.
bool penaltyForm(const fb::PenaltyView& v);

}  // namespace gameday
