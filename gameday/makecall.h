#pragma once
// Makecall: the play-call box. "OFFENSE" in green or "DEFENSE" in dark red; letters and
// digits are typed upper case, Backspace or Delete takes the last one back, Enter hands
// the entry over.
#include <QString>
#include <QStringList>

namespace gameday {

struct CallBox {
    bool offense = true;
    bool masked = false;     // an offensive call is shown as X's while both sides are human
    QStringList formation;   // defence only: the offense's line-up places 1..6
};

QString askCall(const CallBox& box);

// What the box shows for an entry: one X per character for a masked call that begins
// with a digit, the entry itself otherwise.
QString shownEntry(const QString& entry, bool masked);

}  // namespace gameday
