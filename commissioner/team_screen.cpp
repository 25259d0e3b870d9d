#include "commissioner/team_screen.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "commissioner/shown_text.h"
#include "ui/drag_label.h"
#include "ui/fixed_list.h"
#include "ui/modal_form.h"

namespace commish {
namespace {

QLabel* heading(QDialog& dialog, const QString& name, const QString& text) {
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(name);
    QFont font = ui::fixedFont(10);
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

Placement runTeamScreen(const lf::League& league, const std::array<std::string, 32>& labels) {
    Placement placement = identityPlacement();
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Newlge"));
    dialog.setWindowTitle(QStringLiteral("Select Teams (Drag And Drop)"));
    auto* grid = new QGridLayout(&dialog);
    grid->setVerticalSpacing(2);

    std::vector<ui::DragLabel*> teams;
    for (int i = 1; i <= 32; ++i) {
        auto* label = new ui::DragLabel(QStringLiteral("teams"), i, &dialog);
        label->setObjectName(QStringLiteral("lblTeam_%1").arg(i - 1));
        label->setText(shown(labels[i - 1]));
        label->setFont(ui::fixedFont(10));
        label->setFrameShape(QFrame::Box);
        teams.push_back(label);
    }
    for (ui::DragLabel* label : teams)
        label->onDropped = [&placement, &teams](int source, int target) {
            if (source == target) return;
            exchangePlaces(placement, source, target);
            const QString text = teams[source - 1]->text();
            teams[source - 1]->setText(teams[target - 1]->text());
            teams[target - 1]->setText(text);
        };

    // Divisions 1..D/2 on the left, the second conference on the right, each heading
    // followed by its places.
    const int d = league.divisions, t = league.teamsPerDivision, n = league.teams;
    int rows = 0;
    for (int div = 1; div <= d; ++div) {
        const int column = div <= d / 2 ? 0 : 1;
        int row = ((div - 1) % (d / 2)) * (t + 1);
        grid->addWidget(heading(dialog, QStringLiteral("lblDivision_%1").arg(div - 1),
                                shown(league.divisionNames[div - 1])),
                        row++, column);
        for (int k = 1; k <= t; ++k) grid->addWidget(teams[(div - 1) * t + k - 1], row++, column);
        rows = std::max(rows, row);
    }
    auto* unassigned = heading(dialog, QStringLiteral("lblUnassigned"), QStringLiteral("UNASSIGNED"));
    grid->addWidget(unassigned, rows++, 0, 1, 2);
    unassigned->setVisible(n < 32);
    for (int j = n + 1; j <= 32; ++j) grid->addWidget(teams[j - 1], rows + (j - n - 1) / 2, (j - n - 1) % 2);
    rows += (32 - n + 1) / 2;

    auto* exit = new QPushButton(QStringLiteral("Exit"), &dialog);
    exit->setObjectName(QStringLiteral("cmdExit"));
    grid->addWidget(exit, rows, 0, 1, 2, Qt::AlignHCenter);
    QObject::connect(exit, &QPushButton::clicked, &dialog, &QDialog::accept);
    ui::showModal(dialog);
    return placement;
}

}  // namespace commish
