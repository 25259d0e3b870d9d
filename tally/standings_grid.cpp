#include "tally/standings_grid.h"

#include <QFontMetrics>
#include <QLabel>

#include "leaguefiles/cp1252.h"
#include "ui/fixed_list.h"

namespace stats {

namespace {
constexpr int GridColumns = 78, GridLines = 24;
}

StandingsGrid::StandingsGrid(QWidget* parent) : QWidget(parent) {
    setFont(ui::fixedFont(10));
    const QFontMetrics metrics(font());
    setFixedSize(metrics.horizontalAdvance(QString(GridColumns, QLatin1Char('M'))) + 8,
                 metrics.lineSpacing() * GridLines + 8);
}

void StandingsGrid::show(const tally::StandingsTable& table) {
    for (QLabel* label : labels_) delete label;
    labels_.clear();
    const QFontMetrics metrics(font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
    auto place = [&](const tally::PlacedLine& line, const QString& name) {
        auto* label = new QLabel(QString::fromStdString(lf::cp1252ToUtf8(line.text)), this);
        label->setObjectName(name);
        label->setFont(font());
        label->move(4 + (line.column - 1) * charWidth, 4 + (line.line - 1) * metrics.lineSpacing());
        label->adjustSize();
        label->setVisible(true);
        labels_.push_back(label);
    };
    for (std::size_t d = 0; d < table.headers.size(); ++d)
        place(table.headers[d], QStringLiteral("Label2_%1").arg(d + 1));
    for (std::size_t i = 0; i < table.teamLines.size(); ++i)
        place(table.teamLines[i], QStringLiteral("Label1_%1").arg(i + 1));
}

}  // namespace stats
