#include "rosterdesk/depth_chart_window.h"

#include <QGridLayout>
#include <QPushButton>

#include "leaguefiles/depth_chart.h"
#include "rosterdesk/depth_moves.h"
#include "rosterdesk/form_parts.h"
#include "rosterdesk/player_lines.h"
#include "rosterdesk/qt_text.h"
#include "rosterdesk/save_question.h"
#include "ui/drag_label.h"

namespace newedit {

namespace {
// Column of each slot: 20, 20 and 10 labels.
constexpr int ColumnHeight = 20;
}  // namespace

DepthChartWindow::DepthChartWindow(std::vector<lf::PlayerRecord>& players, std::function<void()> save,
                                   QWidget* parent)
    : QDialog(parent), players_(players), save_(std::move(save)) {
    setObjectName(QStringLiteral("Depthchart"));
    setWindowTitle(QStringLiteral("Depth Chart (Drag And Drop To Change Position)"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    for (int slot = 1; slot <= lf::SlotsPerTeam; ++slot) {
        auto* label = new ui::DragLabel(QStringLiteral("depth"), slot, this);
        label->setObjectName(QStringLiteral("lblPlayer_%1").arg(slot - 1));
        label->setMinimumWidth(220);
        label->setAutoFillBackground(true);
        label->onDropped = [this](int from, int to) {
            if (dropPlayer(players_, from, to)) {
                drawLabel(from);
                drawLabel(to);
            }
        };
        labels_.push_back(label);
        grid->addWidget(label, (slot - 1) % ColumnHeight, (slot - 1) / ColumnHeight);
        drawLabel(slot);
    }
    auto* exit = plainButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    connect(exit, &QPushButton::clicked, this, &DepthChartWindow::reject);
    grid->addWidget(exit, ColumnHeight, 0, 1, 3);
}

void DepthChartWindow::drawLabel(int slot) {
    const lf::PlayerRecord& player = players_[slot - 1];
    ui::DragLabel* label = labels_[slot - 1];
    label->setText(fromFile(depthChartLabel(player)));
    // Starters stand out; an injured player is drawn in black.
    const QString background = isFirstString(slot) ? QStringLiteral("#fff0a0") : QStringLiteral("#dde4ee");
    const QString text = player.injury() > 0 ? QStringLiteral("black") : QStringLiteral("#1f4fbf");
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; padding: 1px 4px; }")
                             .arg(background, text));
}

void DepthChartWindow::reject() {
    if (closeWithSaveQuestion(save_)) QDialog::reject();
}

}  // namespace newedit
