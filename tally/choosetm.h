// The report window: a caption, the fixed-pitch list, "Print" and "OK"; and, with the
// list hidden, the team chooser.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace ui {
class FixedList;
}

namespace stats {

class Choosetm : public QDialog {
public:
    explicit Choosetm(QWidget* parent = nullptr);

    // Shows a report modally; "Print" asks for the target, offering lastPrintFile, and
    // writes the caption's title line and the lines.
    void showReport(const QString& caption, const QStringList& lines, int season,
                    const QString& lastPrintFile);

    // Shows "CANCEL" and the names; the index chosen (0 for "CANCEL" or none).
    int chooseTeam(const QStringList& names);

private:
    ui::FixedList* list_;
    QComboBox* teams_;
    QPushButton* print_;
};

}  // namespace stats
