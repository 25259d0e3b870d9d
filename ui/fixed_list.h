#pragma once
// The fixed-pitch list of the report windows: "Courier New" (Liberation Mono through
// fontconfig), wide enough for 95 columns, tab stops every 8 characters.
#include <QFont>
#include <QListWidget>
#include <QStringList>

namespace ui {

// "Courier New" at the given size, fixed pitch even where that family is missing.
QFont fixedFont(int pointSize = 10);

// Replaces each tab by blanks up to the next multiple of 8 columns.
QString expandTabs(const QString& line);

class FixedList : public QListWidget {
public:
    explicit FixedList(QWidget* parent = nullptr, int columns = 95);
    // Replaces the list's lines; tabs are shown expanded, the lines are kept as given.
    void setLines(const QStringList& lines);
    void addLine(const QString& line);
    // The lines as given, in list order (what a print routine writes).
    QStringList lines() const;
};

}  // namespace ui
