#include "tally/winloss.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "leaguefiles/cp1252.h"
#include "tally/standings_grid.h"
#include "ui/fixed_list.h"
#include "ui/message_box.h"
#include "ui/print_dialog.h"

namespace stats {

namespace {

bool toPrinter(const std::vector<std::string>& lines) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(ui::fixedFont(10));
    const QFontMetrics metrics(painter.font());
    const int bottom = static_cast<int>(printer.pageRect(QPrinter::DevicePixel).height());
    int y = metrics.ascent();
    for (const std::string& line : lines) {
        if (y + metrics.descent() > bottom) {
            if (!printer.newPage()) return false;
            y = metrics.ascent();
        }
        painter.drawText(0, y, QString::fromStdString(lf::cp1252ToUtf8(line)));
        y += metrics.lineSpacing();
    }
    return painter.end();
}

}  // namespace

Winloss::Winloss(const QString& leagueBase, const tally::StandingsTable& table,
                 std::vector<std::string> printLines, const QString& lastPrintFile,
                 QWidget* parent)
    : QDialog(parent), printLines_(std::move(printLines)), lastPrintFile_(lastPrintFile) {
    setObjectName(QStringLiteral("Winloss"));
    setWindowTitle(QStringLiteral("Standings - ") + leagueBase);
    auto* grid = new StandingsGrid(this);
    grid->show(table);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    for (QPushButton* b : {print, exit}) b->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &Winloss::print);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

void Winloss::print() {
    ui::PrintChoice choice = ui::askPrintTarget(lastPrintFile_);
    if (choice.cancelled) return;
    bool printed = false;
    if (choice.target.compare(QStringLiteral("prn:"), Qt::CaseInsensitive) == 0) {
        printed = toPrinter(printLines_);
    } else {
        try {
            tally::writeStandingsFile(choice.target.toStdString(), choice.append, printLines_);
            printed = true;
        } catch (const std::exception&) {
            printed = false;
        }
    }
    if (!printed)
        ui::messageBox(QStringLiteral("An Error Has Occurred During Printing.\rOperation ABORTED."));
}

}  // namespace stats
