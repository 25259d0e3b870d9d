#pragma once
// Report output: the dialog frmKROprint ("Print") that asks for the printer or a file,
// and the print routine that writes a report's title line and lines there.
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace ui {

// What the dialog chose. target is "prn:" for the printer, otherwise the output file.
struct PrintChoice {
    bool cancelled = true;
    QString target;
    bool append = true;  // "&Append" rather than "&Replace"
};

// Puts a report's default file name into the dialog's file box (the dialog stays hidden).
void setPrintFile(const QString& file);
// The file box's text.
QString printFile();

// The "Print" button: the dialog opens in printer mode, an empty file box gets lastPrintFile,
// and the call waits until OK or Cancel. Cancel discards the dialog's state.
PrintChoice askPrintTarget(const QString& lastPrintFile);

// Writes, unless the choice was cancelled, the title line (caption + "  Season " + season
// [+ "  Week " + week]) and every line to the printer ("Courier New" 10) or to the file
// (an empty line first, appended or replacing). Any failure shows "An Error Has Occurred
// During Printing." / "Operation ABORTED."; returns true when the output was written.
bool printReport(const PrintChoice& choice, const QString& caption, int season,
                 std::optional<int> week, const QStringList& lines);

// The printer half of printReport: the title line and the lines in "Courier New" 10, page
// after page, the document ended so that it prints. False when the printer refuses.
bool printLines(QPrinter& printer, const QString& title, const QStringList& lines);

}  // namespace ui
